#include <gtest/gtest.h>

#include <vector>

#include "FillTestSupport.h"
#include "pictures/Bitmap.h"
#include "render/fill/GradientDraw.h"

namespace {

using filltest::kGround;
using filltest::PaintedBounds;

std::vector<TColor> Shades(int n) {
  std::vector<TColor> colors;
  for (int i = 0; i < n; ++i) colors.push_back(RGB(static_cast<uint8_t>(i), 0, static_cast<uint8_t>(255 - i)));
  return colors;
}

TEST(GradientDraw, VerticalSixteenOnePixelRows) {
  TSurface surface = FilledSurface(100, 16, kGround);
  TCanvas canvas(&surface);
  const std::vector<TColor> colors = Shades(16);
  DrawGradient(canvas, Rect(0, 0, 100, 16), gstVertical, 0, {}, colors);
  for (int y = 0; y < 16; ++y)
    for (int x : {0, 57, 99}) EXPECT_TRUE(PixelIs(surface, x, y, colors[static_cast<size_t>(y)]));
}

TEST(GradientDraw, HorizontalStripeBoundaries) {
  TSurface surface = FilledSurface(100, 4, kGround);
  TCanvas canvas(&surface);
  const std::vector<TColor> colors{clRed, clLime, clBlue};
  DrawGradient(canvas, Rect(0, 0, 100, 4), gstHorizontal, 0, {}, colors);
  for (int x = 0; x < 100; ++x) EXPECT_TRUE(PixelIs(surface, x, 3, x < 33 ? clRed : x < 67 ? clLime : clBlue));
}

TEST(GradientDraw, MoreColoursThanColumnsLeaveStripesEmpty) {
  TSurface surface = FilledSurface(5, 2, kGround);
  TCanvas canvas(&surface);
  std::vector<TColor> colors = Shades(8);
  // Stripe i is [MulDiv(i, 5, 8), MulDiv(i + 1, 5, 8)): 1, 4 and 6 are empty,
  // and the last one still reaches the right edge.
  DrawGradient(canvas, Rect(0, 0, 5, 2), gstHorizontal, 0, {}, colors);
  const std::vector<int> shown{0, 2, 3, 5, 7};
  for (int x = 0; x < 5; ++x) EXPECT_TRUE(PixelIs(surface, x, 1, colors[static_cast<size_t>(shown[static_cast<size_t>(x)])]));

  // From 2 W colours on, MulDiv(N - 1, W, N) rounds to W and the last stripe is empty too.
  colors = Shades(12);
  DrawGradient(canvas, Rect(0, 0, 5, 2), gstHorizontal, 0, {}, colors);
  const std::vector<int> shownOf12{1, 3, 5, 8, 10};
  for (int x = 0; x < 5; ++x) EXPECT_TRUE(PixelIs(surface, x, 0, colors[static_cast<size_t>(shownOf12[static_cast<size_t>(x)])]));
}

TEST(GradientDraw, SingleSquareCoversOneMoreColumnAndRow) {
  TSurface surface = FilledSurface(20, 20, kGround);
  TCanvas canvas(&surface);
  DrawGradient(canvas, Rect(2, 2, 12, 12), gstSquare, 0, {}, {clRed});
  EXPECT_EQ(PaintedBounds(surface), Rect(2, 2, 13, 13));
}

TEST(GradientDraw, SingleEllipseReachesPastTheRectangle) {
  TSurface surface = FilledSurface(200, 120, kGround);
  TCanvas canvas(&surface);
  DrawGradient(canvas, Bounds(40, 30, 100, 60), gstElliptic, 0, {}, {clRed});
  // Half-widths 71 and 43 around (50, 30): the box (-21, -13, 121, 73),
  // inside which the ellipse covers (-21, -13) to (119, 71).
  EXPECT_EQ(PaintedBounds(surface), Rect(40 - 21, 30 - 13, 40 + 120, 30 + 72));
  EXPECT_TRUE(PixelIs(surface, 40, 30, clRed));
  EXPECT_TRUE(PixelIs(surface, 139, 30, clRed));
  EXPECT_TRUE(PixelIs(surface, 40, 89, clRed));
  // The centre lies half a pixel up and left of (50, 30), so the ellipse
  // just misses the bottom-right corner's pixel centre.
  EXPECT_TRUE(PixelIs(surface, 139, 89, kGround));
}

TEST(GradientDraw, OffscreenKeepsTheDestinationWhereNoBandReaches) {
  // A top-right wedge taller than wide leaves the bottom-left corner uncovered.
  TSurface surface = FilledSurface(10, 30, kGround);
  TCanvas canvas(&surface);
  DrawGradient(canvas, Rect(0, 0, 10, 30), gstTopRightDiagonal, pdfOffscreen, {}, {clRed});
  EXPECT_TRUE(PixelIs(surface, 0, 29, kGround));
  EXPECT_TRUE(PixelIs(surface, 0, 0, clRed));
  EXPECT_TRUE(PixelIs(surface, 9, 29, clRed));
}

TEST(GradientDraw, CornerStylesPutTheFirstColourInTheirCorner) {
  struct TCorner {
    TLMDGradientStyle style;
    TPoint first;  // shows colour 0
    TPoint last;   // shows the last colour
  };
  for (const TCorner corner :
       {TCorner{gstTopLeft, {0, 0}, {39, 19}}, TCorner{gstTopRight, {39, 0}, {0, 19}},
        TCorner{gstBottomLeft, {0, 19}, {39, 0}}, TCorner{gstBottomRight, {39, 19}, {0, 0}},
        TCorner{gstTopLeftDiagonal, {0, 0}, {39, 19}}, TCorner{gstTopRightDiagonal, {39, 0}, {0, 19}},
        TCorner{gstSquare, {20, 10}, {0, 0}}, TCorner{gstElliptic, {19, 9}, {0, 0}}}) {
    TSurface surface = FilledSurface(40, 20, kGround);
    TCanvas canvas(&surface);
    DrawGradient(canvas, Rect(0, 0, 40, 20), corner.style, 0, {}, {clRed, clLime, clBlue});
    EXPECT_TRUE(PixelIs(surface, corner.first.X, corner.first.Y, clRed)) << int(corner.style);
    EXPECT_TRUE(PixelIs(surface, corner.last.X, corner.last.Y, clBlue)) << int(corner.style);
  }
}

class GradientOffscreen : public ::testing::TestWithParam<int> {};

// Off-screen painting equals direct painting clipped to the rectangle, and
// neither touches anything outside it.
TEST_P(GradientOffscreen, EqualsClippedDirectPainting) {
  const auto style = static_cast<TLMDGradientStyle>(GetParam());
  for (const TRect rect : {Rect(7, 5, 107, 65), Rect(3, 4, 44, 121), Rect(1, 1, 2, 2)}) {
    const std::vector<TColor> colors = Shades(37);
    TSurface direct = FilledSurface(130, 130, kGround);
    TSurface offscreen = direct;
    offscreen.Image().detach();
    TCanvas directCanvas(&direct), offscreenCanvas(&offscreen);
    directCanvas.SelectClipRect(rect);
    DrawGradient(directCanvas, rect, style, 0, {}, colors);
    DrawGradient(offscreenCanvas, rect, style, pdfOffscreen, {}, colors);
    EXPECT_TRUE(rect.Union(PaintedBounds(offscreen)) == rect);
    for (int y = 0; y < 130; ++y)
      for (int x = 0; x < 130; ++x) ASSERT_EQ(offscreen.Pixel(x, y), direct.Pixel(x, y)) << x << ", " << y;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, GradientOffscreen, ::testing::Range(0, GradientStyleCount));

// Band extents of a rectangle 2^31 - 2 pixels wide stay within their arithmetic.
TEST_P(GradientOffscreen, HugeRectanglesPaintWhatTheCanvasShows) {
  const auto style = static_cast<TLMDGradientStyle>(GetParam());
  TSurface surface = FilledSurface(16, 16, kGround);
  TCanvas canvas(&surface);
  const int32_t far = 1073741823;
  DrawGradient(canvas, Rect(-far, -far, far, far), style, 0, {}, {clRed, clLime, clBlue});
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const QRgb pixel = surface.Pixel(x, y) | 0xFF000000u;
      ASSERT_TRUE(pixel == ColorToPixel(clRed) || pixel == ColorToPixel(clLime) || pixel == ColorToPixel(clBlue)) << x << ", " << y;
      if (style == gstHorizontal || style == gstVertical) {
        ASSERT_EQ(pixel, ColorToPixel(clLime));
      }
    }
}

TEST(GradientDraw, OffscreenHonoursTheCanvasOrigin) {
  TSurface surface = FilledSurface(30, 30, kGround);
  TCanvas canvas(&surface);
  canvas.SetOrigin({10, 5});
  DrawGradient(canvas, Rect(0, 0, 8, 6), gstVertical, pdfOffscreen, {}, {clRed, clBlue});
  EXPECT_EQ(PaintedBounds(surface), Rect(10, 5, 18, 11));
  EXPECT_TRUE(PixelIs(surface, 10, 5, clRed));
  EXPECT_TRUE(PixelIs(surface, 17, 10, clBlue));
}

TEST(GradientDraw, DirectPaintingLeavesTheLastBandsBrushAndAClearPen) {
  TSurface surface = FilledSurface(10, 10, kGround);
  TCanvas canvas(&surface);
  canvas.Brush().SetStyle(bsDiagCross);
  DrawGradient(canvas, Rect(0, 0, 10, 10), gstHorizontal, 0, {}, {clRed, clBlue});
  EXPECT_EQ(canvas.Brush().Style(), bsSolid);
  EXPECT_EQ(canvas.Brush().Color(), clBlue);
  EXPECT_EQ(canvas.Pen().Style(), psClear);
  DrawGradient(canvas, Rect(0, 0, 10, 10), gstBottomRight, 0, {}, {clRed, clBlue});
  EXPECT_EQ(canvas.Brush().Color(), clRed);
}

TEST(GradientDraw, OffscreenLeavesTheCanvasBrushAlone) {
  TSurface surface = FilledSurface(10, 10, kGround);
  TCanvas canvas(&surface);
  canvas.Brush().SetColor(clYellow);
  DrawGradient(canvas, Rect(0, 0, 10, 10), gstVertical, pdfOffscreen, {}, {clRed, clBlue});
  EXPECT_EQ(canvas.Brush().Color(), clYellow);
  EXPECT_EQ(canvas.Pen().Style(), psSolid);
}

TEST(GradientDraw, PaletteIsSelectedAndColoursAreTheirRgbValues) {
  TSurface surface = FilledSurface(10, 10, kGround);
  TCanvas canvas(&surface);
  const HPALETTE palette = std::make_shared<TLogPalette>(TLogPalette{{qRgb(255, 0, 0), qRgb(0, 0, 255)}});
  DrawGradient(canvas, Rect(0, 0, 10, 10), gstVertical, pdfPalette, palette, {clRed, clBlue});
  EXPECT_EQ(canvas.Palette(), palette);
  EXPECT_EQ(canvas.Brush().Color(), 0x02000000 | clRed);
  EXPECT_TRUE(PixelIs(surface, 0, 0, clRed));
  EXPECT_TRUE(PixelIs(surface, 9, 9, clBlue));

  TSurface other = FilledSurface(10, 10, kGround);
  TCanvas otherCanvas(&other);
  DrawGradient(otherCanvas, Rect(0, 0, 10, 10), gstVertical, pdfPalette | pdfOffscreen, palette, {clRed, clBlue});
  EXPECT_EQ(otherCanvas.Palette(), palette);
  EXPECT_TRUE(PixelIs(other, 9, 9, clBlue));
}

TEST(GradientDraw, EmptyListOrRectanglePaintsNothing) {
  TSurface surface = FilledSurface(10, 10, kGround);
  TCanvas canvas(&surface);
  DrawGradient(canvas, Rect(0, 0, 10, 10), gstVertical, 0, {}, {});
  DrawGradient(canvas, Rect(5, 0, 5, 10), gstElliptic, 0, {}, {clRed});
  DrawGradient(canvas, Rect(0, 6, 10, 2), gstSquare, pdfOffscreen, {}, {clRed});
  EXPECT_TRUE(PaintedBounds(surface).IsEmpty());
}

TEST(GradientDraw, OffscreenCopiesWithTheCanvasCopyMode) {
  TSurface surface = FilledSurface(4, 4, RGB(0xF0, 0x0F, 0xFF));
  TCanvas canvas(&surface);
  canvas.SetCopyMode(SRCAND);
  DrawGradient(canvas, Rect(0, 0, 4, 4), gstVertical, pdfOffscreen, {}, {RGB(0xFF, 0xFF, 0x0F)});
  EXPECT_TRUE(PixelIs(surface, 2, 2, RGB(0xF0, 0x0F, 0x0F)));
}

}  // namespace
