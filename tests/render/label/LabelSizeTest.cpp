#include <gtest/gtest.h>

#include <functional>

#include "LabelTestSupport.h"

namespace {

// The extent of Text in the label's font, measured on a canvas of its own.
TSize Extent(const TLMDLabelFill& label, const QString& text) {
  TCanvas canvas;
  canvas.SetFont(label.Font());
  return canvas.TextExtent(text);
}

TEST(LabelSize, ANewLabelIsArial28TransparentAndPlain) {
  TLMDLabelFill label;
  EXPECT_EQ(label.ClassName(), "TLMDLabelFill");
  EXPECT_EQ(label.Font().Name(), "Arial");
  EXPECT_EQ(label.Font().Size(), 28);
  EXPECT_EQ(label.Font().Height(), -37);
  EXPECT_FALSE(label.ParentFont());
  EXPECT_TRUE(label.Transparent());
  EXPECT_FALSE(label.Opaque());
  EXPECT_EQ(label.Bevel().Extent(), 0);
  EXPECT_EQ(label.FontFX().Style(), tdNone);
  EXPECT_EQ(label.FillObject().Style(), sfNone);
  EXPECT_EQ(label.BrushBackColor(), clBtnFace);
  EXPECT_EQ(label.Color(), clWindow);
  EXPECT_TRUE(label.ParentColor());
  EXPECT_EQ(label.Alignment(), agTopLeft);
  EXPECT_TRUE(label.AutoSize());
  EXPECT_TRUE(label.ShowAccelChar());
  EXPECT_FALSE(label.MultiLine());
  EXPECT_EQ(label.Options(), 0);
  EXPECT_EQ(label.FocusControl(), nullptr);
  EXPECT_FALSE(label.Painting());
  // Sized already for an empty caption: one line of a single space.
  const TSize space = Extent(label, " ");
  EXPECT_EQ(label.Width(), space.cx + 2);
  EXPECT_EQ(label.Height(), space.cy + 2);
}

TEST(LabelSize, TheSizeIsTheTextExtentPlusTwo) {
  TLabelScene scene("Текстъ!");
  const TSize extent = Extent(scene.Label, "Текстъ!");
  EXPECT_EQ(scene.Label.BoundsRect(), Bounds(10, 10, extent.cx + 2, extent.cy + 2));
}

struct GrowthCase {
  const char* Name;
  std::function<void(TLMDLabelFill&)> Change;
  int32_t Growth;
};

class LabelGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(LabelGrowth, EffectsAndFramesGrowTheSizeInBothDirections) {
  TLabelScene scene("Текстъ!");
  const TRect before = scene.Label.BoundsRect();
  GetParam().Change(scene.Label);
  const int32_t g = GetParam().Growth;
  EXPECT_EQ(scene.Label.BoundsRect(), (TRect{before.Left, before.Top, before.Right + g, before.Bottom + g}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LabelGrowth,
    ::testing::Values(
        GrowthCase{"Shadow3",
                   [](TLMDLabelFill& l) {
                     l.FontFX().SetStyle(tdShadow);
                     l.FontFX().SetShadowDepth(3);
                   },
                   3},
        GrowthCase{"EdgeFrame", [](TLMDLabelFill& l) { l.Bevel().SetMode(bmEdge); }, 4},
        GrowthCase{"RaisedShadow2and5",
                   [](TLMDLabelFill& l) {
                     l.FontFX().SetLightDepth(2);
                     l.FontFX().SetShadowDepth(5);
                     l.FontFX().SetStyle(tdRaisedShadow);
                   },
                   7},
        GrowthCase{"ExtrudeWithFrameAndInnerBorder",
                   [](TLMDLabelFill& l) {
                     l.FontFX().SetStyle(tdExtrude);
                     l.FontFX().SetShadowDepth(10);
                     l.Bevel().SetMode(bmEdge);
                     l.Bevel().SetBorderInnerWidth(3);
                   },
                   10 + 2 * 5}),
    [](const ::testing::TestParamInfo<GrowthCase>& info) { return info.param.Name; });

TEST(LabelSize, TheFrameMovesTheTextByTwo) {
  TLabelScene plain("Текстъ!");
  TLabelScene framed("Текстъ!");
  framed.Label.Bevel().SetMode(bmEdge);
  const TSurface& a = plain.Render();
  const TSurface& b = framed.Render();
  const TRect text = plain.Label.BoundsRect();
  int differing = 0;
  for (int32_t y = text.Top; y < text.Bottom; ++y)
    for (int32_t x = text.Left; x < text.Right; ++x)
      if ((a.Pixel(x, y) | 0xFF000000u) != (b.Pixel(x + 2, y + 2) | 0xFF000000u)) ++differing;
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(InkBox(a, clGray).Left, InkBox(b, clGray).Left);  // the frame starts where the text did
  EXPECT_TRUE(PixelIs(b, 10, 10, clBtnShadow));                 // the etched edge's outer top-left
  EXPECT_TRUE(PixelIs(b, 11, 11, clBtnHighlight));
}

TEST(LabelSize, TwoLinesAreMeasuredWhenTheLabelSizesItself) {
  TLabelScene scene("Ab\r\nCdef");
  const TSize first = Extent(scene.Label, "Ab");
  const TSize second = Extent(scene.Label, "Cdef");
  EXPECT_EQ(scene.Label.Width(), std::max(first.cx, second.cx) + 2);
  EXPECT_EQ(scene.Label.Height(), first.cy + second.cy + 2);
  // Both lines are drawn: ink in the upper and in the lower half.
  scene.Label.Font().SetColor(clBlack);
  const TSurface& s = scene.Render();
  const TRect b = scene.Label.BoundsRect();
  EXPECT_GT(CountPixels(s, {b.Left, b.Top, b.Right, b.Top + first.cy}, clBlack), 0);
  EXPECT_GT(CountPixels(s, {b.Left, b.Top + first.cy, b.Right, b.Bottom}, clBlack), 0);
}

TEST(LabelSize, ShowAccelCharChangesTheSizeOnlyAtTheNextComputation) {
  TLabelScene scene("&Ab");
  const int32_t withPrefix = Extent(scene.Label, "Ab").cx + 2;
  EXPECT_EQ(scene.Label.Width(), withPrefix);
  scene.Label.SetShowAccelChar(false);
  EXPECT_EQ(scene.Label.Width(), withPrefix);
  scene.Label.SetMultiLine(true);
  EXPECT_EQ(scene.Label.Width(), Extent(scene.Label, "&Ab").cx + 2);
}

TEST(LabelSize, AutoSizeOffKeepsTheSizeAndOnTakesTheTextsAtOnce) {
  TLabelScene scene("Текстъ!");
  const TRect measured = scene.Label.BoundsRect();
  scene.Label.SetAutoSize(false);
  scene.Label.SetBounds(10, 10, 300, 100);
  scene.Label.SetCaption("Другой");
  EXPECT_EQ(scene.Label.BoundsRect(), Bounds(10, 10, 300, 100));
  scene.Label.SetCaption("Текстъ!");
  scene.Label.SetAutoSize(true);
  EXPECT_EQ(scene.Label.BoundsRect(), measured);
}

}  // namespace
