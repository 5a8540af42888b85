#include <gtest/gtest.h>

#include <QFontDatabase>
#include <cmath>

#include "FxTextSupport.h"
#include "render/caption/LMDFxMath.h"

using namespace fxtest;

namespace {

const QString kText = QStringLiteral("Gray&Co");

TFont TestFont() { return MakeFont(QStringLiteral("Liberation Sans"), -29, clBlack); }

// Width and height of Text as one line, spaced by Extra.
TSize Extent(const QString& text, int32_t extra = 0) {
  TCanvas measure;
  measure.SetFont(TestFont());
  measure.SetTextCharacterExtra(extra);
  return measure.TextExtent(text);
}

TEST(CalcFxTextRect, NoCaptionMeasuresTheTextWithTheMargin) {
  TCanvas canvas;
  TRect r{5, 6, 5, 6};
  CalcFxTextRect(canvas, kText, nullptr, r, TestFont(), false, false, 3, 0);
  const TSize s = Extent(kText);
  EXPECT_EQ(r, TRect({5, 6, 5 + s.cx + 8, 6 + s.cy + 8}));
  EXPECT_EQ(canvas.Font().Handle(), TestFont().Handle()) << "the canvas is given the font";
}

TEST(CalcFxTextRect, EffectDepthGrowsBothSides) {
  TLMDFxCaption caption;
  caption.SetStyle(tdShadow);
  caption.SetShadowDepth(3);
  TCanvas canvas;
  TRect r{0, 0, 0, 0};
  CalcFxTextRect(canvas, QStringLiteral("Text"), &caption, r, TestFont(), false, true, 0, 0);
  const TSize s = Extent(QStringLiteral("Text"));
  EXPECT_EQ(r, TRect({0, 0, s.cx + 3 + 2, s.cy + 3 + 2}));
  caption.SetStyle(tdRaisedShadow);
  caption.SetLightDepth(4);
  r = {0, 0, 0, 0};
  CalcFxTextRect(canvas, QStringLiteral("Text"), &caption, r, TestFont(), false, true, 2, 0);
  EXPECT_EQ(r, TRect({0, 0, s.cx + 7 + 6, s.cy + 7 + 6}));
}

TEST(CalcFxTextRect, AcceleratorMarksAndBlankText) {
  TCanvas canvas;
  const TSize space = Extent(QStringLiteral(" "));
  TRect r{};
  CalcFxTextRect(canvas, QString(), nullptr, r, TestFont(), false, true, 0, 0);
  EXPECT_EQ(r, TRect({0, 0, space.cx + 2, space.cy + 2}));
  r = {};
  CalcFxTextRect(canvas, QStringLiteral("&"), nullptr, r, TestFont(), false, true, 0, 0);
  EXPECT_EQ(r, TRect({0, 0, space.cx + 2, space.cy + 2}));
  r = {};
  CalcFxTextRect(canvas, QStringLiteral("&"), nullptr, r, TestFont(), false, false, 0, 0);
  EXPECT_EQ(r.Width(), Extent(QStringLiteral("&")).cx + 2);
  // The mark is not measured when it marks an accelerator.
  r = {};
  CalcFxTextRect(canvas, kText, nullptr, r, TestFont(), false, true, 0, 0);
  EXPECT_EQ(r.Width(), Extent(QStringLiteral("GrayCo")).cx + 2);
}

TEST(CalcFxTextRect, TabsExpandAndWordBreakWrapsAtTheIncomingWidth) {
  TCanvas canvas;
  TRect tab{};
  CalcFxTextRect(canvas, QStringLiteral("a\tb"), nullptr, tab, TestFont(), false, false, 0, 0);
  EXPECT_EQ(tab.Width(), 8 * canvas.GetTextMetrics().tmAveCharWidth + Extent(QStringLiteral("b")).cx + 2);
  const int32_t one = Extent(QStringLiteral("word")).cx;
  TRect wrapped{0, 0, one + 5, 0};
  CalcFxTextRect(canvas, QStringLiteral("word word"), nullptr, wrapped, TestFont(), true, false, 0, 0);
  EXPECT_EQ(wrapped.Height(), 2 * Extent(QStringLiteral("w")).cy + 2);
  TRect single{0, 0, one + 5, 0};
  CalcFxTextRect(canvas, QStringLiteral("word word"), nullptr, single, TestFont(), false, false, 0, 0);
  EXPECT_EQ(single.Height(), Extent(QStringLiteral("w")).cy + 2);
}

TEST(CalcFxTextRect, TracingWidensOnlyTheMeasurement) {
  TLMD3DCaption caption;
  caption.SetTracing(5);
  TBitmap bitmap(10, 10);
  TSurface* surface = bitmap.Canvas().Surface();
  TRect r{};
  CalcFxTextRect(bitmap.Canvas(), QStringLiteral("Text"), &caption, r, TestFont(), false, true, 0, 0);
  EXPECT_EQ(r.Width(), Extent(QStringLiteral("Text"), 5).cx + 2);
  EXPECT_EQ(r.Width(), Extent(QStringLiteral("Text")).cx + 4 * 5 + 2);
  EXPECT_EQ(bitmap.Canvas().TextCharacterExtra(), 0);
  EXPECT_EQ(bitmap.Canvas().Surface(), surface);
}

TEST(CalcFxTextRect, UnrotatedFxCaptionResetsItsPositionSilently) {
  TLMDFxCaption caption;
  caption.SetPosX(12);
  caption.SetPosY(4);
  int notes = 0;
  caption.OnChange = [&](TLMDObject*) { ++notes; };
  TCanvas canvas;
  TRect r{};
  CalcFxTextRect(canvas, kText, &caption, r, TestFont(), false, true, 0, 0);
  EXPECT_EQ(caption.PosX(), 0);
  EXPECT_EQ(caption.PosY(), 0);
  EXPECT_EQ(notes, 0);
}

class RotatedMeasure : public ::testing::TestWithParam<int> {};

// Any rotation: the box of the turned text grown by the effect depth, and
// the start point from the turning formula.
TEST_P(RotatedMeasure, BoxAndStartPoint) {
  const int degrees = GetParam();
  TLMDFxCaption caption;
  caption.SetStyle(tdExtrude);
  caption.SetShadowDepth(6);
  caption.SetAngle(static_cast<TLMDAngle>(degrees));
  int notes = 0;
  caption.OnChange = [&](TLMDObject*) { ++notes; };
  TCanvas canvas;
  TRect r{40, 50, 60, 70};
  CalcFxTextRect(canvas, QStringLiteral("Line\nwith &break"), &caption, r, TestFont(), true, true, 1, DT_CENTER);
  const TSize s = Extent(QStringLiteral("Line\nwith &break"));
  TRect box{0, 0, s.cx + 6, s.cy + 6};
  RotatedBoundsRect(box, degrees);
  EXPECT_EQ(r, TRect({0, 0, box.Width() + 4, box.Height() + 4}));
  const double theta = degrees * M_PI / 180;
  const int32_t cx = box.Width() / 2, cy = box.Height() / 2, hw = s.cx / 2, hh = s.cy / 2;
  const int32_t adj = 2;  // 6 div 2 - 1
  EXPECT_EQ(caption.PosX(), static_cast<uint16_t>(std::nearbyint(cx - hw * std::cos(theta) - hh * std::sin(theta)) - adj));
  EXPECT_EQ(caption.PosY(), static_cast<uint16_t>(std::nearbyint(cy + hw * std::sin(theta) - hh * std::cos(theta)) - adj));
  EXPECT_EQ(notes, (caption.PosX() != 0) + (caption.PosY() != 0));
  // Measuring again finds the same values and reports nothing.
  r = {};
  CalcFxTextRect(canvas, QStringLiteral("Line\nwith &break"), &caption, r, TestFont(), true, true, 1, DT_CENTER);
  EXPECT_EQ(notes, (caption.PosX() != 0) + (caption.PosY() != 0));
}

INSTANTIATE_TEST_SUITE_P(All, RotatedMeasure, ::testing::Values(30, 45, 90, 180, 270, 359));

TEST(RotatedMeasure, QuarterTurnSwapsEvenedSides) {
  TLMDFxCaption caption;
  caption.SetStyle(tdShadow);
  caption.SetShadowDepth(3);
  caption.SetAngle(90);
  TCanvas canvas;
  TRect r{};
  CalcFxTextRect(canvas, kText, &caption, r, TestFont(), false, true, 0, 0);
  const int32_t w = Extent(kText).cx + 3, h = Extent(kText).cy + 3;
  EXPECT_EQ(r, TRect({0, 0, 2 * (h / 2) + 2, 2 * (w / 2) + 2}));
  // Upward text starts at the bottom-left: x = cx - hh, y = cy + hw, less 0
  // (3 div 2 - 1).
  EXPECT_EQ(caption.PosX(), (h / 2) - Extent(kText).cy / 2);
  EXPECT_EQ(caption.PosY(), (w / 2) + Extent(kText).cx / 2);
}

TEST(RotatedMeasure, MinusNinetyMeasuresAsTwoSeventy) {
  TLMDFxCaption a, b;
  a.SetAngle(270);
  b.SetAngle(65446);
  for (TLMDFxCaption* c : {&a, &b}) {
    c->SetStyle(tdSunken);
    c->SetLightDepth(5);
  }
  TCanvas canvas;
  TRect ra{}, rb{};
  CalcFxTextRect(canvas, kText, &a, ra, TestFont(), false, true, 0, 0);
  CalcFxTextRect(canvas, kText, &b, rb, TestFont(), false, true, 0, 0);
  EXPECT_EQ(ra, rb);
  EXPECT_EQ(a.PosX(), b.PosX());
  EXPECT_EQ(a.PosY(), b.PosY());
  EXPECT_EQ(b.Angle(), 65446) << "the stored value stays";
}

TEST(AlignFxTextRect, PlacesTheMeasuredBoxInTheContainer) {
  const TSize s = Extent(QStringLiteral("Mid"));
  TLMD3DCaption caption;
  caption.SetStyle(tdShadow);
  caption.SetShadowDepth(4);
  const TRect container{10, 20, 310, 220};
  const int32_t w = s.cx + 4 + 2, h = s.cy + 4 + 2;
  EXPECT_EQ(AlignFxTextRect(agTopLeft, QStringLiteral("Mid"), &caption, container, TestFont(), false, true, 0),
            TRect({10, 20, 10 + w, 20 + h}));
  EXPECT_EQ(AlignFxTextRect(agCenter, QStringLiteral("Mid"), &caption, container, TestFont(), false, true, 0),
            Bounds(10 + (300 - w) / 2, 20 + (200 - h) / 2, w, h));
  EXPECT_EQ(AlignFxTextRect(agBottomRight, QStringLiteral("Mid"), &caption, container, TestFont(), false, true, 0),
            Bounds(310 - w, 220 - h, w, h));
}

TEST(AlignFxTextRect, WrapsOnePixelNarrowerThanTheContainer) {
  const int32_t one = Extent(QStringLiteral("ab")).cx;
  const int32_t line = Extent(QStringLiteral("ab")).cy;
  // "ab ab" fits in a container exactly its width, but wraps one narrower.
  const int32_t both = Extent(QStringLiteral("ab ab")).cx;
  const TRect fits{0, 0, both + 1, 500};
  const TRect tight{0, 0, both, 500};
  EXPECT_EQ(AlignFxTextRect(agTopLeft, QStringLiteral("ab ab"), nullptr, fits, TestFont(), true, true, 0).Height(),
            line + 2);
  EXPECT_EQ(AlignFxTextRect(agTopLeft, QStringLiteral("ab ab"), nullptr, tight, TestFont(), true, true, 0).Height(),
            2 * line + 2);
  EXPECT_GE(both, 2 * one);
}

TEST(IsTrueTypeFont, OnlyOutlineFacesAre) {
  EXPECT_TRUE(IsTrueTypeFont(TestFont()));
  EXPECT_TRUE(IsTrueTypeFont(MakeFont(QStringLiteral("Arial"), -12, clBlack)));
  ASSERT_GE(QFontDatabase::addApplicationFont(VELLUMO_TEST_FILES "/VellumoBitmap.bdf"), 0);
  const TFont bitmapFace = MakeFont(QStringLiteral("Vellumo Bitmap"), -13, clBlack);
  EXPECT_FALSE(IsTrueTypeFont(bitmapFace));
  TCanvas canvas;
  canvas.SetFont(bitmapFace);
  EXPECT_FALSE(IsTrueTypeFont(canvas));
  canvas.SetFont(TestFont());
  EXPECT_TRUE(IsTrueTypeFont(canvas));
}

}  // namespace
