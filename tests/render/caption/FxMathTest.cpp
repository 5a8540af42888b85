#include <gtest/gtest.h>

#include "render/caption/LMDFxMath.h"

namespace {

TEST(RotatedBoundsRect, ZeroLeavesTheRectangleWhereItIs) {
  TRect r{5, 6, 20, 30};
  RotatedBoundsRect(r, 0);
  EXPECT_EQ(r, TRect({5, 6, 20, 30}));
}

TEST(RotatedBoundsRect, QuarterTurnsSwapEvenedSides) {
  for (const int32_t degrees : {90, 270}) {
    TRect r{3, 4, 3 + 101, 4 + 41};
    RotatedBoundsRect(r, degrees);
    EXPECT_EQ(r, TRect({0, 0, 40, 100})) << degrees;
  }
  TRect half{0, 0, 15, 24};
  RotatedBoundsRect(half, 180);
  EXPECT_EQ(half, TRect({0, 0, 14, 24}));
}

TEST(RotatedBoundsRect, FortyFiveDegrees) {
  TRect r{0, 0, 100, 50};
  RotatedBoundsRect(r, 45);
  // a = rnd(50 cos - 25 sin) = 18, b = rnd(50 cos + 25 sin) = 53
  EXPECT_EQ(r, TRect({0, 0, 106, 106}));
  TRect s{0, 0, 100, 50};
  RotatedBoundsRect(s, 30);
  // a = rnd(43.30 - 12.5) = 31, b = rnd(55.80) = 56, c = rnd(25 - 21.65) = 3, d = rnd(46.65) = 47
  EXPECT_EQ(s, TRect({0, 0, 112, 94}));
}

TEST(RotatedTextOrigin, QuarterTurnsStartAtTheBoxCorners) {
  // A 100 x 40 text turned by 90 reads upward from the bottom-left corner
  // of its 40 x 100 box; by 270 downward from the top-right corner.
  EXPECT_EQ(RotatedTextOrigin({0, 0, 40, 100}, 100, 40, 90, 0), TPoint({0, 100}));
  EXPECT_EQ(RotatedTextOrigin({0, 0, 40, 100}, 100, 40, 270, 0), TPoint({40, 0}));
  EXPECT_EQ(RotatedTextOrigin({0, 0, 40, 100}, 100, 40, 270, 3), TPoint({37, -3}));
  EXPECT_EQ(RotatedTextOrigin({0, 0, 100, 40}, 100, 40, 0, 0), TPoint({0, 0}));
  EXPECT_EQ(RotatedTextOrigin({0, 0, 100, 40}, 100, 40, 180, 0), TPoint({100, 40}));
}

TEST(RotatedTextOrigin, RoundsHalvesToEven) {
  // cx - hw cos - hh sin with cos 60 = 0.5: 10 - 5 * 0.5 - 0 * ... = 7.5 -> 8,
  // and with hw 3: 10 - 1.5 = 8.5 -> 8.
  const TRect box{0, 0, 20, 20};
  EXPECT_EQ(RotatedTextOrigin(box, 10, 0, 60, 0).X, 8);
  EXPECT_EQ(RotatedTextOrigin(box, 6, 0, 60, 0).X, 8);
}

TEST(BlendColor, ExtrusionExampleAndEnds) {
  const TColor black = RGB(0, 0, 0);
  const TColor white = RGB(255, 255, 255);
  EXPECT_EQ(BlendColor(black, white, 3, 4), RGB(191, 191, 191));
  EXPECT_EQ(BlendColor(black, white, 2, 4), RGB(127, 127, 127));
  EXPECT_EQ(BlendColor(black, white, 1, 4), RGB(63, 63, 63));
  EXPECT_EQ(BlendColor(black, white, 0, 4), RGB(0, 0, 0));
  EXPECT_EQ(BlendColor(black, white, 4, 4), white);
}

TEST(BlendColor, ChannelsSeparatelyTruncatedTowardZero) {
  // Falling channels truncate toward zero too: 200 + 1/3 * (10 - 200) = 136.67 -> 136.
  EXPECT_EQ(BlendColor(RGB(200, 0, 90), RGB(10, 255, 90), 1, 3), RGB(136, 85, 90));
}

TEST(BlendColor, SystemColoursResolveFirst) {
  // Button shadow A0A0A0 toward highlight FFFFFF: 160 + 1/2 * 95 = 207.5 -> 207.
  EXPECT_EQ(BlendColor(clBtnShadow, clBtnHighlight, 1, 2), RGB(207, 207, 207));
  EXPECT_EQ(BlendColor(clBtnShadow, clBtnHighlight, 0, 2), RGB(160, 160, 160));
}

TEST(BlendColor, DegenerateFractions) {
  EXPECT_EQ(BlendColor(clRed, clBlue, 1, 0), clRed);
  EXPECT_EQ(BlendColor(clBtnShadow, clBlue, 0, 0), RGB(160, 160, 160));
  EXPECT_EQ(BlendColor(RGB(0, 0, 0), RGB(200, 200, 200), 2, 1), RGB(255, 255, 255));
  EXPECT_EQ(BlendColor(RGB(100, 100, 100), RGB(200, 200, 200), -2, 1), RGB(0, 0, 0));
}

}  // namespace
