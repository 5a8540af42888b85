#include <gtest/gtest.h>

#include <cmath>

#include "support/PixelAssert.h"
#include "toolkit/Brush.h"
#include "toolkit/canvas/Canvas.h"
#include "toolkit/canvas/FigureSpans.h"

namespace {

// Whether the centre of pixel (x, y) lies strictly inside the ellipse
// inscribed in (l, t, r, b), in exact integers.
bool CentreInside(int64_t l, int64_t t, int64_t r, int64_t b, int64_t x, int64_t y) {
  const int64_t w = r - l, h = b - t;
  const int64_t dx = 2 * x + 1 - l - r, dy = 2 * y + 1 - t - b;
  return dx * dx * h * h + dy * dy * w * w < w * w * h * h;
}

TEST(FigureSpans, EllipseRowsHoldExactlyThePixelCentresInside) {
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 1}, {5, 3}, {8, 8}, {13, 40}, {141, 85}, {200, 7}}) {
    for (const int64_t offset : {0, -17, 1000003}) {
      const int64_t l = offset, t = offset / 2;
      const TEllipseSpans ellipse(l, t, l + w, t + h);
      for (int64_t y = t - 1; y <= t + h; ++y) {
        int64_t x0 = 0, x1 = 0;
        const bool any = ellipse.Row(y, x0, x1);
        for (int64_t x = l - 1; x <= l + w; ++x) {
          const bool inRun = any && x >= x0 && x < x1;
          ASSERT_EQ(inRun, CentreInside(l, t, l + w, t + h, x, y)) << w << "x" << h << " at " << x - l << ", " << y - t;
        }
      }
    }
  }
}

TEST(FigureSpans, FloorAndCeilingMatchTheLibrary) {
  for (const double v : {-2.5, -2.0, -1e-300, -0.0, 0.0, 0.49999999999999994, 1.0, 7.5, 123456789.000001, -98765.99999})
  {
    EXPECT_EQ(FloorToInt(v), static_cast<int64_t>(std::floor(v))) << v;
    EXPECT_EQ(CeilToInt(v), static_cast<int64_t>(std::ceil(v))) << v;
  }
}

TEST(FigureSpans, PolygonPixelsLieBetweenTheEdgeCrossings) {
  TSurface surface = FilledSurface(12, 6, clWhite);
  TCanvas canvas(&surface);
  canvas.Brush().SetColor(clRed);
  canvas.Pen().SetStyle(psClear);
  // A wedge whose slanted edges cross the centre line of row 0 at x = 1 and 7.
  canvas.Polygon({{2, 0}, {8, 0}, {0, 4}, {-6, 4}});
  for (int x = 0; x < 12; ++x) EXPECT_TRUE(PixelIs(surface, x, 0, x >= 1 && x < 7 ? clRed : clWhite)) << x;
  EXPECT_DOUBLE_EQ(EdgeCrossing(8, 0, 0, 4, 0.5), 7.0);
  EXPECT_EQ(FirstPixelFrom(3.5), 3);
  EXPECT_EQ(FirstPixelFrom(3.50001), 4);
}

TEST(Brush, ChoosingAStyleDropsThePatternEvenWhenTheStyleStays) {
  TBrush brush;
  int changes = 0;
  brush.OnChange = [&] { ++changes; };
  brush.SetBitmap(FilledSurface(2, 2, clRed));
  ASSERT_TRUE(brush.HasBitmap());
  brush.SetStyle(bsSolid);
  EXPECT_FALSE(brush.HasBitmap());
  EXPECT_EQ(changes, 2);
  brush.SetStyle(bsSolid);
  EXPECT_EQ(changes, 2);
}

}  // namespace
