#include <gtest/gtest.h>

#include <memory>

#include "render/caption/LMDFxPasses.h"

namespace {

constexpr TColor kL = clYellow;
constexpr TColor kH = clNavy;
constexpr TColor kF = clRed;
constexpr TColor kBrush = clLime;

// A caption of Style with the test's depths and colours.
std::unique_ptr<TLMD3DCaption> Caption(TLMDThreeDStyle style, int ld, int sd,
                                       TLMDThreeDOrientation orientation = toTopLeft) {
  auto c = std::make_unique<TLMD3DCaption>();
  c->SetStyle(style);
  c->SetLightDepth(static_cast<uint8_t>(ld));
  c->SetShadowDepth(static_cast<uint8_t>(sd));
  c->SetLightColor(kL);
  c->SetShadowColor(kH);
  c->SetOrientation(orientation);
  return c;
}

// Where each pass lands, relative to the rectangle before the passes.
std::vector<TPoint> Landings(const TFxPlan& plan) {
  std::vector<TPoint> at;
  TPoint p = plan.Start;
  for (const TFxPass& pass : plan.Passes) {
    p = {p.X + pass.DX, p.Y + pass.DY};
    at.push_back(p);
  }
  return at;
}

}  // namespace

struct PlanCase {
  TLMDThreeDStyle style;
  int32_t reduction;
  std::vector<TFxPass> passes;
  std::vector<TPoint> landings;
};

class PassTable : public ::testing::TestWithParam<PlanCase> {};

// Light depth 2, shadow depth 5.
TEST_P(PassTable, PassesReductionAndLandings) {
  const PlanCase& want = GetParam();
  for (int o = toBottomLeft; o <= toTopRight; ++o) {
    const auto c = Caption(want.style, 2, 5, static_cast<TLMDThreeDOrientation>(o));
    const TFxPlan plan = PlanFxPasses(*c, {want.style, kF});
    EXPECT_EQ(plan.RightReduction, want.reduction);
    EXPECT_EQ(plan.Passes, want.passes) << "orientation " << o;
    EXPECT_EQ(Landings(plan), want.landings);
    EXPECT_EQ(plan.Outline, want.style == tdOutline);
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, PassTable,
    ::testing::Values(
        PlanCase{tdNone, 0, {{0, 0, kF}}, {{0, 0}}},
        PlanCase{tdSunken, 2, {{2, 2, kL}, {-2, -2, kF}}, {{2, 2}, {0, 0}}},
        PlanCase{tdRaised, 2, {{0, 0, kL}, {2, 2, kF}}, {{0, 0}, {2, 2}}},
        PlanCase{tdSunkenShadow, 7, {{0, 0, kH}, {7, 7, kL}, {-2, -2, kF}}, {{0, 0}, {7, 7}, {5, 5}}},
        PlanCase{tdPColorSunken, 7, {{0, 0, kH}, {7, 7, kL}, {-2, -2, kF}}, {{0, 0}, {7, 7}, {5, 5}}},
        PlanCase{tdRaisedShadow, 7, {{7, 7, kH}, {-7, -7, kL}, {2, 2, kF}}, {{7, 7}, {0, 0}, {2, 2}}},
        PlanCase{tdPColorRaised, 7, {{7, 7, kH}, {-7, -7, kL}, {2, 2, kF}}, {{7, 7}, {0, 0}, {2, 2}}},
        PlanCase{tdShadow, 5, {{5, 5, kH}, {-5, -5, kF}}, {{5, 5}, {0, 0}}},
        PlanCase{tdOutline, 0, {{2, 2, kF}}, {{2, 2}}}));

TEST(PassTable, OutlineStrokesWithTheShadowDepth) {
  const TFxPlan plan = PlanFxPasses(*Caption(tdOutline, 1, 5), {tdOutline, kF});
  EXPECT_TRUE(plan.Outline);
  EXPECT_EQ(plan.PenWidth, 5);
  EXPECT_EQ(plan.Passes, (std::vector<TFxPass>{{2, 2, kF}}));
  EXPECT_EQ(PlanFxPasses(*Caption(tdOutline, 1, 0), {tdOutline, kF}).PenWidth, 0);
}

struct ExtrusionCase {
  TLMDThreeDOrientation orientation;
  TPoint start;
  TPoint step;
  TPoint faceEnd;
};

class ExtrusionTable : public ::testing::TestWithParam<ExtrusionCase> {};

TEST_P(ExtrusionTable, StartStepAndFace) {
  const ExtrusionCase& want = GetParam();
  const int d = 6;
  for (const TLMDThreeDStyle style : {tdExtrude, tdExtrudeEnh}) {
    const auto c = Caption(style, 1, d, want.orientation);
    const TFxPlan plan = PlanFxPasses(*c, {style, kF});
    EXPECT_EQ(plan.RightReduction, 0);
    EXPECT_EQ(plan.Start, want.start);
    ASSERT_EQ(plan.Passes.size(), d + 1u);
    const std::vector<TPoint> at = Landings(plan);
    for (int k = 1; k <= d; ++k) {
      EXPECT_EQ(plan.Passes[k - 1].DX, want.step.X);
      EXPECT_EQ(plan.Passes[k - 1].DY, want.step.Y);
      EXPECT_EQ(at[k - 1], TPoint({want.start.X + k * want.step.X, want.start.Y + k * want.step.Y}));
    }
    EXPECT_EQ(plan.Passes[d], (TFxPass{0, 0, kF}));
    EXPECT_EQ(at[d], want.faceEnd);
  }
}

INSTANTIATE_TEST_SUITE_P(All, ExtrusionTable,
                         ::testing::Values(ExtrusionCase{toBottomLeft, {0, 7}, {1, -1}, {6, 1}},
                                           ExtrusionCase{toBottomRight, {7, 7}, {-1, -1}, {1, 1}},
                                           ExtrusionCase{toTopLeft, {0, 0}, {1, 1}, {6, 6}},
                                           ExtrusionCase{toTopRight, {7, 0}, {-1, 1}, {1, 6}}));

TEST(ExtrusionTable, DepthZeroHasOnlyTheFace) {
  const auto c = Caption(tdExtrude, 1, 0, toBottomLeft);
  const TFxPlan plan = PlanFxPasses(*c, {tdExtrude, kF});
  EXPECT_EQ(plan.Start, TPoint({0, 1}));
  EXPECT_EQ(plan.Passes, (std::vector<TFxPass>{{0, 0, kF}}));
}

TEST(ExtrusionTable, PlainExtrusionIsAllShadowColour) {
  const TFxPlan plan = PlanFxPasses(*Caption(tdExtrude, 1, 255), {tdExtrude, kF});
  ASSERT_EQ(plan.Passes.size(), 256u);
  for (int k = 0; k < 255; ++k) EXPECT_EQ(plan.Passes[k].Color, kH);
}

TEST(ExtrusionTable, EnhancedColoursFadeFromFarToNear) {
  const auto c = Caption(tdExtrudeEnh, 1, 4);
  c->SetShadowColor(RGB(0, 0, 0));
  c->SetLightColor(RGB(255, 255, 255));
  const TFxPlan plan = PlanFxPasses(*c, {tdExtrudeEnh, kF});
  ASSERT_EQ(plan.Passes.size(), 5u);
  EXPECT_EQ(plan.Passes[0].Color, RGB(191, 191, 191));
  EXPECT_EQ(plan.Passes[1].Color, RGB(127, 127, 127));
  EXPECT_EQ(plan.Passes[2].Color, RGB(63, 63, 63));
  EXPECT_EQ(plan.Passes[3].Color, RGB(0, 0, 0));
  EXPECT_EQ(plan.Passes[4].Color, kF);
}

TEST(ExtrusionTable, EnhancedWithSystemColoursBlendsResolvedValues) {
  TLMD3DCaption c;
  c.SetStyle(tdExtrudeEnh);
  c.SetShadowDepth(2);
  const TFxPlan plan = PlanFxPasses(c, {tdExtrudeEnh, kF});
  EXPECT_EQ(plan.Passes[0].Color, RGB(207, 207, 207));
  EXPECT_EQ(plan.Passes[1].Color, RGB(160, 160, 160));
}

struct LookCase {
  const char* name;
  TLMDThreeDStyle style;
  TLMDDisabledStyle disabled;
  FxDrawFlags flags;
  TLMDThreeDStyle wantStyle;
  TColor wantFace;
};

class LookTable : public ::testing::TestWithParam<LookCase> {};

TEST_P(LookTable, StyleAndFace) {
  const LookCase& w = GetParam();
  TLMD3DCaption c;
  c.SetStyle(w.style);
  c.SetDisabledStyle(w.disabled);
  const TFxLook look = ChooseFxLook(c, w.flags, kBrush, kF);
  EXPECT_EQ(look.Style, w.wantStyle);
  EXPECT_EQ(look.Face, w.wantFace);
}

constexpr FxDrawFlags kEnabled = FxDrawFlagBit(fxdEnabled);
constexpr FxDrawFlags kDisabled = FxDrawFlagBit(fxdDisabled);
constexpr FxDrawFlags kSunkenWhenDisabled = FxDrawFlagBit(fxdDisabled) | FxDrawFlagBit(fxdSunkenWhenDisabled);

INSTANTIATE_TEST_SUITE_P(
    All, LookTable,
    ::testing::Values(LookCase{"EnabledShadow", tdShadow, ds3d, kEnabled, tdShadow, kF},
                      LookCase{"EnabledColorRaised", tdPColorRaised, dsAuto, kEnabled, tdPColorRaised, kBrush},
                      LookCase{"EnabledColorSunken", tdPColorSunken, dsAuto, kEnabled, tdPColorSunken, kBrush},
                      LookCase{"DisabledNoneAsEnabled", tdPColorRaised, dsNone, kDisabled, tdPColorRaised, kBrush},
                      LookCase{"DisabledAuto", tdShadow, dsAuto, kDisabled, tdShadow, clGrayText},
                      LookCase{"DisabledAutoSunken", tdShadow, dsAuto, kSunkenWhenDisabled, tdSunken, clGrayText},
                      LookCase{"Disabled3d", tdExtrude, ds3d, kDisabled, tdSunken, clGrayText},
                      LookCase{"DisabledStandard", tdShadow, dsStandard, kSunkenWhenDisabled, tdShadow, clGrayText},
                      LookCase{"DisabledColorFaceIsGrey", tdPColorRaised, dsStandard, kDisabled, tdPColorRaised,
                               clGrayText},
                      LookCase{"NoFlagsIsDisabled", tdRaised, dsAuto, 0, tdRaised, clGrayText}),
    [](const auto& info) { return std::string(info.param.name); });
