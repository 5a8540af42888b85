#include <gtest/gtest.h>

#include "LabelTestSupport.h"
#include "render/fill/LMDFill.h"
#include "render/fill/LMDGradient.h"
#include "toolkit/Exceptions.h"

namespace {


class FillControl : public ::testing::Test {
 protected:
  THeadlessHost host{100, 80};
  TLMDFill fill;
  void SetUp() override {
    host.SetColor(clGray);
    fill.SetBounds(20, 10, 50, 40);
    fill.SetParent(&host);
  }
  const TSurface& Render() {
    host.Invalidate(host.Surface().Bounds());
    host.Update();
    return host.Surface();
  }
};

TEST_F(FillControl, ANewFillControlIsTransparentBlankAndPaintsNothing) {
  TLMDFill fresh;
  EXPECT_EQ(fresh.BoundsRect(), (TRect{0, 0, 30, 30}));
  EXPECT_EQ(fresh.Color(), clWindow);
  EXPECT_TRUE(fresh.ParentColor());
  EXPECT_EQ(fresh.Caption().Alignment(), agCenter);
  EXPECT_EQ(fresh.FillObject().Style(), sfNone);
  EXPECT_TRUE(fill.Transparent());
  EXPECT_TRUE(fill.IsBlank());
  EXPECT_EQ(InkBox(Render(), clGray), TRect{});
}

TEST_F(FillControl, ACrossHatchedBrushMakesItOpaqueAndPaintsOnlyTheLines) {
  fill.FillObject().Brush().SetColor(clYellow);
  fill.FillObject().Brush().SetStyle(bsDiagCross);
  fill.FillObject().SetStyle(sfBrush);
  EXPECT_FALSE(fill.Transparent());
  EXPECT_TRUE(fill.Opaque());
  const TSurface& got = Render();
  // The hatch as a brush paints it on the device, aligned to its origin.
  TSurface want = FilledSurface(100, 80, clGray);
  TCanvas canvas(&want);
  canvas.Brush().SetColor(clYellow);
  canvas.Brush().SetStyle(bsDiagCross);
  canvas.FillRect({20, 10, 70, 50});
  EXPECT_TRUE(SameArea(got, want, want.Bounds()));
  EXPECT_GT(CountPixels(got, fill.BoundsRect(), clYellow), 0);
  EXPECT_GT(CountPixels(got, fill.BoundsRect(), clGray), 0);
  // Opaque: a change shows at once, with nothing left to repaint.
  fill.FillObject().Brush().SetColor(clRed);
  EXPECT_TRUE(host.InvalidRects().empty());
  EXPECT_EQ(CountPixels(host.Surface(), fill.BoundsRect(), clYellow), 0);
  EXPECT_GT(CountPixels(host.Surface(), fill.BoundsRect(), clRed), 0);
}

TEST_F(FillControl, TransparencyFollowsTheFill) {
  fill.FillObject().SetStyle(sfBrush);
  EXPECT_FALSE(fill.Transparent());
  fill.FillObject().Brush().SetStyle(bsCross);
  EXPECT_FALSE(fill.Transparent());
  fill.FillObject().SetOptions(0);
  EXPECT_TRUE(fill.Transparent());
  fill.FillObject().SetStyle(sfGradient);
  EXPECT_FALSE(fill.Transparent());
  fill.FillObject().SetStyle(sfNone);
  EXPECT_TRUE(fill.Transparent());
  EXPECT_TRUE(fill.IsBlank());
  fill.Bevel().SetMode(bmEdge);
  EXPECT_FALSE(fill.IsBlank());
}

TEST_F(FillControl, AGradientIsPaintedOffScreenInsideTheFrame) {
  TLMDGradient& gradient = fill.FillObject().Gradient();
  gradient.ColorList() = {clBlue, clBlack};
  gradient.SetStyle(gstElliptic);
  gradient.SetColorCount(17);
  fill.FillObject().SetStyle(sfGradient);
  fill.Bevel().SetMode(bmEdge);
  const TSurface& got = Render();
  TBitmap alone(46, 36);
  fill.FillObject().PaintRect(alone.Canvas(), {0, 0, 46, 36}, clWindow);
  TSurface want = got;
  for (int32_t y = 0; y < 36; ++y)
    for (int32_t x = 0; x < 46; ++x) want.SetPixel(22 + x, 12 + y, alone.Surface().Pixel(x, y));
  EXPECT_TRUE(SameArea(got, want, got.Bounds()));
  EXPECT_TRUE(PixelIs(got, 20, 10, clBtnShadow));  // the frame is left as drawn
  EXPECT_TRUE(PixelIs(got, 69, 49, clBtnHighlight));
  EXPECT_TRUE(PixelIs(got, 19, 10, clGray));
  EXPECT_EQ(fill.Canvas().ClipRegion(), std::nullopt);
}

TEST_F(FillControl, TiledPicturesAreClippedToTheInsideOfTheFrameAtTheControlsPlace) {
  TBitmap tile(16, 16);
  tile.Canvas().Brush().SetColor(clBlue);
  tile.Canvas().FillRect({0, 0, 16, 16});
  tile.Canvas().SetPixel(0, 0, clLime);
  fill.FillObject().SetBitmap(tile);
  fill.FillObject().SetStyle(sfBitmap);
  fill.Bevel().SetMode(bmEdge);
  const TSurface& got = Render();
  EXPECT_TRUE(PixelIs(got, 22, 12, clLime));  // the first tile at the inner corner
  EXPECT_TRUE(PixelIs(got, 38, 28, clLime));
  EXPECT_TRUE(PixelIs(got, 67, 47, clBlue));
  EXPECT_TRUE(PixelIs(got, 68, 48, clBtnShadow));  // the tiles stop at the frame
  EXPECT_TRUE(PixelIs(got, 69, 49, clBtnHighlight));
  EXPECT_TRUE(PixelIs(got, 70, 50, clGray));
  EXPECT_EQ(CountPixels(got, fill.BoundsRect(), clBlue) + CountPixels(got, fill.BoundsRect(), clLime), 46 * 36);
}

TEST_F(FillControl, ThePaletteIsTheFillsWhileOpaque) {
  fill.FillObject().Gradient().SetPaletteRealize(true);
  fill.FillObject().SetStyle(sfGradient);
  ASSERT_NE(fill.FillObject().FillPalette(), nullptr);
  EXPECT_EQ(fill.Palette(), fill.FillObject().FillPalette());
  fill.SetTransparent(true);
  EXPECT_EQ(fill.Palette(), nullptr);
}

TEST_F(FillControl, TheCaptionChangesRepaint) {
  host.Update();
  fill.Caption().SetCaption("Образец");
  EXPECT_FALSE(host.InvalidRects().empty());
  EXPECT_FALSE(fill.IsBlank());
  fill.Caption().Font().SetColor(clRed);
  fill.Caption().Font().SetName("DejaVu Sans");
  const TSurface& got = Render();
  EXPECT_GT(CountPixels(got, fill.BoundsRect(), clRed), 0);
  EXPECT_EQ(InkBox(got, clGray).Intersect(fill.BoundsRect()), InkBox(got, clGray));
}

TEST(FillCaption, CopyFromCopiesEverythingAndNotifiesOnce) {
  TLMDCaption source, target;
  source.SetCaption("A");
  source.Font().SetColor(clRed);
  source.FontFX().SetStyle(tdShadow);
  source.SetAlignment(agTopLeft);
  source.SetMultiLine(true);
  int changes = 0;
  target.OnChange = [&](TLMDObject*) { ++changes; };
  target.CopyFrom(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.Caption(), "A");
  EXPECT_EQ(target.Font().Color(), clRed);
  EXPECT_EQ(target.FontFX().Style(), tdShadow);
  EXPECT_EQ(target.Alignment(), agTopLeft);
  EXPECT_TRUE(target.MultiLine());
  TLMDFxCaption other;
  EXPECT_THROW(target.CopyFrom(&other), EConvertError);
}

}  // namespace
