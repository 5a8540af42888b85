#include <gtest/gtest.h>

#include "LabelTestSupport.h"
#include "render/caption/LMDFxText.h"
#include "render/fill/LMDGradient.h"

namespace {

const QString kText = QStringLiteral("Текстъ!");

// The label's pixels as the filled paint must compose them, built apart
// from it: the text with its passes on a ground of BrushBackColor, the fill
// painted alone, then per pixel: a face pixel (exactly the font colour)
// takes the fill, a ground pixel shows what lay under the label, any other
// pixel is the text picture's.
TSurface ExpectedFilled(TLMDLabelFill& label, const TSurface& under, bool enabledLook = true) {
  const int32_t w = label.Width(), h = label.Height();
  const TRect whole{0, 0, w, h};
  TBitmap text(w, h);
  text.Canvas().Brush().SetColor(label.BrushBackColor());
  text.Canvas().FillRect(whole);
  text.Canvas().Brush().SetColor(label.Color());
  text.Canvas().SetFont(label.Font());
  DrawFxText(text.Canvas(), kText, &label.FontFX(), whole, DT_WORDBREAK | DT_EXPANDTABS,
             FxDrawFlagBit(enabledLook ? fxdEnabled : fxdDisabled));
  TBitmap fill(w, h);
  label.FillObject().PaintRect(fill.Canvas(), whole,
                               label.FillObject().Style() == sfBrush ? label.BrushBackColor() : label.Font().Color());
  TSurface expected = under;
  const QRgb face = ColorToPixel(label.Font().Color());
  const QRgb key = ColorToPixel(label.BrushBackColor());
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const QRgb t = text.Surface().Pixel(x, y) | 0xFF000000u;
      const QRgb p = t == face ? fill.Surface().Pixel(x, y) | 0xFF000000u : t;
      if (p != key) expected.SetPixel(label.Left() + x, label.Top() + y, p);
    }
  return expected;
}


void UseGradient(TLMDLabelFill& label) {
  TLMDGradient& g = label.FillObject().Gradient();
  g.ColorList() = {clBlue, clLime};
  g.SetStyle(gstHorizontal);
  g.SetColorCount(17);
  label.FillObject().SetStyle(sfGradient);
}

class LabelPaint : public ::testing::Test {
 protected:
  TLabelScene scene{kText};
  TSurface Ground() const { return FilledSurface(400, 200, clGray); }
  void SetUp() override { scene.Label.Font().SetColor(clRed); }
};

TEST_F(LabelPaint, WithoutFillTheTextIsDrawnStraightOntoTheSurface) {
  scene.Label.FontFX().SetStyle(tdShadow);
  scene.Label.FontFX().SetShadowDepth(3);
  scene.Label.FontFX().SetShadowColor(clNavy);
  const TSurface& got = scene.Render();
  TSurface want = Ground();
  TCanvas canvas(&want);
  canvas.SetOrigin({10, 10});
  canvas.SetFont(scene.Label.Font());
  canvas.Brush().SetColor(scene.Label.Color());
  DrawFxText(canvas, kText, &scene.Label.FontFX(), scene.Label.ClientRect(), DT_WORDBREAK | DT_EXPANDTABS,
             FxDrawFlagBit(fxdEnabled));
  EXPECT_TRUE(SameArea(got, want, got.Bounds()));
  // The rim blends with what lies under the label, not with BrushBackColor.
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clNavy), 0);
  EXPECT_EQ(CountPixels(got, scene.Label.BoundsRect(), clBtnFace), 0);
}

TEST_F(LabelPaint, AGradientFillsExactlyTheFacePixels) {
  UseGradient(scene.Label);
  const TSurface& got = scene.Render();
  EXPECT_TRUE(SameArea(got, ExpectedFilled(scene.Label, Ground()), got.Bounds()));
  const TRect b = scene.Label.BoundsRect();
  // The faces show the gradient's ends; no face pixel keeps the font colour.
  EXPECT_GT(CountPixels(got, b, clBlue), 0);
  EXPECT_EQ(CountPixels(got, b, clRed), 0);
  // The smoothed rim keeps its blends of red and the button face: pixels
  // with more red than green or blue, which neither the grey ground nor
  // the blue-to-green ramp has.
  int rim = 0;
  for (int32_t y = b.Top; y < b.Bottom; ++y)
    for (int32_t x = b.Left; x < b.Right; ++x) {
      const QRgb p = got.Pixel(x, y);
      if (qRed(p) > qGreen(p) && qRed(p) > qBlue(p)) ++rim;
    }
  EXPECT_GT(rim, 20);
}

TEST_F(LabelPaint, BrushBackColorIsTheColourOfTheRim) {
  UseGradient(scene.Label);
  scene.Label.SetBrushBackColor(clYellow);
  const TSurface& got = scene.Render();
  EXPECT_TRUE(SameArea(got, ExpectedFilled(scene.Label, Ground()), got.Bounds()));
  // Pixels half way between red and yellow: rim pixels tinted by the ground.
  int reddishYellow = 0;
  const TRect b = scene.Label.BoundsRect();
  for (int32_t y = b.Top; y < b.Bottom; ++y)
    for (int32_t x = b.Left; x < b.Right; ++x) {
      const QRgb p = got.Pixel(x, y);
      if (qRed(p) == 255 && qBlue(p) == 0 && qGreen(p) > 0 && qGreen(p) < 255) ++reddishYellow;
    }
  EXPECT_GT(reddishYellow, 0);
}

TEST_F(LabelPaint, AHatchedBrushLeavesWhiteGaps) {
  scene.Label.FillObject().Brush().SetColor(clBlue);
  scene.Label.FillObject().Brush().SetStyle(bsDiagCross);
  scene.Label.FillObject().SetStyle(sfBrush);
  const TSurface& got = scene.Render();
  EXPECT_TRUE(SameArea(got, ExpectedFilled(scene.Label, Ground()), got.Bounds()));
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clBlue), 0);
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clWhite), 0);
}

TEST_F(LabelPaint, TheGapsAreTransparentOnlyOnAWhiteGround) {
  scene.Label.FillObject().Brush().SetColor(clBlue);
  scene.Label.FillObject().Brush().SetStyle(bsDiagCross);
  scene.Label.FillObject().SetStyle(sfBrush);
  scene.Label.SetBrushBackColor(clWhite);
  const TSurface& got = scene.Render();
  EXPECT_TRUE(SameArea(got, ExpectedFilled(scene.Label, Ground()), got.Bounds()));
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clBlue), 0);
  EXPECT_EQ(CountPixels(got, scene.Label.BoundsRect(), clWhite), 0);
}

TEST_F(LabelPaint, PColorRaisedFillsOnlyWhereAPassDrewTheFontColour) {
  UseGradient(scene.Label);
  scene.Label.FontFX().SetStyle(tdPColorRaised);
  scene.Label.FontFX().SetLightDepth(2);
  scene.Label.FontFX().SetShadowDepth(2);
  scene.Label.SetColor(clYellow);
  const TSurface& faces = scene.Render();
  EXPECT_TRUE(SameArea(faces, ExpectedFilled(scene.Label, Ground()), faces.Bounds()));
  EXPECT_GT(CountPixels(faces, scene.Label.BoundsRect(), clYellow), 0);
  EXPECT_EQ(CountPixels(faces, scene.Label.BoundsRect(), clBlue), 0);
  // A shadow in the font colour is filled where the later passes leave it.
  scene.Label.FontFX().SetShadowColor(clRed);
  const TSurface& shadowed = scene.Render();
  EXPECT_TRUE(SameArea(shadowed, ExpectedFilled(scene.Label, Ground()), shadowed.Bounds()));
  EXPECT_GT(CountPixels(shadowed, scene.Label.BoundsRect(), clBlue), 0);
}

TEST_F(LabelPaint, ADisabledLabelWithAFillDrawsPlainWithGreyFaces) {
  UseGradient(scene.Label);
  scene.Label.FontFX().SetStyle(tdShadow);
  scene.Label.SetEnabled(false);
  const TSurface& got = scene.Render();
  TLabelScene plain(kText);
  plain.Label.Font().SetColor(clRed);
  plain.Label.FontFX().SetStyle(tdShadow);
  plain.Label.SetEnabled(false);
  EXPECT_TRUE(SameArea(got, plain.Render(), got.Bounds()));
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clGrayText), 0);
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clBtnShadow), 0);
  EXPECT_EQ(CountPixels(got, scene.Label.BoundsRect(), clBlue), 0);
  EXPECT_EQ(CountPixels(got, scene.Label.BoundsRect(), clRed), 0);
}

TEST_F(LabelPaint, AnOpaqueLabelPaintsItsColourFirst) {
  scene.Label.SetColor(clAqua);
  scene.Label.SetTransparent(false);
  UseGradient(scene.Label);
  const TSurface& got = scene.Render();
  const TRect b = scene.Label.BoundsRect();
  EXPECT_TRUE(PixelIs(got, b.Left, b.Top, clAqua));
  EXPECT_TRUE(PixelIs(got, b.Right - 1, b.Bottom - 1, clAqua));
  EXPECT_TRUE(PixelIs(got, b.Right, b.Bottom, clGray));
  EXPECT_GT(CountPixels(got, b, clBlue), 0);
}

TEST(ComposeFilledText, FacesTakeTheFillKeyPixelsStayOthersAreCopied) {
  constexpr TColor face = clRed, key = clBtnFace, rim = RGB(1, 2, 3);
  TBitmap text(4, 1), fill(4, 1);
  const TColor textPixels[4] = {face, key, rim, face};
  const TColor fillPixels[4] = {clBlue, clLime, clNavy, key};
  for (int x = 0; x < 4; ++x) {
    text.Canvas().SetPixel(x, 0, textPixels[x]);
    fill.Canvas().SetPixel(x, 0, fillPixels[x]);
  }
  TSurface target = FilledSurface(8, 3, clGray);
  TCanvas canvas(&target);
  canvas.SetOrigin({1, 0});
  canvas.SetTextColor(clPurple);
  canvas.SetBkColor(clTeal);
  ComposeFilledText(&canvas, {2, 1, 9, 9}, &text, &fill, face, key);
  EXPECT_TRUE(PixelIs(target, 2, 1, clGray));
  EXPECT_TRUE(PixelIs(target, 3, 1, clBlue));   // face: the fill
  EXPECT_TRUE(PixelIs(target, 4, 1, clGray));   // key: transparent
  EXPECT_TRUE(PixelIs(target, 5, 1, rim));      // rim: as drawn
  EXPECT_TRUE(PixelIs(target, 6, 1, clGray));   // a fill pixel equal to the key is transparent too
  EXPECT_TRUE(PixelIs(target, 7, 1, clGray));
  EXPECT_TRUE(PixelIs(target, 3, 0, clGray));
  EXPECT_TRUE(PixelIs(target, 3, 2, clGray));
  EXPECT_EQ(canvas.TextColor(), clPurple);
  EXPECT_EQ(canvas.BkColor(), clTeal);
  EXPECT_EQ(canvas.CopyMode(), SRCCOPY);
  ComposeFilledText(nullptr, {}, &text, &fill, face, key);
  ComposeFilledText(&canvas, {}, nullptr, &fill, face, key);
}

}  // namespace

namespace {

TEST_F(LabelPaint, RotatedTextIsFilledLikeUpright) {
  UseGradient(scene.Label);
  scene.Label.FontFX().SetAngle(30);
  EXPECT_NE(scene.Label.FontFX().PosY(), 0);
  const TSurface& got = scene.Render();
  EXPECT_TRUE(SameArea(got, ExpectedFilled(scene.Label, Ground()), got.Bounds()));
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clBlue), 0);
}

}  // namespace
