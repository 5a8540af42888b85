#include <gtest/gtest.h>

#include "LabelTestSupport.h"

namespace {

// No bitmap face is installed here, so the test stands in for one: every
// face is TrueType but "Bitmap Face".
const TTrueTypeTest kFakeTest = [](TCanvas& canvas) { return canvas.Font().Name() != "Bitmap Face"; };

TEST(LabelFont, RotatingTextOnABitmapFaceSwitchesTheFaceToArial) {
  TLabelScene scene("Текстъ!", 400, 200, kFakeTest);
  scene.Label.Font().SetName("Bitmap Face");
  ASSERT_EQ(scene.Label.Font().Name(), "Bitmap Face");
  scene.Label.FontFX().SetAngle(45);
  EXPECT_EQ(scene.Label.Font().Name(), "Arial");
  EXPECT_EQ(scene.Label.FontFX().Angle(), 45);
  // Measured rotated: a start point below the top, a box taller than a line.
  EXPECT_GT(scene.Label.FontFX().PosY(), 0);
  TCanvas measure;
  measure.SetFont(scene.Label.Font());
  EXPECT_GT(scene.Label.Height(), measure.TextHeight("Текстъ!") * 2);
}

TEST(LabelFont, ChoosingABitmapFaceCancelsTheRotation) {
  TLabelScene scene("Текстъ!", 400, 200, kFakeTest);
  scene.Label.FontFX().SetAngle(30);
  const TRect rotated = scene.Label.BoundsRect();
  scene.Label.Font().SetName("Bitmap Face");
  EXPECT_EQ(scene.Label.FontFX().Angle(), 0);
  EXPECT_EQ(scene.Label.Font().Name(), "Bitmap Face");
  EXPECT_EQ(scene.Label.FontFX().PosY(), 0);
  EXPECT_LT(scene.Label.Height(), rotated.Height());
}

TEST(LabelFont, TrueTypeFacesTurnAsAsked) {
  TLabelScene scene("Текстъ!");
  scene.Label.Font().SetName("DejaVu Sans");
  scene.Label.FontFX().SetAngle(45);
  EXPECT_EQ(scene.Label.Font().Name(), "DejaVu Sans");
  EXPECT_EQ(scene.Label.FontFX().Angle(), 45);
}

TEST(LabelFont, AFontChangeDropsTheRotatedHandleOfTheLastPaint) {
  TLabelScene scene("Текстъ!");
  scene.Label.FontFX().SetAngle(30);
  scene.Render();
  EXPECT_EQ(scene.Label.Canvas().Font().Handle().Escapement, 300);
  scene.Label.Font().SetColor(clRed);
  EXPECT_EQ(scene.Label.Canvas().Font().Handle().Escapement, 0);
  EXPECT_EQ(scene.Label.Canvas().Font().Color(), clRed);
}

TEST(LabelFont, FollowingTheParentFontEndsWithTheLabelsOwnFont) {
  TLMDLabelFill label;
  THeadlessHost host(10, 10);
  label.SetParentFont(true);
  label.SetParent(&host);
  EXPECT_EQ(label.Font().Name(), host.Font().Name());
  EXPECT_TRUE(label.ParentFont());
  label.Font().SetSize(12);
  EXPECT_FALSE(label.ParentFont());
}

class TFocusTarget : public TWinControl {
 public:
  bool Focusable = true;
  int Focused = 0;
  bool CanFocus() const override { return Focusable; }
  void SetFocus() override { ++Focused; }
};

TEST(LabelFont, TheAcceleratorGivesTheFocusToTheFocusControl) {
  TLabelScene scene("&Текст");
  auto target = std::make_unique<TFocusTarget>();
  EXPECT_FALSE(scene.Host.DialogChar(u'т'));  // no focus control yet
  scene.Label.SetFocusControl(target.get());
  EXPECT_FALSE(scene.Host.DialogChar(u'е'));
  EXPECT_TRUE(scene.Host.DialogChar(u'Т'));
  EXPECT_EQ(target->Focused, 1);
  target->Focusable = false;
  EXPECT_FALSE(scene.Host.DialogChar(u'т'));
  target->Focusable = true;
  scene.Label.SetShowAccelChar(false);
  EXPECT_FALSE(scene.Host.DialogChar(u'т'));
  scene.Label.SetShowAccelChar(true);
  scene.Label.SetEnabled(false);
  EXPECT_FALSE(scene.Host.DialogChar(u'т'));
  scene.Label.SetEnabled(true);
  EXPECT_EQ(target->Focused, 1);
  target.reset();
  EXPECT_EQ(scene.Label.FocusControl(), nullptr);
  EXPECT_FALSE(scene.Host.DialogChar(u'т'));
}

}  // namespace
