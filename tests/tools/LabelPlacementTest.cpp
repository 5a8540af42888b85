#include <gtest/gtest.h>

#include "tools/render/LabelPlacement.h"

namespace {

struct THeightCase {
  int32_t PictureHeight;
  int32_t Thousandths;
  int32_t Height;
};

class PercentFontHeightTest : public ::testing::TestWithParam<THeightCase> {};

TEST_P(PercentFontHeightTest, IsTheRoundedShareOfThePicturesHeight) {
  EXPECT_EQ(PercentFontHeight(GetParam().PictureHeight, GetParam().Thousandths), GetParam().Height);
}

INSTANTIATE_TEST_SUITE_P(Shares, PercentFontHeightTest,
                         ::testing::Values(THeightCase{480, 5000, -24}, THeightCase{1080, 5000, -54},
                                           THeightCase{3000, 5000, -150}, THeightCase{1080, 2500, -27},
                                           THeightCase{99, 50000, -50},  // 49.5: the half goes up
                                           THeightCase{101, 500, -1},    // 0.505
                                           THeightCase{10, 100, -1},     // 0.01: never 0, the default size
                                           THeightCase{16384, 50000, -8192}));

TEST(LabelPosition, AtWinsOverPlaceAndMargin) {
  TRenderSettings settings;
  settings.Place = agBottomRight;
  settings.Margin = 10;
  EXPECT_EQ(LabelPosition(settings, {30, 20}, {100, 80}), (TPoint{60, 50}));
  settings.At = TPoint{-5, 7};
  EXPECT_EQ(LabelPosition(settings, {30, 20}, {100, 80}), (TPoint{-5, 7}));
}

}  // namespace
