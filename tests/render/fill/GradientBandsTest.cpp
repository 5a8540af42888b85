// The span painter of the gradient bands against the bands painted one by
// one with the canvas figures, exactly as the band table gives them.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "FillTestSupport.h"
#include "render/fill/GradientDraw.h"
#include "toolkit/IntMath.h"
#include "toolkit/canvas/Canvas.h"

namespace {

// The bands as figures: FillRect, or Rectangle, Ellipse and Polygon with a
// clear pen, painted largest first (gstHorizontal from the left).
void PaintWithFigures(TCanvas& canvas, const TRect& rect, TLMDGradientStyle style, const std::vector<TColor>& colors) {
  const auto n = static_cast<int32_t>(colors.size());
  const int32_t w = rect.Width(), h = rect.Height(), x0 = rect.Left, y0 = rect.Top;
  const int32_t cx = x0 + w / 2, cy = y0 + h / 2, xr = x0 + w + 1;
  canvas.Brush().SetStyle(bsSolid);
  canvas.Pen().SetStyle(psClear);
  auto band = [&](int32_t i) {
    canvas.Brush().SetColor(colors[static_cast<size_t>(i)]);
    const int32_t a = MulDiv(i + 1, w, n), b = MulDiv(i + 1, h, n);
    const int32_t ea = static_cast<int32_t>(Round(a / 1.4)), eb = static_cast<int32_t>(Round(b / 1.4));
    switch (style) {
      case gstHorizontal: canvas.FillRect(Rect(x0 + MulDiv(i, w, n), y0, x0 + a, y0 + h)); break;
      case gstVertical: canvas.FillRect(Rect(x0, y0 + MulDiv(i, h, n), x0 + w, y0 + b)); break;
      case gstSquare: canvas.Rectangle(cx - a / 2, cy - b / 2, cx + a / 2 + 2, cy + b / 2 + 2); break;
      case gstElliptic: canvas.Ellipse(cx - ea, cy - eb, cx + ea, cy + eb); break;
      case gstTopLeft: canvas.Rectangle(x0, y0, x0 + 1 + a, y0 + 1 + b); break;
      case gstTopRight: canvas.Rectangle(x0 + w - a, y0 + 1 + b, x0 + w + 1, y0); break;
      case gstBottomLeft: canvas.Rectangle(x0 + 1 + a, y0 + h - b, x0, y0 + h + 1); break;
      case gstBottomRight: canvas.Rectangle(x0 + w - a, y0 + h - b, x0 + w + 1, y0 + h + 1); break;
      case gstTopLeftDiagonal:
        canvas.Polygon({{x0, y0}, {x0 + 2 * a, y0}, {x0, y0 + 1 + 2 * b}, {x0 - 2 * a, y0 + 1 + 2 * b}});
        break;
      case gstTopRightDiagonal: canvas.Polygon({{xr, y0}, {xr - 2 * a, y0}, {xr, y0 + 2 * b}, {xr + 2 * a, y0 + 2 * b}}); break;
    }
  };
  if (style == gstHorizontal)
    for (int32_t i = 0; i < n; ++i) band(i);
  else
    for (int32_t i = n - 1; i >= 0; --i) band(i);
}

// Distinct colours, none equal to the ground.
std::vector<TColor> BandColors(int n) {
  std::vector<TColor> colors;
  for (int i = 0; i < n; ++i) colors.push_back(RGB(static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 37)));
  return colors;
}

using filltest::kGround;

struct TCase {
  TLMDGradientStyle style;
  int32_t width;
  int32_t height;
  int colors;
};

class GradientBandsMatchFigures : public ::testing::TestWithParam<std::tuple<int, TSize, int>> {
 protected:
  TCase Case() const {
    const auto& [style, size, n] = GetParam();
    return {static_cast<TLMDGradientStyle>(style), size.cx, size.cy, n};
  }
};

// The whole surface compares, so the parts of the bands outside the
// rectangle (ellipses, wedges, the squares' extra row and column) count too.
TEST_P(GradientBandsMatchFigures, DirectPaintingIsPixelIdentical) {
  const TCase c = Case();
  const TRect rect = Bounds(13, 9, c.width, c.height);
  TSurface fast = FilledSurface(c.width + 40, c.height + 30, kGround);
  TSurface figures = fast;
  figures.Image().detach();
  TCanvas fastCanvas(&fast), figureCanvas(&figures);
  const std::vector<TColor> colors = BandColors(c.colors);
  DrawGradient(fastCanvas, rect, c.style, 0, {}, colors);
  PaintWithFigures(figureCanvas, rect, c.style, colors);
  EXPECT_TRUE(SameSurface(fast, figures));
}

// Origin and clip region are honoured as the figures honour them.
TEST_P(GradientBandsMatchFigures, OriginAndClipAreHonoured) {
  const TCase c = Case();
  const TRect rect = Bounds(-3, 2, c.width, c.height);
  TSurface fast = FilledSurface(c.width + 20, c.height + 20, kGround);
  TSurface figures = fast;
  figures.Image().detach();
  TCanvas fastCanvas(&fast), figureCanvas(&figures);
  for (TCanvas* canvas : {&fastCanvas, &figureCanvas}) {
    canvas->SetOrigin({6, 5});
    canvas->SelectClipRect(Rect(4, 6, 4 + c.width, 6 + c.height / 2 + 1));
  }
  const std::vector<TColor> colors = BandColors(c.colors);
  DrawGradient(fastCanvas, rect, c.style, 0, {}, colors);
  PaintWithFigures(figureCanvas, rect, c.style, colors);
  EXPECT_TRUE(SameSurface(fast, figures));
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, GradientBandsMatchFigures,
                         ::testing::Combine(::testing::Range(0, GradientStyleCount),
                                            ::testing::Values(TSize{1, 1}, TSize{10, 10}, TSize{7, 3}, TSize{100, 60},
                                                              TSize{37, 113}, TSize{240, 16}),
                                            ::testing::Values(1, 3, 16, 236)));

}  // namespace
