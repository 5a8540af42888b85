// The BMP reader on files put together byte by byte: what it refuses, the
// pixel offset rules, top-down rows and run-length expansion.
#include <QBuffer>
#include <QFile>

#include "TestFiles.h"
#include "pictures/Bitmap.h"
#include "toolkit/Exceptions.h"

namespace {

void PutLE(QByteArray& b, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.append(static_cast<char>(v >> (8 * i)));
}

// The fields of a file with a 40-byte (or longer) header.
struct TBmpRecipe {
  int32_t width = 2;
  int32_t height = 2;
  uint16_t planes = 1;
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  uint32_t headerSize = 40;
  uint32_t clrUsed = 0;
  std::vector<QRgb> colors;
  QByteArray pixels;
  int64_t offBits = -1;  // -1: right after the table
  QByteArray gap;        // bytes between the table and the pixels
};

QByteArray Build(const TBmpRecipe& s) {
  QByteArray header;
  PutLE(header, s.headerSize, 4);
  PutLE(header, static_cast<uint32_t>(s.width), 4);
  PutLE(header, static_cast<uint32_t>(s.height), 4);
  PutLE(header, s.planes, 2);
  PutLE(header, s.bitCount, 2);
  PutLE(header, s.compression, 4);
  PutLE(header, 0, 4);
  PutLE(header, 0, 8);
  PutLE(header, s.clrUsed, 4);
  PutLE(header, 0, 4);
  header.append(QByteArray(static_cast<int>(s.headerSize) - 40, '\0'));
  for (const QRgb c : s.colors) PutLE(header, c & 0xFFFFFF, 4);
  QByteArray file("BM");
  PutLE(file, 0, 4);
  PutLE(file, 0, 4);
  PutLE(file, static_cast<uint32_t>(s.offBits >= 0 ? s.offBits : 14 + header.size()), 4);
  return file + header + s.gap + s.pixels;
}

// Rows of the display pixels as "RRGGBB" words, top row first.
std::string Pixels(const TBitmap& bitmap) {
  std::string text;
  for (int y = 0; y < bitmap.Height(); ++y) {
    if (y) text += " | ";
    for (int x = 0; x < bitmap.Width(); ++x)
      text += (x ? " " : "") + QString::number(bitmap.Surface().Pixel(x, y) & 0xFFFFFF, 16).rightJustified(6, '0').toStdString();
  }
  return text;
}

// 2 x 2 at 24 bits: bottom row blue, green; top row red, white.
QByteArray Rgb24Rows() { return QByteArray::fromHex("ff000000ff000000" "0000ffffffff0000"); }

TEST(BmpReader, TwoByTwoAt24Bits) {
  TBmpRecipe s;
  s.pixels = Rgb24Rows();
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "ff0000 ffffff | 0000ff 00ff00");
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
}

TEST(BmpReader, NegativeHeightIsTopRowFirst) {
  TBmpRecipe s;
  s.height = -2;
  s.pixels = Rgb24Rows();
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "0000ff 00ff00 | ff0000 ffffff");
}

TEST(BmpReader, NoBytesGiveAnEmptyBitmap) {
  TBitmap bitmap(5, 5);
  bitmap.LoadFromBytes(QByteArray());
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
}

TEST(BmpReader, SixteenBitWhiteIsFullWhite) {
  TBmpRecipe s;
  s.width = 1;
  s.height = 1;
  s.bitCount = 16;
  s.pixels = QByteArray::fromHex("ff7f0000");
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "ffffff");
}

TEST(BmpReader, GapAfterTheTableIsSkippedWhenTheOffsetLiesInTheFile) {
  TBmpRecipe s;
  s.pixels = Rgb24Rows();
  s.gap = QByteArray(10, '\x55');
  s.offBits = 54 + 10;
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "ff0000 ffffff | 0000ff 00ff00");
}

TEST(BmpReader, OffsetOutsideTheFileOrInsideTheHeaderIsIgnored) {
  for (const int64_t offBits : {int64_t(5000), int64_t(0), int64_t(20)}) {
    TBmpRecipe s;
    s.pixels = Rgb24Rows();
    s.offBits = offBits;
    TBitmap bitmap;
    bitmap.LoadFromBytes(Build(s));
    EXPECT_EQ(Pixels(bitmap), "ff0000 ffffff | 0000ff 00ff00") << offBits;
  }
}

TEST(BmpReader, ShortFileLoadsTheRowsItHolds) {
  TBmpRecipe s;
  s.pixels = Rgb24Rows().left(8);
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "000000 000000 | 0000ff 00ff00");
}

TEST(BmpReader, Os2HeaderHasThreeByteColors) {
  QByteArray file = QByteArray::fromHex("424d" "00000000" "00000000" "20000000"
                                        "0c000000" "0300" "0100" "0100" "0100"
                                        "0000ff" "00ff00"  // red, green
                                        "a0000000");       // 1, 0, 1
  TBitmap bitmap;
  bitmap.LoadFromBytes(file);
  EXPECT_EQ(Pixels(bitmap), "00ff00 ff0000 00ff00");
  EXPECT_TRUE(bitmap.OS2Format());
}

struct TRefused {
  const char* name;
  TBmpRecipe recipe;
};

class BmpRefused : public ::testing::TestWithParam<TRefused> {};

TEST_P(BmpRefused, IsNotValidAndLeavesTheBitmapAsItWas) {
  TBitmap bitmap(3, 4);
  bitmap.Canvas().SetPixel(1, 1, clRed);
  try {
    bitmap.LoadFromBytes(Build(GetParam().recipe));
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Bitmap image is not valid"));
  }
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 4);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(bitmap.Surface().Pixel(1, 1), qRgb(255, 0, 0));
}

TBmpRecipe With(std::function<void(TBmpRecipe&)> change) {
  TBmpRecipe s;
  s.pixels = Rgb24Rows();
  change(s);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpRefused,
    ::testing::Values(
        TRefused{"JpegCompression", With([](TBmpRecipe& s) { s.compression = 4; })},
        TRefused{"PngCompression", With([](TBmpRecipe& s) { s.compression = 5; })},
        TRefused{"AlphaMaskCompression", With([](TBmpRecipe& s) { s.bitCount = 32; s.compression = 6; })},
        TRefused{"Os2Huffman", With([](TBmpRecipe& s) { s.headerSize = 64; s.bitCount = 1; s.compression = 3; })},
        TRefused{"Rle8At4Bits", With([](TBmpRecipe& s) { s.bitCount = 4; s.compression = 1; })},
        TRefused{"Rle4At8Bits", With([](TBmpRecipe& s) { s.bitCount = 8; s.compression = 2; })},
        TRefused{"MasksAt24Bits", With([](TBmpRecipe& s) { s.compression = 3; })},
        TRefused{"TwoBitsPerPixel", With([](TBmpRecipe& s) { s.bitCount = 2; })},
        TRefused{"TwoPlanes", With([](TBmpRecipe& s) { s.planes = 2; })},
        TRefused{"UnknownHeaderSize", With([](TBmpRecipe& s) { s.headerSize = 44; })},
        TRefused{"ZeroWidth", With([](TBmpRecipe& s) { s.width = 0; })},
        TRefused{"ZeroHeight", With([](TBmpRecipe& s) { s.height = 0; })},
        TRefused{"MostNegativeHeight", With([](TBmpRecipe& s) { s.height = INT32_MIN; })},
        TRefused{"OverTwoTo27Pixels", With([](TBmpRecipe& s) { s.width = 16384; s.height = 8193; })},
        TRefused{"TopDownRunLength", With([](TBmpRecipe& s) { s.bitCount = 8; s.compression = 1; s.height = -2; })},
        TRefused{"ColorTablePastTheEnd", With([](TBmpRecipe& s) { s.bitCount = 8; s.clrUsed = 100000; })}),
    [](const auto& info) { return std::string(info.param.name); });

// The pixel count is checked before any row is made: sizes just past the
// cap, cheap to allocate at one bit per pixel, are refused all the same.
struct TSizeCase {
  const char* name;
  int32_t width;
  int32_t height;
  bool loads;
};

class BmpSize : public ::testing::TestWithParam<TSizeCase> {};

TEST_P(BmpSize, LoadsOnlyWithinTheCap) {
  const TSizeCase& c = GetParam();
  TBmpRecipe s;
  s.width = c.width;
  s.height = c.height;
  s.bitCount = 1;
  s.colors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  s.pixels = QByteArray(8, '\xFF');
  TBitmap bitmap(3, 4);
  if (c.loads) {
    bitmap.LoadFromBytes(Build(s));
    EXPECT_EQ(bitmap.Width(), c.width);
    EXPECT_EQ(bitmap.Height(), std::abs(c.height));
    return;
  }
  EXPECT_THROW(bitmap.LoadFromBytes(Build(s)), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpSize,
    ::testing::Values(TSizeCase{"TheCap", 16384, 8192, true},
                      TSizeCase{"OneRowPastTheCap", 16384, 8193, false},
                      TSizeCase{"TopDownPastTheCap", 16384, -8193, false},
                      TSizeCase{"OnePixelPastTheCapInOneRow", (1 << 27) + 1, 1, false},
                      TSizeCase{"NegativeWidth", -8, 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BmpReader, WrongSignatureOrTruncatedHeaderIsNotValid) {
  TBmpRecipe s;
  s.pixels = Rgb24Rows();
  QByteArray file = Build(s);
  for (const QByteArray& bytes : {QByteArray("BA") + file.mid(2), file.left(13), file.left(30)}) {
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromBytes(bytes), EInvalidGraphic);
  }
}

// No image size in the header: the 18 bytes of runs, longer than the 12
// bytes of rows they expand to, are all read.
TEST(BmpReader, Rle8RunsDeltasAndAbsoluteRuns) {
  TBmpRecipe s;
  s.width = 4;
  s.height = 3;
  s.bitCount = 8;
  s.compression = 1;
  s.colors = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  s.pixels = QByteArray::fromHex(
      "0002" "0101"      // delta right 1, up 1: the bottom row stays unset
      "0201"             // two of 1
      "0000"             // end of line
      "0003" "020302" "00"  // absolute run of 3, padded to a word
      "0603"             // six of 3, clipped at the row's end
      "0001");           // end of bitmap
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "00ff00 0000ff 00ff00 0000ff | 000000 ff0000 ff0000 000000 | 000000 000000 000000 000000");
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  ASSERT_TRUE(bitmap.Palette());
  EXPECT_EQ(bitmap.Palette()->Entries, s.colors);
}

TEST(BmpReader, Rle4NibblesAndOddAbsoluteRun) {
  TBmpRecipe s;
  s.width = 5;
  s.height = 2;
  s.bitCount = 4;
  s.compression = 2;
  s.colors = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  s.pixels = QByteArray::fromHex(
      "0512"        // bottom row: 1 2 1 2 1
      "0000"
      "0003" "3200" // absolute 3 2 0, padded to a word
      "0001");
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "0000ff 00ff00 000000 000000 000000 | ff0000 00ff00 ff0000 00ff00 ff0000");
}

TEST(BmpReader, RunLengthDataEndingEarlyLeavesTheRestBlack) {
  TBmpRecipe s;
  s.width = 2;
  s.height = 2;
  s.bitCount = 8;
  s.compression = 1;
  s.colors = {qRgb(9, 9, 9), qRgb(255, 0, 0)};
  s.pixels = QByteArray::fromHex("0201" "0000" "0003");  // absolute run cut off
  TBitmap bitmap;
  bitmap.LoadFromBytes(Build(s));
  EXPECT_EQ(Pixels(bitmap), "000000 000000 | ff0000 ff0000");
}

}  // namespace

// Two inputs the fuzzer found slow: headers asking for huge pictures with
// a few bytes of data. They load at full size without touching more than
// the rows the file holds.
TEST(BmpReader, ShortFileOfSixteenMillionRows) {
  QFile file(TestFile(QStringLiteral("bmp/tall-short-16bit.bmp")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes);
  ASSERT_EQ(bitmap.Width(), 5);
  ASSERT_EQ(bitmap.Height(), 16449539);
  // 36 bytes of rows: the bottom three, their 2 bytes of padding cleared.
  const uint8_t* bottom = std::as_const(bitmap).ScanLine(bitmap.Height() - 1);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bottom), 12).toHex(), (bytes.mid(66, 10) + QByteArray(2, '\0')).toHex());
  const uint8_t* fourth = std::as_const(bitmap).ScanLine(bitmap.Height() - 4);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(fourth), 12), QByteArray(12, '\0'));
}

TEST(BmpReader, RunLengthFileSixteenMillionPixelsWide) {
  QFile file(TestFile(QStringLiteral("bmp/wide-rle8.bmp")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes);
  EXPECT_EQ(bitmap.Width(), 16777224);
  EXPECT_EQ(bitmap.Height(), 2);
  QByteArray saved;
  QBuffer buffer(&saved);
  buffer.open(QIODevice::WriteOnly);
  bitmap.SaveToStream(buffer);
  EXPECT_EQ(saved, bytes);
}
