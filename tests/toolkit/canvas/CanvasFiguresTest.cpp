#include <gtest/gtest.h>

#include "support/PixelAssert.h"
#include "toolkit/canvas/Canvas.h"
#include "toolkit/canvas/Hatch.h"

namespace {

// Counts the pixels of a colour inside a rectangle of the surface.
int CountPixels(const TSurface& s, const TRect& r, TColor color) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += (s.Pixel(x, y) | 0xFF000000u) == ColorToPixel(color);
  return n;
}

// The smallest rectangle holding every pixel of a colour.
TRect ExtentOf(const TSurface& s, TColor color) {
  TRect r;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if ((s.Pixel(x, y) | 0xFF000000u) == ColorToPixel(color)) r = r.Union(Rect(x, y, x + 1, y + 1));
  return r;
}

struct CanvasFixture : ::testing::Test {
  TSurface surface = FilledSurface(40, 30, clWhite);
  TCanvas canvas{&surface};
};

}  // namespace

TEST_F(CanvasFixture, FillRectIsHalfOpenAndOpaque) {
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(Rect(2, 3, 6, 5));
  EXPECT_EQ(CountPixels(surface, surface.Bounds(), clRed), 8);
  EXPECT_TRUE(PixelIs(surface, 2, 3, clRed));
  EXPECT_TRUE(PixelIs(surface, 5, 4, clRed));
  EXPECT_TRUE(PixelIs(surface, 6, 4, clWhite));
  EXPECT_TRUE(PixelIs(surface, 5, 5, clWhite));
  canvas.FillRect(Rect(6, 3, 2, 5));  // reversed: empty
  EXPECT_EQ(CountPixels(surface, surface.Bounds(), clRed), 8);
}

TEST_F(CanvasFixture, FillRectWithAClearBrushPaintsNothingAndSystemColoursResolve) {
  canvas.Brush().SetStyle(bsClear);
  canvas.FillRect(Rect(0, 0, 40, 30));
  EXPECT_EQ(CountPixels(surface, surface.Bounds(), clWhite), 1200);
  canvas.Brush().SetColor(clBtnShadow);  // a colour makes the brush solid again
  canvas.FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(surface.Pixel(0, 0), 0xFFA0A0A0u);
}

TEST_F(CanvasFixture, RectangleWithClearPenCoversOnePixelLessInEitherCornerOrder) {
  canvas.Pen().SetStyle(psClear);
  canvas.Brush().SetColor(clBlue);
  canvas.Rectangle(12, 10, 2, 0);  // corners given bottom-right first
  EXPECT_EQ(ExtentOf(surface, clBlue), Rect(2, 0, 11, 9));
  EXPECT_EQ(CountPixels(surface, surface.Bounds(), clBlue), 81);
}

TEST_F(CanvasFixture, RectangleWithPenOutlinesItsWholeBox) {
  canvas.Pen().SetColor(clRed);
  canvas.Brush().SetColor(clBlue);
  canvas.Rectangle(2, 2, 8, 7);
  EXPECT_EQ(ExtentOf(surface, clRed), Rect(2, 2, 8, 7));
  EXPECT_EQ(CountPixels(surface, surface.Bounds(), clRed), 2 * 6 + 2 * 3);
  EXPECT_EQ(ExtentOf(surface, clBlue), Rect(3, 3, 7, 6));
}

TEST_F(CanvasFixture, EllipseWithClearPenStaysInsideTheShrunkBoxAndIsSymmetric) {
  canvas.Pen().SetStyle(psClear);
  canvas.Brush().SetColor(clGreen);
  canvas.Ellipse(0, 0, 11, 9);  // covers at most 10 x 8
  EXPECT_EQ(ExtentOf(surface, clGreen), Rect(0, 0, 10, 8));
  // The middle rows reach both sides, the corners stay empty.
  EXPECT_TRUE(PixelIs(surface, 0, 4, clGreen));
  EXPECT_TRUE(PixelIs(surface, 9, 3, clGreen));
  EXPECT_TRUE(PixelIs(surface, 0, 0, clWhite));
  EXPECT_TRUE(PixelIs(surface, 9, 7, clWhite));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(surface.Pixel(x, y), surface.Pixel(9 - x, 7 - y)) << x << "," << y;
}

TEST_F(CanvasFixture, PolygonCoversPixelCentresInsideWithoutItsRightAndBottomEdges) {
  canvas.Pen().SetStyle(psClear);
  canvas.Brush().SetColor(clNavy);
  canvas.Polygon({{2, 2}, {12, 2}, {12, 8}, {2, 8}});
  EXPECT_EQ(ExtentOf(surface, clNavy), Rect(2, 2, 12, 8));
  EXPECT_EQ(CountPixels(surface, surface.Bounds(), clNavy), 60);
  // A right triangle: row y holds the pixels whose centres lie left of the
  // hypotenuse x = 8 - (y + 0.5); a centre on it is outside.
  TSurface tri = FilledSurface(10, 10, clWhite);
  TCanvas c(&tri);
  c.Pen().SetStyle(psClear);
  c.Brush().SetColor(clBlack);
  c.Polygon({{0, 0}, {8, 0}, {0, 8}});
  for (int y = 0; y < 8; ++y) EXPECT_EQ(CountPixels(tri, Rect(0, y, 10, y + 1), clBlack), 7 - y) << y;
}

TEST(CanvasHatch, HatchesPaintOnlyTheirLinesWithAnEightPixelPeriod) {
  for (TBrushStyle style : {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross}) {
    TSurface s = FilledSurface(24, 24, clWhite);
    TCanvas c(&s);
    c.Brush().SetColor(clBlack);
    c.Brush().SetStyle(style);
    c.FillRect(s.Bounds());
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(s.Pixel(x, y), s.Pixel(x + 8, y + 8)) << style;
        EXPECT_EQ(s.Pixel(x, y) == kBlackPixel, HatchPaints(style, x, y)) << style << " " << x << "," << y;
      }
  }
  EXPECT_TRUE(HatchPaints(bsHorizontal, 3, 7));
  EXPECT_FALSE(HatchPaints(bsHorizontal, 3, 6));
  EXPECT_TRUE(HatchPaints(bsVertical, 7, 0));
  EXPECT_TRUE(HatchPaints(bsFDiagonal, 2, 2));
  EXPECT_TRUE(HatchPaints(bsBDiagonal, 0, 7));
  EXPECT_TRUE(HatchPaints(bsBDiagonal, 7, 0));
}

TEST(CanvasHatch, HatchIsAlignedToTheDeviceOriginAcrossFillsAndCanvasOrigins) {
  // Two fills through canvases with different origins join into one
  // seamless pattern, identical to a single fill of the whole surface.
  TSurface joined = FilledSurface(32, 16, clWhite);
  TCanvas left(&joined), right(&joined);
  right.SetOrigin({13, 3});
  for (TCanvas* c : {&left, &right}) {
    c->Brush().SetColor(clRed);
    c->Brush().SetStyle(bsDiagCross);
  }
  left.FillRect(Rect(0, 0, 13, 16));
  right.FillRect(Rect(0, -3, 19, 13));  // device (13, 0) .. (32, 16)
  TSurface whole = FilledSurface(32, 16, clWhite);
  TCanvas w(&whole);
  w.Brush().SetColor(clRed);
  w.Brush().SetStyle(bsDiagCross);
  w.FillRect(whole.Bounds());
  EXPECT_EQ(joined.Image(), whole.Image());
}

TEST(CanvasClip, ClipRegionIsInDeviceCoordinatesAndCanBeRemoved) {
  TSurface s = FilledSurface(20, 20, clWhite);
  TCanvas c(&s);
  c.SetOrigin({5, 5});
  c.SelectClipRect(Rect(6, 6, 9, 8));  // device pixels
  c.Brush().SetColor(clRed);
  c.FillRect(Rect(0, 0, 10, 10));  // device (5, 5) .. (15, 15)
  EXPECT_EQ(ExtentOf(s, clRed), Rect(6, 6, 9, 8));
  EXPECT_EQ(CountPixels(s, s.Bounds(), clRed), 6);
  ASSERT_TRUE(c.ClipRegion().has_value());
  c.RemoveClipRegion();
  EXPECT_FALSE(c.ClipRegion().has_value());
  c.FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(ExtentOf(s, clRed), Rect(5, 5, 15, 15));
}

TEST(CanvasEdge, RaisedAndSunkenEdgesUseTheFixedColoursAndOwnTheirCorners) {
  TSurface s = FilledSurface(10, 8, clWhite);
  TCanvas c(&s);
  TRect r = Rect(0, 0, 10, 8);
  c.DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
  EXPECT_EQ(r, Rect(2, 2, 8, 6));
  EXPECT_TRUE(PixelIs(s, 0, 0, cl3DLight));       // top-left corner: top/left line
  EXPECT_TRUE(PixelIs(s, 9, 0, cl3DDkShadow));    // top-right corner: right line
  EXPECT_TRUE(PixelIs(s, 0, 7, cl3DDkShadow));    // bottom-left corner: bottom line
  EXPECT_TRUE(PixelIs(s, 5, 0, cl3DLight));
  EXPECT_TRUE(PixelIs(s, 9, 4, cl3DDkShadow));
  EXPECT_TRUE(PixelIs(s, 1, 1, clBtnHighlight));  // inner ring
  EXPECT_TRUE(PixelIs(s, 8, 1, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 4, 6, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 2, 2, clWhite));

  TSurface t = FilledSurface(6, 6, clWhite);
  TCanvas d(&t);
  TRect q = Rect(0, 0, 6, 6);
  d.DrawEdge(q, EDGE_SUNKEN, BF_RECT);
  EXPECT_EQ(q, Rect(0, 0, 6, 6));  // no BF_ADJUST: unchanged
  EXPECT_TRUE(PixelIs(t, 0, 3, clBtnShadow));
  EXPECT_TRUE(PixelIs(t, 5, 3, clBtnHighlight));
  EXPECT_TRUE(PixelIs(t, 1, 1, cl3DDkShadow));
  EXPECT_TRUE(PixelIs(t, 4, 4, cl3DLight));
}

TEST(CanvasEdge, OnlyTheNamedSidesAreDrawnAndMiddleFillsWithButtonFace) {
  TSurface s = FilledSurface(6, 6, clWhite);
  TCanvas c(&s);
  TRect r = Rect(0, 0, 6, 6);
  c.DrawEdge(r, BDR_RAISEDOUTER, BF_TOPLEFT | BF_MIDDLE | BF_ADJUST);
  EXPECT_EQ(r, Rect(1, 1, 6, 6));
  EXPECT_TRUE(PixelIs(s, 5, 0, cl3DLight));  // no right side: the top line runs to the end
  EXPECT_TRUE(PixelIs(s, 0, 5, cl3DLight));
  EXPECT_TRUE(PixelIs(s, 5, 5, clBtnFace));
}
