// Area-averaged shrinking: hand-computed means, a brute-force oracle that
// measures every source pixel's overlap directly, and repaints of parts that
// must equal the whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "support/PixelAssert.h"
#include "toolkit/canvas/AreaAverage.h"

namespace {

// A surface from rows of grey levels (blue = green = red).
TSurface Greys(const std::vector<std::vector<int>>& rows) {
  TSurface surface(static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()));
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x)
      surface.SetPixel(int32_t(x), int32_t(y), qRgb(rows[y][x], rows[y][x], rows[y][x]));
  return surface;
}

// Distinct, unordered channels, so that a mix-up of channels or of
// neighbours shows.
TSurface Noise(int32_t width, int32_t height) {
  TSurface surface(width, height);
  uint32_t state = 2463534242u;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      state ^= state << 13, state ^= state >> 17, state ^= state << 5;
      surface.SetPixel(x, y, 0xFF000000u | (state & 0xFFFFFF));
    }
  return surface;
}

// The mean of the area under destination pixel (x, y), from the overlap of
// each source pixel with it, measured in 1 / (dw x dh) of a source pixel.
QRgb Oracle(const TSurface& source, TSize size, int32_t x, int32_t y) {
  const int64_t sw = source.Width(), sh = source.Height();
  auto overlap = [](int64_t a0, int64_t a1, int64_t b0, int64_t b1) {
    return std::max<int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
  };
  int64_t sum[3] = {0, 0, 0};
  for (int64_t j = 0; j < sh; ++j) {
    const int64_t wy = overlap(j * size.cy, (j + 1) * size.cy, y * sh, (y + 1) * sh);
    for (int64_t i = 0; wy && i < sw; ++i) {
      const int64_t w = wy * overlap(i * size.cx, (i + 1) * size.cx, x * sw, (x + 1) * sw);
      const QRgb p = source.Pixel(int32_t(i), int32_t(j));
      sum[0] += w * qRed(p), sum[1] += w * qGreen(p), sum[2] += w * qBlue(p);
    }
  }
  const int64_t area = sw * sh;
  auto mean = [&](int64_t s) { return int((2 * s + area) / (2 * area)); };
  return qRgb(mean(sum[0]), mean(sum[1]), mean(sum[2]));
}

struct THandCase {
  const char* Name;
  std::vector<std::vector<int>> Source;
  TSize Size;
  std::vector<std::vector<int>> Expected;
};

void PrintTo(const THandCase& c, std::ostream* os) { *os << c.Name; }

class AreaAverageHand : public ::testing::TestWithParam<THandCase> {};

TEST_P(AreaAverageHand, GivesTheRoundedMean) {
  const THandCase& c = GetParam();
  const TSurface shrunk = AreaAverage(Greys(c.Source), c.Size);
  EXPECT_TRUE(SameSurface(shrunk, Greys(c.Expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AreaAverageHand,
    ::testing::Values(
        // (2 x 0 + 255) / 3 = 85, (255 + 2 x 100) / 3 = 151.67
        THandCase{"ThreeToTwo", {{0, 255, 100}}, {2, 1}, {{85, 152}}},
        THandCase{"ThreeToTwoDown", {{0}, {255}, {100}}, {1, 2}, {{85}, {152}}},
        // Halves round up: 127.5 and 1.5.
        THandCase{"HalvesUp", {{0, 255, 1, 2}}, {2, 1}, {{128, 2}}},
        // 5 x 3 to 2 x 2: columns weigh 2, 2, 1 | 1, 2, 2; rows 2, 1 | 1, 2; / 15.
        // Column means 8 and 32 plus row means 16.67 and 83.33: 24.67, 48.67, 91.33, 115.33.
        THandCase{"OddSizes",
                  {{0, 10, 20, 30, 40}, {50, 60, 70, 80, 90}, {100, 110, 120, 130, 140}},
                  {2, 2},
                  {{25, 49}, {91, 115}}},
        THandCase{"AllToOne", {{3, 4, 4}, {4, 4, 4}}, {1, 1}, {{4}}},
        THandCase{"SameSize", {{7, 200}, {0, 255}}, {2, 2}, {{7, 200}, {0, 255}}}),
    [](const ::testing::TestParamInfo<THandCase>& info) { return info.param.Name; });

struct TScaleCase {
  const char* Name;
  TSize Source;
  TSize Size;
};

void PrintTo(const TScaleCase& c, std::ostream* os) { *os << c.Name; }

class AreaAverageScales : public ::testing::TestWithParam<TScaleCase> {};

TEST_P(AreaAverageScales, EveryPixelIsTheOraclesMean) {
  const TScaleCase& c = GetParam();
  const TSurface source = Noise(c.Source.cx, c.Source.cy);
  const TSurface shrunk = AreaAverage(source, c.Size);
  ASSERT_EQ(shrunk.Width(), c.Size.cx);
  ASSERT_EQ(shrunk.Height(), c.Size.cy);
  for (int32_t y = 0; y < c.Size.cy; ++y)
    for (int32_t x = 0; x < c.Size.cx; ++x)
      ASSERT_EQ(PixelText(shrunk.Pixel(x, y)), PixelText(Oracle(source, c.Size, x, y))) << "at " << x << ", " << y;
}

TEST_P(AreaAverageScales, RepaintingTilesGivesTheWholeShrink) {
  const TScaleCase& c = GetParam();
  const TSurface source = Noise(c.Source.cx, c.Source.cy);
  const TSurface whole = AreaAverage(source, c.Size);
  // Uneven tiles, one of them a single pixel, in an order that is not row
  // by row: each tile must come out as in the whole.
  TSurface tiled = FilledSurface(c.Size.cx, c.Size.cy, clBlack);
  const int32_t cx = c.Size.cx * 2 / 3, cy = c.Size.cy / 3;
  for (const TRect& tile : {Rect(cx, cy, c.Size.cx, c.Size.cy), Rect(0, 0, cx, c.Size.cy), Rect(cx, 0, c.Size.cx, cy),
                            Rect(cx, cy, cx + 1, cy + 1)})
    AreaAverageRect(source, c.Size, tile, tiled);
  EXPECT_TRUE(SameSurface(tiled, whole));
}

INSTANTIATE_TEST_SUITE_P(Scales, AreaAverageScales,
                         ::testing::Values(TScaleCase{"TwoThirds", {30, 21}, {20, 14}},
                                           TScaleCase{"OneAndAHalfOddSizes", {31, 23}, {20, 15}},
                                           TScaleCase{"AxesApart", {47, 33}, {46, 5}},
                                           TScaleCase{"CoprimeSizes", {29, 17}, {13, 7}},
                                           TScaleCase{"SingleColumn", {1, 40}, {1, 9}},
                                           TScaleCase{"Unscaled", {9, 4}, {9, 4}}),
                         [](const ::testing::TestParamInfo<TScaleCase>& info) { return info.param.Name; });

TEST(AreaAverage, WritesOnlyTheRectangleWithinDestAndShrinkBounds) {
  const TSurface source = Noise(12, 9);
  const TSurface whole = AreaAverage(source, {8, 6});
  TSurface dest = FilledSurface(7, 7, clBlack);
  AreaAverageRect(source, {8, 6}, Rect(-3, 2, 20, 20), dest);
  TSurface expected = FilledSurface(7, 7, clBlack);
  for (int32_t y = 2; y < 6; ++y)
    for (int32_t x = 0; x < 7; ++x) expected.SetPixel(x, y, whole.Pixel(x, y));
  EXPECT_TRUE(SameSurface(dest, expected));
}

TEST(AreaAverage, RefusesToEnlargeOrToShrinkToNothing) {
  const TSurface source = Noise(4, 4);
  EXPECT_TRUE(AreaAverage(source, {5, 4}).IsNull());
  EXPECT_TRUE(AreaAverage(source, {4, 0}).IsNull());
  EXPECT_TRUE(AreaAverage(TSurface(), {1, 1}).IsNull());
  TSurface dest = FilledSurface(5, 5, clBlack);
  AreaAverageRect(source, {5, 5}, Rect(0, 0, 5, 5), dest);
  EXPECT_TRUE(SameSurface(dest, FilledSurface(5, 5, clBlack)));
}

// A picture so tall that a column's weighted sum outgrows 32 bits.
TEST(AreaAverage, AveragesAPictureTallerThan32BitSums) {
  constexpr int32_t kHeight = 16843013;  // 255 x kHeight > 2^32
  TSurface source = TSurface::Uncleared(1, kHeight);
  for (int32_t y = 0; y < kHeight; ++y) source.SetPixel(0, y, y % 2 ? qRgb(255, 255, 0) : qRgb(255, 0, 1));
  const TSurface shrunk = AreaAverage(source, {1, 1});
  // Red all 255; green 255 on 8421506 rows of 16843013: 127.49...; blue 1 on
  // the others: 0.50000003.
  EXPECT_EQ(PixelText(shrunk.Pixel(0, 0)), PixelText(qRgb(255, 127, 1)));
}

}  // namespace
