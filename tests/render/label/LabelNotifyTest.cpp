#include <gtest/gtest.h>

#include <functional>

#include "LabelTestSupport.h"
#include "render/fill/LMDGradient.h"
#include "toolkit/windowless/WinControl.h"

namespace {

// Counts the label's size computations and paints, and records the senders
// of its font changes and how deeply size computations nest.
class TCountingLabel : public TLMDLabelFill {
 public:
  using TLMDLabelFill::TLMDLabelFill;
  int Sizes = 0;
  int Paints = 0;
  int Depth = 0;
  int MaxDepth = 0;
  std::vector<const void*> FontSenders;

  void UpdateAutoSize() override {
    ++Sizes;
    MaxDepth = std::max(MaxDepth, ++Depth);
    TLMDLabelFill::UpdateAutoSize();
    --Depth;
  }
  void FontChanged(const void* sender) override {
    FontSenders.push_back(sender);
    TLMDLabelFill::FontChanged(sender);
  }
  void Reset() {
    Sizes = Paints = MaxDepth = 0;
    FontSenders.clear();
  }

 protected:
  void Paint() override {
    ++Paints;
    TLMDLabelFill::Paint();
  }
};

class TCountingHost : public THeadlessHost {
 public:
  using THeadlessHost::THeadlessHost;
  int Invalidations = 0;

 protected:
  void Invalidated() override { ++Invalidations; }
};

struct NotifyCase {
  const char* Name;
  std::function<void(TCountingLabel&)> Change;
  int Sizes;
  int Paints;
  int Invalidations;
};

// An opaque label repaints at once, so paints and invalidations tell the
// label's repaint from the framework's; it keeps its measured size with
// AutoSize off, so that size computations invalidate nothing.
class LabelNotify : public ::testing::TestWithParam<NotifyCase> {
 protected:
  TCountingHost host{300, 100};
  TCountingLabel label;
  void SetUp() override {
    label.SetCaption("Текстъ!");
    label.SetParent(&host);
    label.SetTransparent(false);
    label.SetAutoSize(false);
    host.Update();
    label.Reset();
    host.Invalidations = 0;
  }
};

TEST_P(LabelNotify, EachPropertyAnswersAsItsRowSays) {
  GetParam().Change(label);
  EXPECT_EQ(label.Sizes, GetParam().Sizes);
  EXPECT_EQ(label.Paints, GetParam().Paints);
  EXPECT_EQ(host.Invalidations, GetParam().Invalidations);
}

class TFocusTarget : public TWinControl {
 public:
  bool CanFocus() const override { return true; }
  void SetFocus() override {}
};

class TOneImage : public TCustomImageList {
 public:
  TSurface Picture(int32_t, int32_t) const override { return FilledSurface(4, 4, clRed); }
};

INSTANTIATE_TEST_SUITE_P(
    Table, LabelNotify,
    ::testing::Values(
        // Resize and repaint.
        NotifyCase{"Caption", [](TCountingLabel& l) { l.SetCaption("Другой"); }, 1, 1, 0},
        NotifyCase{"FontSize", [](TCountingLabel& l) { l.Font().SetSize(20); }, 1, 1, 0},
        NotifyCase{"FontColor", [](TCountingLabel& l) { l.Font().SetColor(clRed); }, 1, 1, 0},
        NotifyCase{"FontFXStyle", [](TCountingLabel& l) { l.FontFX().SetStyle(tdRaised); }, 1, 1, 0},
        NotifyCase{"FontFXCopy",
                   [](TCountingLabel& l) {
                     TLMDFxCaption fx;
                     fx.SetStyle(tdShadow);
                     fx.SetShadowDepth(4);
                     l.SetFontFX(fx);
                   },
                   1, 1, 0},
        NotifyCase{"FillStyle", [](TCountingLabel& l) { l.FillObject().SetStyle(sfBrush); }, 1, 1, 0},
        NotifyCase{"FillBrush", [](TCountingLabel& l) { l.FillObject().Brush().SetColor(clRed); }, 1, 1, 0},
        NotifyCase{"GradientColorCount", [](TCountingLabel& l) { l.FillObject().Gradient().SetColorCount(17); }, 1,
                   1, 0},
        NotifyCase{"FillCopy",
                   [](TCountingLabel& l) {
                     TLMDFillObject fill;
                     fill.SetStyle(sfGradient);
                     fill.Gradient().SetColorCount(5);
                     l.SetFillObject(fill);
                   },
                   1, 1, 0},
        NotifyCase{"BrushBackColor", [](TCountingLabel& l) { l.SetBrushBackColor(clWhite); }, 1, 1, 0},
        NotifyCase{"BevelMode", [](TCountingLabel& l) { l.Bevel().SetMode(bmEdge); }, 1, 1, 0},
        NotifyCase{"Alignment", [](TCountingLabel& l) { l.SetAlignment(agCenter); }, 1, 1, 0},
        NotifyCase{"MultiLine", [](TCountingLabel& l) { l.SetMultiLine(true); }, 1, 1, 0},
        NotifyCase{"Options", [](TCountingLabel& l) { l.SetOptions(LabelOptionBit(loEndEllipsis)); }, 1, 1, 0},
        // Size only.
        NotifyCase{"AutoSize", [](TCountingLabel& l) { l.SetAutoSize(true); }, 1, 0, 0},
        // Repaint only.
        NotifyCase{"ShowAccelChar", [](TCountingLabel& l) { l.SetShowAccelChar(false); }, 0, 1, 0},
        NotifyCase{"Enabled", [](TCountingLabel& l) { l.SetEnabled(false); }, 0, 1, 1},
        NotifyCase{"ImageIndex",
                   [](TCountingLabel& l) {
                     static TOneImage images;
                     l.SetImageList(&images);
                     EXPECT_EQ(l.FillObject().ListPicture().Width(), 4);
                     l.SetImageList(nullptr);
                     EXPECT_TRUE(l.FillObject().ListPicture().Empty());
                   },
                   0, 2, 0},
        // The framework's repaint.
        NotifyCase{"Color", [](TCountingLabel& l) { l.SetColor(clYellow); }, 0, 0, 1},
        NotifyCase{"Visible", [](TCountingLabel& l) { l.SetVisible(false); }, 0, 0, 1},
        NotifyCase{"Transparent", [](TCountingLabel& l) { l.SetTransparent(true); }, 0, 0, 1},
        // Nothing at all.
        NotifyCase{"SameCaption", [](TCountingLabel& l) { l.SetCaption("Текстъ!"); }, 0, 0, 0},
        NotifyCase{"SameFontFXStyle", [](TCountingLabel& l) { l.FontFX().SetStyle(tdNone); }, 0, 0, 0},
        NotifyCase{"FocusControl",
                   [](TCountingLabel& l) {
                     static TFocusTarget target;
                     l.SetFocusControl(&target);
                   },
                   0, 0, 0}),
    [](const ::testing::TestParamInfo<NotifyCase>& info) { return info.param.Name; });

TEST(LabelNotifyRotation, MeasuringRotatedTextReentersUntilThePositionSettles) {
  TCountingLabel label;
  label.SetCaption("Текстъ!");
  label.Reset();
  label.FontFX().SetAngle(30);
  // Turned by 30 degrees the text starts at the left edge (PosX stays 0)
  // and lower down. Storing PosY runs the font change and a second size
  // computation before the first finishes; that one stores equal values.
  EXPECT_EQ(label.FontFX().PosX(), 0);
  EXPECT_GT(label.FontFX().PosY(), 0);
  const std::vector<const void*> senders(2, &label.FontFX());
  EXPECT_EQ(label.FontSenders, senders);
  EXPECT_EQ(label.Sizes, 2);
  EXPECT_EQ(label.MaxDepth, 2);
  const TRect settled = label.BoundsRect();
  label.Reset();
  label.UpdateAutoSize();
  EXPECT_TRUE(label.FontSenders.empty());
  EXPECT_EQ(label.BoundsRect(), settled);
}

TEST(LabelNotifyLoading, WhileLoadingNothingIsSizedOrPaintedAndLoadedCatchesUp) {
  THeadlessHost host(300, 100);
  TCountingLabel label;
  label.SetParent(&host);
  host.Update();
  label.Reset();
  label.BeginLoading();
  label.SetCaption("Текстъ!");
  label.Font().SetSize(10);
  label.FontFX().SetStyle(tdShadow);
  label.FillObject().SetStyle(sfBrush);
  const TRect before = label.BoundsRect();
  host.Update();
  EXPECT_EQ(InkBox(host.Surface(), host.Color()), TRect{});
  EXPECT_EQ(label.BoundsRect(), before);
  EXPECT_EQ(label.FontSenders.size(), 2u);  // asked, but they wait for the end of loading
  EXPECT_NE(label.Canvas().Font().Height(), label.Font().Height());
  label.EndLoading();
  EXPECT_FALSE(label.Loading());
  EXPECT_EQ(label.Canvas().Font().Height(), label.Font().Height());
  TCanvas measure;
  measure.SetFont(label.Font());
  const TSize extent = measure.TextExtent("Текстъ!");
  EXPECT_EQ(label.Width(), extent.cx + 1 + 2);
  EXPECT_EQ(label.Height(), extent.cy + 1 + 2);
}

}  // namespace
