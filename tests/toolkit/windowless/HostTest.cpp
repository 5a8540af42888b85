#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "support/PixelAssert.h"

namespace {

// Every pixel of Rect on the host's surface is Color.
::testing::AssertionResult AreaIs(const TSurface& surface, const TRect& rect, TColor color) {
  for (int32_t y = rect.Top; y < rect.Bottom; ++y)
    for (int32_t x = rect.Left; x < rect.Right; ++x)
      if (auto result = PixelIs(surface, x, y, color); !result) return result;
  return ::testing::AssertionSuccess();
}

TEST(Host, PaintsBackgroundThenControlsInCreationOrder) {
  TRecordingHost host(60, 40);
  host.SetColor(clWhite);
  host.SetBackground(FilledSurface(30, 40, clGreen));
  TSwatch lower(host, {10, 10, 40, 30}, clRed);
  TSwatch upper(host, {20, 5, 50, 20}, clBlue);
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {0, 0, 10, 40}, clGreen));
  EXPECT_TRUE(AreaIs(host.Surface(), {50, 0, 60, 40}, clWhite));
  EXPECT_TRUE(AreaIs(host.Surface(), {10, 20, 40, 30}, clRed));
  EXPECT_TRUE(AreaIs(host.Surface(), {20, 5, 50, 20}, clBlue));
  EXPECT_TRUE(host.InvalidRects().empty());
  EXPECT_EQ(lower.Paints, 1);
  EXPECT_EQ(upper.Paints, 1);
}

TEST(Host, InvalidRectanglesMergeOnlyWhenTheyOverlap) {
  TRecordingHost host(100, 100);
  host.Update();
  host.Invalidate({0, 0, 10, 10});
  host.Invalidate({50, 50, 60, 60});
  host.Invalidate({10, 0, 20, 10});  // touches the first, does not overlap
  host.Invalidate({5, 5, 55, 8});    // overlaps the first and the third
  host.Invalidate({2, 2, 3, 3});     // inside the merged one
  host.Invalidate({70, 70, 70, 80}); // empty
  const std::vector<TRect> expected{{50, 50, 60, 60}, {0, 0, 55, 10}};
  EXPECT_EQ(host.InvalidRects(), expected);
}

// A rectangle that joins one of the invalid ones may grow into another
// that it did not touch itself; the merged areas stay disjoint in either
// order.
struct TMergeCase {
  const char* Name;
  std::vector<TRect> Invalidated;
  std::vector<TRect> Invalid;
};

class InvalidMerge : public ::testing::TestWithParam<TMergeCase> {};

TEST_P(InvalidMerge, LeavesNoTwoRectanglesOverlapping) {
  TRecordingHost host(100, 100);
  host.Update();
  for (const TRect& rect : GetParam().Invalidated) host.Invalidate(rect);
  EXPECT_EQ(host.InvalidRects(), GetParam().Invalid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidMerge,
    ::testing::Values(
        // The third joins the second, and only the union reaches the first.
        TMergeCase{"GrowsIntoAnEarlierOne", {{0, 20, 10, 30}, {20, 0, 30, 25}, {5, 5, 25, 8}}, {{0, 0, 30, 30}}},
        TMergeCase{"GrowsIntoALaterOne", {{20, 0, 30, 25}, {0, 20, 10, 30}, {5, 5, 25, 8}}, {{0, 0, 30, 30}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Host, UpdateRepaintsOnlyWhatIsInvalid) {
  TRecordingHost host(40, 40);
  host.SetColor(clWhite);
  TSwatch swatch(host, {0, 0, 40, 40}, clRed);
  host.Update();
  host.Surface().Image().fill(ColorToPixel(clBlack));
  host.Invalidate({5, 6, 15, 16});
  host.Invalidate({30, 30, 50, 50});
  host.PaintedRects.clear();
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {5, 6, 15, 16}, clRed));
  EXPECT_TRUE(AreaIs(host.Surface(), {30, 30, 40, 40}, clRed));
  EXPECT_TRUE(PixelIs(host.Surface(), 4, 6, clBlack));
  EXPECT_TRUE(PixelIs(host.Surface(), 15, 15, clBlack));
  EXPECT_TRUE(PixelIs(host.Surface(), 29, 30, clBlack));
  const std::vector<TRect> painted{{5, 6, 15, 16}, {30, 30, 40, 40}};
  EXPECT_EQ(host.PaintedRects, painted);
  EXPECT_EQ(swatch.Paints, 3);
}

TEST(Host, AControlNeverPaintsOutsideItselfOrTheRepaintedArea) {
  TRecordingHost host(60, 60);
  host.SetColor(clWhite);
  TSwatch spill(host, {20, 20, 30, 30}, clRed);
  spill.Spill = true;
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {20, 20, 30, 30}, clRed));
  EXPECT_TRUE(PixelIs(host.Surface(), 19, 25, clWhite));
  EXPECT_TRUE(PixelIs(host.Surface(), 30, 25, clWhite));
  EXPECT_TRUE(PixelIs(host.Surface(), 25, 30, clWhite));
  host.Surface().Image().fill(ColorToPixel(clBlack));
  host.Invalidate({0, 0, 25, 25});
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {20, 20, 25, 25}, clRed));
  EXPECT_TRUE(PixelIs(host.Surface(), 25, 22, clBlack));
  EXPECT_TRUE(PixelIs(host.Surface(), 22, 25, clBlack));
  // The canvas is off the surface again.
  EXPECT_EQ(spill.Canvas().Surface(), nullptr);
  EXPECT_FALSE(spill.Canvas().PaintLimit().has_value());
}

TEST(Host, MovingAControlRepaintsWhatItUncoversAndCovers) {
  TRecordingHost host(50, 50);
  host.SetColor(clWhite);
  TSwatch swatch(host, {10, 10, 20, 20}, clRed);
  host.Update();
  swatch.SetLeft(11);
  const std::vector<TRect> invalid{{10, 10, 21, 20}};
  EXPECT_EQ(host.InvalidRects(), invalid);
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {10, 10, 11, 20}, clWhite));
  EXPECT_TRUE(AreaIs(host.Surface(), {11, 10, 21, 20}, clRed));
}

TEST(Host, AnOpaqueControlRepaintsAtOnceWithTheControlsAboveIt) {
  TRecordingHost host(50, 50);
  host.SetColor(clWhite);
  TSwatch below(host, {0, 0, 50, 50}, clGreen);
  TSwatch swatch(host, {10, 10, 30, 30}, clRed);
  TSwatch above(host, {20, 20, 40, 40}, clBlue);
  host.Update();
  swatch.SetTransparent(false);
  EXPECT_TRUE(swatch.Opaque());
  EXPECT_TRUE(host.InvalidRects().empty());
  EXPECT_EQ(below.Paints, 1);
  EXPECT_EQ(swatch.Paints, 2);
  EXPECT_EQ(above.Paints, 2);
  const std::vector<TRect> painted{{0, 0, 50, 50}, {10, 10, 30, 30}};
  EXPECT_EQ(host.PaintedRects, painted);
  EXPECT_TRUE(PixelIs(host.Surface(), 25, 25, clBlue));
  EXPECT_TRUE(PixelIs(host.Surface(), 15, 15, clRed));

  swatch.SetTransparent(true);
  EXPECT_FALSE(swatch.Opaque());
  EXPECT_EQ(swatch.Paints, 2);
  const std::vector<TRect> invalid{{10, 10, 30, 30}};
  EXPECT_EQ(host.InvalidRects(), invalid);
}

TEST(Host, RemovingAControlRepaintsItsArea) {
  TRecordingHost host(30, 30);
  host.SetColor(clWhite);
  auto swatch = std::make_unique<TSwatch>(host, TRect{5, 5, 15, 15}, clRed);
  host.Update();
  swatch.reset();
  EXPECT_TRUE(host.Controls().empty());
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {5, 5, 15, 15}, clWhite));
}

TEST(Host, HiddenControlsAreNeitherPaintedNorHit) {
  TRecordingHost host(30, 30);
  host.SetColor(clWhite);
  TSwatch swatch(host, {5, 5, 15, 15}, clRed);
  host.Update();
  swatch.SetVisible(false);
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {5, 5, 15, 15}, clWhite));
  EXPECT_EQ(host.ControlAtPos({6, 6}), nullptr);
  swatch.SetVisible(true);
  host.Update();
  EXPECT_TRUE(AreaIs(host.Surface(), {5, 5, 15, 15}, clRed));
}

TEST(Host, ADestroyedHostLeavesItsControlsWithoutParent) {
  auto host = std::make_unique<TRecordingHost>(10, 10);
  TSwatch swatch(*host, {0, 0, 5, 5}, clRed);
  host.reset();
  EXPECT_EQ(swatch.Parent(), nullptr);
  swatch.Invalidate();
  swatch.Repaint();
}

}  // namespace
