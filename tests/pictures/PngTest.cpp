// PNG pictures: each colour type and bit depth decoded to exact pixels
// (16-bit samples keep their high byte, transparency over white), broken
// and hostile files refused, and the writer's files exactly as promised.
#include <gtest/gtest.h>
#include <png.h>

#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <csetjmp>
#include <vector>
#include <zlib.h>

#include "pictures/JpegStartup.h"
#include "pictures/Picture.h"
#include "pictures/PngCodec.h"
#include "pictures/PngImage.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"

namespace {

// What a PNG file holds: samples row by row (as many a pixel as the colour
// type has), an optional palette (its alpha going to tRNS) or tRNS samples.
struct TPngLayout {
  int Width = 0;
  int Height = 0;
  int ColorType = PNG_COLOR_TYPE_RGB;
  int BitDepth = 8;
  std::vector<int> Samples;
  std::vector<QRgb> Palette;  // 0xAARRGGBB
  std::vector<int> Transparent;
  bool Interlaced = false;
};

int Channels(int colorType) {
  switch (colorType) {
    case PNG_COLOR_TYPE_GRAY: case PNG_COLOR_TYPE_PALETTE: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    default: return 4;
  }
}

void AppendBytes(png_structp png, png_bytep data, size_t count) {
  static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
}

// The file, written by libpng itself (a writer that is not ours).
QByteArray MakePng(const TPngLayout& layout) {
  QByteArray out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    ADD_FAILURE() << "libpng refused the test file";
    return {};
  }
  png_set_write_fn(png, &out, AppendBytes, nullptr);
  png_set_IHDR(png, info, layout.Width, layout.Height, layout.BitDepth, layout.ColorType,
               layout.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  std::vector<png_byte> alphas;
  for (const QRgb c : layout.Palette) {
    palette.push_back({static_cast<png_byte>(qRed(c)), static_cast<png_byte>(qGreen(c)), static_cast<png_byte>(qBlue(c))});
    alphas.push_back(static_cast<png_byte>(qAlpha(c)));
  }
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (std::any_of(alphas.begin(), alphas.end(), [](png_byte a) { return a != 255; }))
    png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
  if (!layout.Transparent.empty()) {
    png_color_16 color{};
    if (layout.ColorType == PNG_COLOR_TYPE_GRAY) {
      color.gray = static_cast<png_uint_16>(layout.Transparent[0]);
    } else {
      color.red = static_cast<png_uint_16>(layout.Transparent[0]);
      color.green = static_cast<png_uint_16>(layout.Transparent[1]);
      color.blue = static_cast<png_uint_16>(layout.Transparent[2]);
    }
    png_set_tRNS(png, info, nullptr, 0, &color);
  }
  png_write_info(png, info);
  const int channels = Channels(layout.ColorType);
  const size_t rowBytes = (static_cast<size_t>(layout.Width) * channels * layout.BitDepth + 7) / 8;
  std::vector<std::vector<png_byte>> rows(layout.Height, std::vector<png_byte>(rowBytes, 0));
  for (int y = 0; y < layout.Height; ++y)
    for (int i = 0; i < layout.Width * channels; ++i) {
      const int v = layout.Samples[static_cast<size_t>(y * layout.Width * channels + i)];
      png_byte* row = rows[y].data();
      if (layout.BitDepth == 16) {
        row[2 * i] = static_cast<png_byte>(v >> 8);
        row[2 * i + 1] = static_cast<png_byte>(v);
      } else if (layout.BitDepth == 8) {
        row[i] = static_cast<png_byte>(v);
      } else {
        const int perByte = 8 / layout.BitDepth;
        row[i / perByte] |= static_cast<png_byte>(v << (8 - layout.BitDepth * (i % perByte + 1)));
      }
    }
  std::vector<png_bytep> pointers;
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

TPngLayout Layout(int width, int height, int colorType, int bitDepth, std::vector<int> samples,
                  std::vector<QRgb> palette = {}, std::vector<int> transparent = {}) {
  TPngLayout layout;
  layout.Width = width;
  layout.Height = height;
  layout.ColorType = colorType;
  layout.BitDepth = bitDepth;
  layout.Samples = std::move(samples);
  layout.Palette = std::move(palette);
  layout.Transparent = std::move(transparent);
  return layout;
}

struct TPngCase {
  const char* Name;
  TPngLayout Layout;
  std::vector<QRgb> Expected;  // row by row
};

void PrintTo(const TPngCase& c, std::ostream* os) { *os << c.Name; }

constexpr QRgb G(int v) { return 0xFF000000u | static_cast<QRgb>(v) << 16 | static_cast<QRgb>(v) << 8 | static_cast<QRgb>(v); }
constexpr QRgb C(int r, int g, int b) { return 0xFF000000u | static_cast<QRgb>(r) << 16 | static_cast<QRgb>(g) << 8 | static_cast<QRgb>(b); }

std::vector<TPngCase> PngCases() {
  constexpr int Grey = PNG_COLOR_TYPE_GRAY, GreyAlpha = PNG_COLOR_TYPE_GRAY_ALPHA, Rgb = PNG_COLOR_TYPE_RGB,
                Rgba = PNG_COLOR_TYPE_RGB_ALPHA, Palette = PNG_COLOR_TYPE_PALETTE;
  const std::vector<QRgb> four = {0xFF102030u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
  return {
      {"Grey1", Layout(4, 1, Grey, 1, {0, 1, 1, 0}), {G(0), G(255), G(255), G(0)}},
      {"Grey2", Layout(4, 1, Grey, 2, {0, 1, 2, 3}), {G(0), G(85), G(170), G(255)}},
      {"Grey4", Layout(4, 1, Grey, 4, {0, 5, 10, 15}), {G(0), G(85), G(170), G(255)}},
      {"Grey8", Layout(2, 2, Grey, 8, {0, 7, 200, 255}), {G(0), G(7), G(200), G(255)}},
      // The high byte, not a rounded scaling (0x12FF would round to 0x13).
      {"Grey16", Layout(4, 1, Grey, 16, {0x0000, 0x12FF, 0xAB01, 0xFFFF}), {G(0x00), G(0x12), G(0xAB), G(0xFF)}},
      {"Grey8Transparent", Layout(4, 1, Grey, 8, {0, 7, 200, 100}, {}, {200}), {G(0), G(7), G(255), G(100)}},
      {"Grey2Transparent", Layout(4, 1, Grey, 2, {0, 1, 2, 3}, {}, {1}), {G(0), G(255), G(170), G(255)}},
      // (c a + 255 (255 - a)) / 255 rounded: 177.69, 244.50 (just below), 63.34.
      {"GreyAlpha8", Layout(5, 1, GreyAlpha, 8, {0, 0, 0, 255, 100, 128, 200, 51, 10, 200}),
       {G(255), G(0), G(177), G(244), G(63)}},
      {"GreyAlpha16", Layout(2, 1, GreyAlpha, 16, {0x64FF, 0x8001, 0x0AFF, 0xC8FF}), {G(177), G(63)}},
      {"Rgb8", Layout(2, 1, Rgb, 8, {1, 2, 3, 250, 128, 0}), {C(1, 2, 3), C(250, 128, 0)}},
      {"Rgb16", Layout(2, 1, Rgb, 16, {0x01FF, 0x0280, 0x0300, 0xFA01, 0x80FF, 0x00FF}), {C(1, 2, 3), C(250, 128, 0)}},
      {"Rgb8Transparent", Layout(2, 1, Rgb, 8, {1, 2, 3, 9, 8, 7}, {}, {9, 8, 7}), {C(1, 2, 3), C(255, 255, 255)}},
      {"Rgb16Transparent", Layout(2, 1, Rgb, 16, {0x0100, 0x0200, 0x0300, 0x0101, 0x0200, 0x0300}, {}, {0x0101, 0x0200, 0x0300}),
       {C(1, 2, 3), C(255, 255, 255)}},
      {"Rgba8", Layout(3, 1, Rgba, 8, {100, 200, 10, 128, 0, 0, 0, 0, 7, 8, 9, 255}), {C(177, 227, 132), G(255), C(7, 8, 9)}},
      {"Rgba16", Layout(2, 1, Rgba, 16, {0x6400, 0xC8FF, 0x0A10, 0x80FF, 0x0700, 0x0800, 0x0900, 0xFF00}),
       {C(177, 227, 132), C(7, 8, 9)}},
      {"Palette1", Layout(3, 1, Palette, 1, {0, 1, 1}, {0xFF000080u, 0xFFFFFF00u}), {C(0, 0, 128), C(255, 255, 0), C(255, 255, 0)}},
      {"Palette2", Layout(4, 1, Palette, 2, {3, 2, 1, 0}, four), {C(0, 0, 255), C(0, 255, 0), C(255, 0, 0), C(16, 32, 48)}},
      {"Palette4", Layout(2, 2, Palette, 4, {0, 1, 2, 3}, four), {C(16, 32, 48), C(255, 0, 0), C(0, 255, 0), C(0, 0, 255)}},
      {"Palette8", Layout(2, 1, Palette, 8, {3, 0}, four), {C(0, 0, 255), C(16, 32, 48)}},
      {"PaletteTransparent", Layout(3, 1, Palette, 8, {0, 1, 2}, {0x00102030u, 0x80FF0000u, 0xFF00FF00u}),
       {G(255), C(255, 127, 127), C(0, 255, 0)}},
      {"OnePixel", Layout(1, 1, Rgb, 8, {9, 99, 199}), {C(9, 99, 199)}},
  };
}

class PngColorTypes : public ::testing::TestWithParam<TPngCase> {};

TEST_P(PngColorTypes, DecodeToTheFilesValues) {
  const TPngCase& c = GetParam();
  for (const bool interlaced : {false, true}) {
    TPngLayout layout = c.Layout;
    layout.Interlaced = interlaced;
    const TSurface pixels = DecodePng(MakePng(layout));
    ASSERT_EQ(pixels.Width(), layout.Width);
    ASSERT_EQ(pixels.Height(), layout.Height);
    for (int y = 0; y < layout.Height; ++y)
      for (int x = 0; x < layout.Width; ++x)
        EXPECT_EQ(PixelText(pixels.Pixel(x, y)), PixelText(c.Expected[static_cast<size_t>(y * layout.Width + x)]))
            << x << ", " << y << (interlaced ? " interlaced" : "");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PngColorTypes, ::testing::ValuesIn(PngCases()),
                         [](const ::testing::TestParamInfo<TPngCase>& info) { return info.param.Name; });

// Noise of distinct colours: a mix-up of neighbours, rows or passes shows.
TSurface Noise(int width, int height) {
  TSurface surface = TSurface::Uncleared(width, height);
  uint32_t state = 88172645u;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      state ^= state << 13, state ^= state >> 17, state ^= state << 5;
      surface.SetPixel(x, y, 0xFF000000u | (state & 0xFFFFFF));
    }
  return surface;
}

TEST(Png, AnInterlacedPictureFillsEveryPass) {
  const TSurface noise = Noise(19, 13);
  TPngLayout layout = Layout(19, 13, PNG_COLOR_TYPE_RGB, 8, {});
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 19; ++x) {
      const QRgb p = noise.Pixel(x, y);
      layout.Samples.insert(layout.Samples.end(), {qRed(p), qGreen(p), qBlue(p)});
    }
  layout.Interlaced = true;
  EXPECT_TRUE(SameSurface(DecodePng(MakePng(layout)), noise));
}

TEST(Png, WrittenFilesReadBackExactly) {
  const TSurface noise = Noise(47, 33);
  EXPECT_TRUE(SameSurface(DecodePng(EncodePng(noise)), noise));
}

// The chunks of a PNG file, by type.
std::vector<std::string> ChunkTypes(const QByteArray& file) {
  std::vector<std::string> types;
  for (qsizetype at = 8; at + 12 <= file.size();) {
    const uint32_t length = qFromBigEndian<uint32_t>(file.constData() + at);
    types.push_back(file.mid(at + 4, 4).toStdString());
    at += 12 + static_cast<qsizetype>(length);
  }
  return types;
}

TEST(Png, TheWriterWrites8BitRgbAtLevel6AndNoOtherChunk) {
  const QByteArray file = EncodePng(Noise(47, 33));
  ASSERT_TRUE(file.startsWith("\x89PNG\r\n\x1A\n"));
  std::vector<std::string> types = ChunkTypes(file);
  ASSERT_GE(types.size(), 3u);
  EXPECT_EQ(types.front(), "IHDR");
  EXPECT_EQ(types.back(), "IEND");
  for (size_t i = 1; i + 1 < types.size(); ++i) EXPECT_EQ(types[i], "IDAT");
  // IHDR: 47 x 33, 8 bits, colour type 2 (RGB), compression, filter and
  // interlace 0.
  EXPECT_EQ(file.mid(16, 13), QByteArray("\0\0\0\x2F\0\0\0\x21\x08\x02\0\0\0", 13));
  // The zlib stream's header: deflate (libpng narrows the window to a small
  // picture) and the level class of level 6 (FLEVEL 2; 7 to 9 would be 3).
  EXPECT_EQ(file[41] & 0x0F, 8);
  EXPECT_EQ((static_cast<uint8_t>(file[42]) >> 6), 2);
}

TEST(Png, ABitmapGivenToAPngPictureIsSavedAsPng) {
  QTemporaryDir dir;
  TBitmap bitmap(TSurface(Noise(5, 4)));
  TPNGImage png;
  png.Assign(bitmap);
  png.SaveToFile(dir.filePath(QStringLiteral("1.png")));
  TPicture picture;
  picture.LoadFromFile(dir.filePath(QStringLiteral("1.png")));
  ASSERT_EQ(picture.Graphic()->ClassName(), QStringLiteral("TPNGImage"));
  EXPECT_TRUE(SameSurface(picture.Graphic()->DisplayCopy(), bitmap.Surface()));
}

// Files that must be refused with the reader's message, the holder keeping
// its picture.
struct TBadPng {
  const char* Name;
  QByteArray Bytes;
};

void PrintTo(const TBadPng& c, std::ostream* os) { *os << c.Name; }

QByteArray GoodPng() { return EncodePng(Noise(16, 16)); }

// A PNG whose IHDR claims Width x Height, with its CRC put right, over the
// IDAT of a 16 x 16 picture.
QByteArray ClaimingPng(uint32_t width, uint32_t height) {
  QByteArray file = GoodPng();
  qToBigEndian(width, file.data() + 16);
  qToBigEndian(height, file.data() + 20);
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(file.constData() + 12), 17);
  qToBigEndian(static_cast<uint32_t>(crc), file.data() + 29);
  return file;
}

std::vector<TBadPng> BadPngs() {
  QByteArray badCrc = GoodPng();
  badCrc[30] = static_cast<char>(badCrc[30] ^ 1);
  return {
      {"Empty", QByteArray()},
      {"NotAPng", QByteArray("BM\0\0\0\0", 6)},
      {"SignatureOnly", GoodPng().left(8)},
      {"HalfAFile", GoodPng().left(GoodPng().size() / 2)},
      {"NoEnd", GoodPng().chopped(12)},
      {"BadHeaderCrc", badCrc},
      {"Huge65535Square", ClaimingPng(65535, 65535).left(100)},
      {"BeyondThePixelLimit", ClaimingPng(20000, 20000)},
      {"ZeroWidth", ClaimingPng(0, 16)},
      {"LargeOverTooLittleData", ClaimingPng(11000, 11000)},
  };
}

class PngBadFiles : public ::testing::TestWithParam<TBadPng> {};

TEST_P(PngBadFiles, AreNotValidAndChangeNothing) {
  QTemporaryDir dir;
  const QString path = WriteBytes(dir.filePath(QStringLiteral("bad.png")), GetParam().Bytes);
  TPicture picture;
  picture.LoadFromFile(WriteBytes(dir.filePath(QStringLiteral("good.png")), GoodPng()));
  const TGraphic* before = picture.Graphic();
  try {
    picture.LoadFromFile(path);
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("PNG image is not valid"));
  }
  EXPECT_EQ(picture.Graphic(), before);
  EXPECT_EQ(picture.Width(), 16);
}

INSTANTIATE_TEST_SUITE_P(Cases, PngBadFiles, ::testing::ValuesIn(BadPngs()),
                         [](const ::testing::TestParamInfo<TBadPng>& info) { return info.param.Name; });

// Indices beyond a two-entry palette: decoded (libpng takes them as black)
// or refused, never read past the palette.
TEST(Png, PaletteIndicesOutOfRangeAreSafe) {
  const QByteArray file = MakePng(Layout(4, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2, 255}, {0xFFFF0000u, 0xFF00FF00u}));
  try {
    const TSurface pixels = DecodePng(file);
    EXPECT_EQ(PixelText(pixels.Pixel(0, 0)), PixelText(C(255, 0, 0)));
    EXPECT_EQ(PixelText(pixels.Pixel(1, 0)), PixelText(C(0, 255, 0)));
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("PNG image is not valid"));
  }
}

}  // namespace
