// Pixel formats of a bitmap: conversions, the display copy made on demand,
// drawing converting to the display format, and what drops the kept bytes
// of a run-length-encoded file.
#include "TestFiles.h"
#include "pictures/Bitmap.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"

namespace {

// A 4 x 1 display bitmap: red, a dark grey, white, 0x808080.
TBitmap& Strip(TBitmap& bitmap) {
  bitmap.SetSize(4, 1);
  const TColor colors[] = {clRed, RGB(0x33, 0x33, 0x33), clWhite, RGB(0x80, 0x80, 0x80)};
  for (int x = 0; x < 4; ++x) bitmap.Canvas().SetPixel(x, 0, colors[x]);
  return bitmap;
}

std::vector<QRgb> Row(const TBitmap& bitmap) {
  std::vector<QRgb> row;
  for (int x = 0; x < bitmap.Width(); ++x) row.push_back(bitmap.Surface().Pixel(x, 0) & 0xFFFFFF);
  return row;
}

TEST(BitmapFormat, NewBitmapIsInTheDisplayFormat) {
  TBitmap bitmap(3, 2);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(bitmap.BitsPerPixel(), 32);
  EXPECT_TRUE(bitmap.ColorTable().empty());
  EXPECT_EQ(bitmap.BytesPerScanLine(), 12);
}

struct TConversion {
  const char* name;
  TPixelFormat format;
  std::vector<QRgb> pixels;  // what the strip shows afterwards
};

class BitmapConversion : public ::testing::TestWithParam<TConversion> {};

TEST_P(BitmapConversion, ShowsTheNearestColorsOfTheFormat) {
  TBitmap bitmap;
  Strip(bitmap).SetPixelFormat(GetParam().format);
  EXPECT_EQ(bitmap.PixelFormat(), GetParam().format);
  EXPECT_EQ(Row(bitmap), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BitmapConversion,
    ::testing::Values(
        TConversion{"pf1bit", pf1bit, {0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF}},
        TConversion{"pf4bit", pf4bit, {0xFF0000, 0x000000, 0xFFFFFF, 0x808080}},
        TConversion{"pf8bit", pf8bit, {0xFF0000, 0x333333, 0xFFFFFF, 0x808080}},
        // 0x80 in 5 bits is 16, which reads back as 16 * 255 / 31 = 132.
        TConversion{"pf15bit", pf15bit, {0xFF0000, 0x313131, 0xFFFFFF, 0x848484}},
        TConversion{"pf16bit", pf16bit, {0xFF0000, 0x313531, 0xFFFFFF, 0x848284}},
        TConversion{"pf24bit", pf24bit, {0xFF0000, 0x333333, 0xFFFFFF, 0x808080}},
        TConversion{"pf32bit", pf32bit, {0xFF0000, 0x333333, 0xFFFFFF, 0x808080}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BitmapFormat, EightBitsWithoutAPaletteMakeTheirOwnHalftonePalette) {
  TBitmap bitmap;
  Strip(bitmap).SetPixelFormat(pf8bit);
  ASSERT_TRUE(bitmap.Palette());
  EXPECT_EQ(bitmap.Palette()->Entries, bitmap.ColorTable());
  EXPECT_EQ(bitmap.ColorTable().size(), 256u);
}

TEST(BitmapFormat, IndexedFormatsPreferThePalette) {
  TBitmap bitmap;
  Strip(bitmap);
  auto palette = std::make_shared<TLogPalette>();
  palette->Entries = {qRgb(200, 0, 0), qRgb(40, 40, 40), qRgb(250, 250, 250)};
  bitmap.SetPalette(palette);
  bitmap.SetPixelFormat(pf4bit);
  EXPECT_EQ(bitmap.ColorTable(), palette->Entries);
  EXPECT_EQ(Row(bitmap), (std::vector<QRgb>{0xC80000, 0x282828, 0xFAFAFA, 0x282828}));
}

TEST(BitmapFormat, ConvertingBackToTheDisplayKeepsThePixels) {
  TBitmap bitmap;
  Strip(bitmap).SetPixelFormat(pf24bit);
  bitmap.SetPixelFormat(pfDevice);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(Row(bitmap), (std::vector<QRgb>{0xFF0000, 0x333333, 0xFFFFFF, 0x808080}));
}

TEST(BitmapFormat, DrawingCanvasConvertsToTheDisplayFormat) {
  TBitmap bitmap;
  Strip(bitmap).SetPixelFormat(pf8bit);
  std::as_const(bitmap).Canvas();
  EXPECT_EQ(bitmap.PixelFormat(), pf8bit);  // copying from it changes nothing
  bitmap.Canvas().SetPixel(3, 0, clLime);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(Row(bitmap), (std::vector<QRgb>{0xFF0000, 0x333333, 0xFFFFFF, 0x00FF00}));
}

TEST(BitmapFormat, SurfaceFollowsWritesThroughScanLine) {
  TBitmap bitmap;
  Strip(bitmap).SetPixelFormat(pf24bit);
  EXPECT_EQ(bitmap.Surface().Pixel(0, 0), qRgb(255, 0, 0));
  uint8_t* row = bitmap.ScanLine(0);
  row[0] = 0xFF;  // blue of the first pixel
  EXPECT_EQ(bitmap.Surface().Pixel(0, 0), qRgb(255, 0, 255));
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
}

TEST(BitmapFormat, ResizingKeepsTheFormatAndThePixelsThatFit) {
  TBitmap bitmap;
  Strip(bitmap).SetPixelFormat(pf4bit);
  bitmap.SetSize(3, 2);
  EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
  EXPECT_EQ(std::as_const(bitmap).ScanLine(0)[1] & 0x0F, 0);  // the cut pixel's bits are cleared
  EXPECT_EQ(Row(bitmap), (std::vector<QRgb>{0xFF0000, 0x000000, 0xFFFFFF}));
  EXPECT_EQ(bitmap.Surface().Pixel(1, 1), qRgb(0, 0, 0));  // new pixels are index 0
}

TEST(BitmapFormat, SizeOverTheCapIsRefusedAndChangesNothing) {
  TBitmap bitmap(2, 2);
  EXPECT_THROW(bitmap.SetSize(16384, 8193), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 2);
}

TEST(BitmapFormat, EveryChangeIsReportedOnce) {
  TBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TGraphic* sender) {
    EXPECT_EQ(sender, &bitmap);
    ++changes;
  };
  bitmap.SetSize(4, 4);
  EXPECT_EQ(changes, 1);
  bitmap.SetSize(4, 4);
  EXPECT_EQ(changes, 1);
  bitmap.SetPixelFormat(pf8bit);
  EXPECT_EQ(changes, 2);
  bitmap.SetPixelFormat(pf8bit);
  EXPECT_EQ(changes, 2);
  bitmap.SetColorTable({qRgb(1, 2, 3)});
  EXPECT_EQ(changes, 3);
  bitmap.Mask(clBlack);
  EXPECT_EQ(changes, 4);
  EXPECT_TRUE(bitmap.Monochrome());
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
}

TEST(BitmapFormat, AssignCopiesFormatTableAndPixelsIndependently) {
  TBitmap source;
  Strip(source).SetPixelFormat(pf8bit);
  TBitmap copy;
  copy.Assign(source);
  EXPECT_EQ(copy.PixelFormat(), pf8bit);
  EXPECT_EQ(copy.ColorTable(), source.ColorTable());
  copy.ScanLine(0)[0] = 0;
  EXPECT_EQ(Row(source)[0], 0xFF0000u);
  EXPECT_NE(Row(copy)[0], 0xFF0000u);
}

TEST(BitmapFormat, DrawingADeviceIndependentBitmapStretchesItsPixels) {
  TBitmap source;
  Strip(source).SetPixelFormat(pf24bit);
  TBitmap target(8, 2);
  source.Draw(target.Canvas(), Rect(0, 0, 8, 2));
  EXPECT_EQ(source.PixelFormat(), pf24bit);
  EXPECT_EQ(target.Surface().Pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(target.Surface().Pixel(6, 0), qRgb(0x80, 0x80, 0x80));
}

TEST(BitmapFormat, DisplayCopyIsWhatDrawingGivesWithPixelsOfItsOwn) {
  SKIP_WITHOUT_TESTDATA();
  for (const TPixelFormat format : {pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit}) {
    SCOPED_TRACE(format);
    TBitmap bitmap;
    Strip(bitmap).SetPixelFormat(format);
    const std::vector<QRgb> before = Row(bitmap);
    TBitmap drawn(4, 1);
    bitmap.Draw(drawn.Canvas(), Rect(0, 0, 4, 1));
    TSurface copy = bitmap.DisplayCopy();
    EXPECT_TRUE(SameSurface(copy, drawn.Surface()));
    copy.SetPixel(0, 0, kBlackPixel);
    EXPECT_EQ(Row(bitmap), before);
    EXPECT_EQ(bitmap.PixelFormat(), format);
  }
  TBitmap rle;
  rle.LoadFromFile(TestData(QStringLiteral("bmpsuite/g/pal8rle.bmp")));
  EXPECT_FALSE(rle.DisplayCopy().IsNull());
  EXPECT_TRUE(rle.KeepsFileBytes());
}

TEST(BitmapFormat, MasksAndEmptyBitmapsHaveNoDisplayCopy) {
  TBitmap mask;
  Strip(mask).SetMonochrome(true);
  EXPECT_TRUE(mask.DisplayCopy().IsNull());
  TBitmap empty(0, 5);
  EXPECT_TRUE(empty.DisplayCopy().IsNull());
}

// What keeps and what drops the bytes of a run-length-encoded file.
struct TKeptBytesCase {
  const char* name;
  std::function<void(TBitmap&)> action;
  bool kept;
};

class KeptBytes : public ::testing::TestWithParam<TKeptBytesCase> {};

TEST_P(KeptBytes, SurviveOnlyWhatChangesNothing) {
  SKIP_WITHOUT_TESTDATA();
  TBitmap bitmap;
  bitmap.LoadFromFile(TestData(QStringLiteral("bmpsuite/g/pal4rle.bmp")));
  ASSERT_TRUE(bitmap.KeepsFileBytes());
  GetParam().action(bitmap);
  EXPECT_EQ(bitmap.KeepsFileBytes(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, KeptBytes,
    ::testing::Values(
        TKeptBytesCase{"Surface", [](TBitmap& b) { b.Surface(); }, true},
        TKeptBytesCase{"ConstCanvas", [](TBitmap& b) { std::as_const(b).Canvas(); }, true},
        TKeptBytesCase{"Draw", [](TBitmap& b) { TBitmap t(4, 4); b.Draw(t.Canvas(), Rect(0, 0, 4, 4)); }, true},
        TKeptBytesCase{"Assign", [](TBitmap& b) { TBitmap c; c.Assign(b); b.Assign(c); }, true},
        TKeptBytesCase{"Canvas", [](TBitmap& b) { b.Canvas(); }, false},
        TKeptBytesCase{"ScanLine", [](TBitmap& b) { b.ScanLine(0); }, false},
        TKeptBytesCase{"SetSize", [](TBitmap& b) { b.SetSize(5, 5); }, false},
        TKeptBytesCase{"SetPalette", [](TBitmap& b) { b.SetPalette(nullptr); }, false},
        TKeptBytesCase{"SetPixelFormat", [](TBitmap& b) { b.SetPixelFormat(pf24bit); }, false},
        TKeptBytesCase{"Mask", [](TBitmap& b) { b.Mask(clBlack); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
