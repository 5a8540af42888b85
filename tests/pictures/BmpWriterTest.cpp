// The BMP writer: exact header bytes, strides, colour tables, masks, the
// OS/2 and run-length write-backs, and round trips through our reader.
#include <QFile>
#include <random>

#include "TestFiles.h"
#include "pictures/Bitmap.h"

namespace {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

uint32_t U32At(const QByteArray& b, int at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 | static_cast<uint8_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t U16At(const QByteArray& b, int at) { return static_cast<uint16_t>(U32At(b, at) & 0xFFFF); }

TEST(BmpWriter, ThreeByTwoAt24BitsIs78Bytes) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(3, 2);
  const uint8_t top[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const uint8_t bottom[9] = {11, 12, 13, 14, 15, 16, 17, 18, 19};
  std::copy(top, top + 9, bitmap.ScanLine(0));
  std::copy(bottom, bottom + 9, bitmap.ScanLine(1));
  const QByteArray bytes = bitmap.SaveToBytes();
  const QByteArray expected = QByteArray::fromHex(
      "424d" "4e000000" "0000" "0000" "36000000"
      "28000000" "03000000" "02000000" "0100" "1800" "00000000" "18000000"
      "00000000" "00000000" "00000000" "00000000"
      "0b0c0d0e0f10111213000000"   // bottom row first, 3 bytes of padding
      "010203040506070809000000");
  EXPECT_EQ(bytes.toHex(), expected.toHex());
}

TEST(BmpWriter, CapturedCompositionIs54Plus4BytesPerPixel) {
  TBitmap capture(800, 600);
  capture.Canvas().Brush().SetColor(RGB(0x10, 0x20, 0x30));
  capture.Canvas().FillRect(Rect(0, 0, 800, 600));
  capture.Canvas().SetPixel(0, 599, RGB(0xAA, 0xBB, 0xCC));  // bottom-left: first pixel in the file
  const QByteArray bytes = capture.SaveToBytes();
  ASSERT_EQ(bytes.size(), 1920054);
  EXPECT_EQ(U32At(bytes, 2), 1920054u);
  EXPECT_EQ(U32At(bytes, 10), 54u);
  EXPECT_EQ(U16At(bytes, 28), 32);
  EXPECT_EQ(U32At(bytes, 30), 0u);
  EXPECT_EQ(U32At(bytes, 34), 1920000u);
  for (const int at : {38, 42, 46, 50}) EXPECT_EQ(U32At(bytes, at), 0u) << at;
  EXPECT_EQ(bytes.mid(54, 8).toHex(), QByteArray("ccbbaa0030201000"));
  EXPECT_EQ(bytes.right(4).toHex(), QByteArray("30201000"));
}

TEST(BmpWriter, EmptyBitmapWritesNothing) {
  TBitmap empty;
  EXPECT_TRUE(empty.SaveToBytes().isEmpty());
  TBitmap noRows;
  noRows.SetPixelFormat(pf8bit);
  noRows.SetSize(5, 0);
  EXPECT_TRUE(noRows.SaveToBytes().isEmpty());
}

TEST(BmpWriter, MissingMasksAreFilledIn) {
  struct TCase {
    TPixelFormat format;
    const char* masks;
  };
  for (const TCase& c : {TCase{pf16bit, "00f80000e00700001f000000"}, TCase{pf32bit, "0000ff0000ff0000ff000000"}}) {
    TBitmap bitmap(2, 1);
    bitmap.SetPixelFormat(c.format);
    bitmap.SetColorMasks({});
    const QByteArray bytes = bitmap.SaveToBytes();
    EXPECT_EQ(U32At(bytes, 30), 3u);
    EXPECT_EQ(U32At(bytes, 10), 66u);
    EXPECT_EQ(bytes.mid(54, 12).toHex(), QByteArray(c.masks));
  }
}

TEST(BmpWriter, PaletteOfADisplayBitmapIsAListOfSuggestedColors) {
  TBitmap bitmap(1, 1);
  auto palette = std::make_shared<TLogPalette>();
  palette->Entries = {qRgb(1, 2, 3), qRgb(4, 5, 6)};
  bitmap.SetPalette(palette);
  const QByteArray bytes = bitmap.SaveToBytes();
  EXPECT_EQ(U16At(bytes, 28), 32);
  EXPECT_EQ(U32At(bytes, 46), 2u);
  EXPECT_EQ(U32At(bytes, 10), 62u);
  EXPECT_EQ(bytes.mid(54, 8).toHex(), QByteArray("0302010006050400"));
  EXPECT_EQ(bytes.size(), 66);
}

TEST(BmpWriter, OwnHalftonePaletteIsNotWritten) {
  TBitmap bitmap(4, 4);
  bitmap.SetPixelFormat(pf8bit);
  ASSERT_TRUE(bitmap.Palette());
  bitmap.SetPixelFormat(pfDevice);
  const QByteArray bytes = bitmap.SaveToBytes();
  EXPECT_EQ(U32At(bytes, 10), 54u);
  EXPECT_EQ(U32At(bytes, 46), 0u);
}

TEST(BmpWriter, Os2BitmapIsWrittenBackInItsOwnForm) {
  SKIP_WITHOUT_TESTDATA();
  const QString path = TestData(QStringLiteral("bmpsuite/g/pal8os2.bmp"));
  TBitmap bitmap;
  bitmap.LoadFromFile(path);
  ASSERT_TRUE(bitmap.OS2Format());
  EXPECT_EQ(bitmap.SaveToBytes(), FileBytes(path));
}

TEST(BmpWriter, ShortOs2TableIsPaddedToItsFullSize) {
  SKIP_WITHOUT_TESTDATA();
  TBitmap bitmap;
  bitmap.LoadFromFile(TestData(QStringLiteral("bmpsuite/q/pal8os2sp.bmp")));
  ASSERT_EQ(bitmap.ColorTable().size(), 252u);
  const QByteArray bytes = bitmap.SaveToBytes();
  EXPECT_EQ(U32At(bytes, 14), 12u);
  EXPECT_EQ(U32At(bytes, 10), 14u + 12u + 768u);
  EXPECT_EQ(bytes.size(), 794 + 128 * 64);
  TBitmap again;
  again.LoadFromBytes(bytes);
  EXPECT_EQ(CompareToImage(again.Surface(), QImage(TestData(QStringLiteral("bmpsuite/ref/pal8.png")))).pixels, 0);
}

TEST(BmpWriter, RunLengthFileIsWrittenBackByteForByteUntilChanged) {
  SKIP_WITHOUT_TESTDATA();
  const QString path = TestData(QStringLiteral("bmpsuite/g/pal8rle.bmp"));
  TBitmap bitmap;
  bitmap.LoadFromFile(path);
  ASSERT_TRUE(bitmap.KeepsFileBytes());
  EXPECT_EQ(bitmap.SaveToBytes(), FileBytes(path));
  bitmap.Canvas();
  EXPECT_FALSE(bitmap.KeepsFileBytes());
  const QByteArray bytes = bitmap.SaveToBytes();
  EXPECT_EQ(U16At(bytes, 28), 32);
  EXPECT_EQ(U32At(bytes, 46), 252u);  // the file's colours as suggested colours
  TBitmap again;
  again.LoadFromBytes(bytes);
  EXPECT_EQ(CompareToImage(again.Surface(), QImage(TestData(QStringLiteral("bmpsuite/ref/pal8.png")))).pixels, 0);
}

TEST(BmpWriter, HeaderValuesOfTheFileAreKept) {
  SKIP_WITHOUT_TESTDATA();
  const QString path = TestData(QStringLiteral("bmpsuite/g/pal8nonsquare.bmp"));
  TBitmap bitmap;
  bitmap.LoadFromFile(path);
  EXPECT_EQ(bitmap.SaveToBytes().mid(38, 16).toHex(), FileBytes(path).mid(38, 16).toHex());
}

// Round trips at every format at an odd size.
struct TRoundTrip {
  const char* name;
  TPixelFormat format;
  TColorMasks masks;  // non-zero: a custom mask layout
};

class BmpRoundTrip : public ::testing::TestWithParam<TRoundTrip> {};

TEST_P(BmpRoundTrip, KeepsEveryPixelAt47By33) {
  const TRoundTrip& c = GetParam();
  std::mt19937 random(47);
  TBitmap bitmap;
  bitmap.SetPixelFormat(c.format);
  bitmap.SetSize(47, 33);
  if (!c.masks.IsZero()) bitmap.SetColorMasks(c.masks);
  const int bits = bitmap.BitsPerPixel();
  if (bits <= 8) {
    std::vector<QRgb> colors;
    for (int i = 0; i < (1 << bits); ++i) colors.push_back(qRgb(random() & 255, random() & 255, random() & 255));
    bitmap.SetColorTable(colors);
  }
  // Random pixel bytes; the bits after the last pixel stay 0.
  const int usedBits = 47 * bits;
  for (int y = 0; y < 33; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int i = 0; i < usedBits / 8; ++i) row[i] = static_cast<uint8_t>(random());
    if (usedBits % 8) row[usedBits / 8] = static_cast<uint8_t>(random() & (0xFF00 >> (usedBits % 8)));
  }
  const QByteArray bytes = bitmap.SaveToBytes();
  TBitmap read;
  read.LoadFromBytes(bytes);
  ASSERT_EQ(read.Width(), 47);
  ASSERT_EQ(read.Height(), 33);
  EXPECT_EQ(read.PixelFormat(), bitmap.PixelFormat());
  EXPECT_EQ(read.ColorMasks(), bitmap.ColorMasks());
  EXPECT_EQ(read.ColorTable(), bitmap.ColorTable());
  for (int y = 0; y < 33; ++y) {
    ASSERT_EQ(std::memcmp(std::as_const(read).ScanLine(y), std::as_const(bitmap).ScanLine(y),
                          static_cast<size_t>(bitmap.BytesPerScanLine())), 0) << "row " << y;
    for (int x = 0; x < 47; ++x) ASSERT_EQ(read.Surface().Pixel(x, y), bitmap.Surface().Pixel(x, y));
  }
  EXPECT_EQ(read.SaveToBytes(), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BmpRoundTrip,
    ::testing::Values(TRoundTrip{"pf1bit", pf1bit, {}}, TRoundTrip{"pf4bit", pf4bit, {}},
                      TRoundTrip{"pf8bit", pf8bit, {}}, TRoundTrip{"pf15bit", pf15bit, {}},
                      TRoundTrip{"pf16bit", pf16bit, {}}, TRoundTrip{"pf24bit", pf24bit, {}},
                      TRoundTrip{"pf32bit", pf32bit, {}}, TRoundTrip{"rgb16_444", pf15bit, {0x0F00, 0x00F0, 0x000F}},
                      TRoundTrip{"rgb32_10_10_10", pf32bit, {0x3FF00000, 0x000FFC00, 0x000003FF}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BmpWriter, DisplayBitmapReadsBackWithTheSamePixels) {
  TBitmap bitmap(47, 33);
  std::mt19937 random(33);
  for (int y = 0; y < 33; ++y)
    for (int x = 0; x < 47; ++x) bitmap.Canvas().SetPixel(x, y, static_cast<TColor>(random() & 0xFFFFFF));
  TBitmap read;
  read.LoadFromBytes(bitmap.SaveToBytes());
  EXPECT_EQ(read.PixelFormat(), pf32bit);
  for (int y = 0; y < 33; ++y)
    for (int x = 0; x < 47; ++x) ASSERT_EQ(read.Surface().Pixel(x, y), bitmap.Surface().Pixel(x, y));
}

// Files from a second, independent writer, against its PNM pixels.
class SecondWriterBmp : public ::testing::TestWithParam<TManifestRow> {};

TEST_P(SecondWriterBmp, MatchesItsPixels) {
  SKIP_WITHOUT_TESTDATA();
  const TManifestRow& row = GetParam();
  TBitmap bitmap;
  bitmap.LoadFromFile(TestData(QStringLiteral("bmp-extra/") + QString::fromStdString(row.at("path"))));
  const QImage reference = ReadPnm(TestData(QStringLiteral("bmp-extra/") + QString::fromStdString(row.at("reference_pixels"))));
  ASSERT_EQ(bitmap.Width(), std::stoi(row.at("expected_width")));
  ASSERT_EQ(bitmap.Height(), std::stoi(row.at("expected_height")));
  EXPECT_EQ(bitmap.BitsPerPixel(), std::stoi(row.at("bpp")));
  EXPECT_EQ(CompareToImage(bitmap.Surface(), reference).pixels, 0);
}

INSTANTIATE_TEST_SUITE_P(Extra, SecondWriterBmp, ::testing::ValuesIn(TestDataRows("bmp-extra/manifest.tsv")),
                         [](const auto& info) { return ParamName(info.param.at("path")); });

}  // namespace
