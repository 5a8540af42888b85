#include <gtest/gtest.h>

#include "toolkit/Alignment.h"
#include "toolkit/IntMath.h"

TEST(IntMath, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(1, 100, 3), 33);
  EXPECT_EQ(MulDiv(2, 100, 3), 67);
  EXPECT_EQ(MulDiv(1, 5, 2), 3);
  EXPECT_EQ(MulDiv(-1, 5, 2), -3);
  EXPECT_EQ(MulDiv(1, -5, 2), -3);
  EXPECT_EQ(MulDiv(1, 5, -2), -3);
  EXPECT_EQ(MulDiv(-1, -5, -2), -3);
  EXPECT_EQ(MulDiv(3, 3, 4), 2);  // 2.25
  EXPECT_EQ(MulDiv(-3, 3, 4), -2);
  EXPECT_EQ(MulDiv(8, 96, 72), 11);  // 10.67: the 8-point font is 11 pixels
  EXPECT_EQ(MulDiv(28, 96, 72), 37);
}

TEST(IntMath, MulDivUsesA64BitIntermediateAndGivesMinusOneForZeroDivisor) {
  EXPECT_EQ(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);
  EXPECT_EQ(MulDiv(100000, 300000, 60000), 500000);
  EXPECT_EQ(MulDiv(7, 9, 0), -1);
  EXPECT_EQ(MulDiv(0, 9, 0), -1);
}

TEST(IntMath, RoundHalvesToEvenAndTruncCutsTowardZero) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(71.43), 71);
  EXPECT_EQ(Round(42.857), 43);
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Div(-7, 2), -3);
}

TEST(Geometry, RectanglesAreHalfOpen) {
  const TRect r = Rect(2, 3, 12, 8);
  EXPECT_EQ(r.Width(), 10);
  EXPECT_EQ(r.Height(), 5);
  EXPECT_TRUE(r.Contains({2, 3}));
  EXPECT_FALSE(r.Contains({12, 3}));
  EXPECT_FALSE(r.Contains({2, 8}));
  EXPECT_TRUE(Rect(0, 0, 0, 5).IsEmpty());
  EXPECT_TRUE(Rect(5, 0, 4, 5).IsEmpty());
  EXPECT_EQ(r.Intersect(Rect(10, 0, 20, 4)), Rect(10, 3, 12, 4));
  EXPECT_TRUE(r.Intersect(Rect(12, 0, 20, 20)).IsEmpty());
  EXPECT_EQ(r.Union(Rect(0, 0, 1, 1)), Rect(0, 0, 12, 8));
  EXPECT_EQ(Bounds(5, 6, 3, 4), Rect(5, 6, 8, 10));
}

struct AlignCase {
  TLMDAlignment alignment;
  TRect expected;
};

class AlignRectInRectTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignRectInRectTest, PlacesByRowAndColumn) {
  // A 10 x 10 rectangle in the container (5, 5, 30, 30): 25 wide, (25 - 10) div 2 = 7.
  EXPECT_EQ(AlignRectInRect(GetParam().alignment, Rect(100, 100, 110, 110), Rect(5, 5, 30, 30)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(AllNine, AlignRectInRectTest,
                         ::testing::Values(AlignCase{agTopLeft, Rect(5, 5, 15, 15)},
                                           AlignCase{agTopCenter, Rect(12, 5, 22, 15)},
                                           AlignCase{agTopRight, Rect(20, 5, 30, 15)},
                                           AlignCase{agCenterLeft, Rect(5, 12, 15, 22)},
                                           AlignCase{agCenter, Rect(12, 12, 22, 22)},
                                           AlignCase{agCenterRight, Rect(20, 12, 30, 22)},
                                           AlignCase{agBottomLeft, Rect(5, 20, 15, 30)},
                                           AlignCase{agBottomCenter, Rect(12, 20, 22, 30)},
                                           AlignCase{agBottomRight, Rect(20, 20, 30, 30)}));

TEST(AlignRectInRect, LargerRectangleStartsBeforeTheContainerTruncatingTowardZero) {
  EXPECT_EQ(AlignRectInRect(agCenter, Rect(0, 0, 10, 10), Rect(0, 0, 25, 25)), Rect(7, 7, 17, 17));
  // (4 - 9) div 2 = -2, not -3.
  EXPECT_EQ(AlignRectInRect(agCenter, Rect(0, 0, 9, 9), Rect(0, 0, 4, 4)), Rect(-2, -2, 7, 7));
}
