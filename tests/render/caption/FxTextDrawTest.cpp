#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "FxTextSupport.h"
#include "render/caption/LMDFxMath.h"

using namespace fxtest;

namespace {

constexpr int kW = 160;
constexpr int kH = 72;
const TRect kRect{10, 8, 150, 66};
const QString kText = QStringLiteral("Ab");
constexpr TColor kFace = clRed;
constexpr TColor kLight = clYellow;
constexpr TColor kShadow = clNavy;
constexpr TColor kBrush = clLime;

TFont TestFont() { return MakeFont(QStringLiteral("DejaVu Sans"), -24, kFace); }

// Light depth 2, shadow depth 3, yellow light, navy shadow.
void Configure(TLMD3DCaption& c, TLMDThreeDStyle style) {
  c.SetStyle(style);
  c.SetLightDepth(2);
  c.SetShadowDepth(3);
  c.SetLightColor(kLight);
  c.SetShadowColor(kShadow);
}

// The rectangles the copies are drawn in: moved by their landing, the right
// edge first taken in by Reduction.
std::vector<TOutput> Outputs(const TRect& r, int32_t reduction, const std::vector<TLanding>& landings) {
  std::vector<TOutput> outputs;
  for (const TLanding& l : landings)
    outputs.push_back({{r.Left + l.DX, r.Top + l.DY, r.Right - reduction + l.DX, r.Bottom + l.DY}, l.Color});
  return outputs;
}

struct StyleCase {
  const char* name;
  TLMDThreeDStyle style;
  int32_t reduction;
  std::vector<TLanding> landings;
};

class StylePasses : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StylePasses, EveryCopyWhereAndInWhatColour) {
  const StyleCase& c = GetParam();
  for (const uint32_t format : {0u, DT_RIGHT, DT_CENTER | DT_VCENTER | DT_SINGLELINE}) {
    for (const bool fx : {false, true}) {
      std::unique_ptr<TLMD3DCaption> caption = fx ? std::make_unique<TLMDFxCaption>() : std::make_unique<TLMD3DCaption>();
      Configure(*caption, c.style);
      auto stage = Stage(kW, kH, TestFont());
      DrawFxText(stage->Canvas(), kText, caption.get(), kRect, format, FxDrawFlagBit(fxdEnabled));
      const TSurface want = Reference(kW, kH, TestFont(), kText, Outputs(kRect, c.reduction, c.landings), format);
      EXPECT_TRUE(SameSurface(stage->Surface(), want)) << "format " << format << (fx ? " fx" : " 3d");
      EXPECT_EQ(stage->Canvas().Brush().Style(), bsClear);
      EXPECT_EQ(stage->Canvas().Font().Color(), c.landings.back().Color);
    }
  }
}

// A solid block makes each copy's place visible: its left and top edges lie
// on whole pixels at this size.
TEST_P(StylePasses, BlockShowsEveryCopyInPlace) {
  const StyleCase& c = GetParam();
  const TFont font = MakeFont(QStringLiteral("DejaVu Sans"), -30, kFace);
  const TSurface single = Reference(kW, kH, MakeFont(QStringLiteral("DejaVu Sans"), -30, clBlack), kBlock,
                                    {{kRect, clBlack}}, 0);
  TLMDFxCaption caption;
  Configure(caption, c.style);
  auto stage = Stage(kW, kH, font);
  DrawFxText(stage->Canvas(), kBlock, &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));
  EXPECT_TRUE(CopiesLand(stage->Surface(), single, c.landings));
}

INSTANTIATE_TEST_SUITE_P(
    All, StylePasses,
    ::testing::Values(
        StyleCase{"None", tdNone, 0, {{0, 0, kFace}}},
        StyleCase{"Sunken", tdSunken, 2, {{2, 2, kLight}, {0, 0, kFace}}},
        StyleCase{"Raised", tdRaised, 2, {{0, 0, kLight}, {2, 2, kFace}}},
        StyleCase{"SunkenShadow", tdSunkenShadow, 5, {{0, 0, kShadow}, {5, 5, kLight}, {3, 3, kFace}}},
        StyleCase{"PColorSunken", tdPColorSunken, 5, {{0, 0, kShadow}, {5, 5, kLight}, {3, 3, kBrush}}},
        StyleCase{"RaisedShadow", tdRaisedShadow, 5, {{5, 5, kShadow}, {0, 0, kLight}, {2, 2, kFace}}},
        StyleCase{"PColorRaised", tdPColorRaised, 5, {{5, 5, kShadow}, {0, 0, kLight}, {2, 2, kBrush}}},
        StyleCase{"Shadow", tdShadow, 3, {{3, 3, kShadow}, {0, 0, kFace}}},
        StyleCase{"Extrude", tdExtrude, 0, {{1, 1, kShadow}, {2, 2, kShadow}, {3, 3, kShadow}, {3, 3, kFace}}},
        StyleCase{"ExtrudeEnh",
                  tdExtrudeEnh,
                  0,
                  {{1, 1, BlendColor(kShadow, kLight, 2, 3)},
                   {2, 2, BlendColor(kShadow, kLight, 1, 3)},
                   {3, 3, kShadow},
                   {3, 3, kFace}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StylePasses, OtherStylesIgnoreTheOrientation) {
  for (int s = tdNone; s <= tdOutline; ++s) {
    auto first = Stage(kW, kH, TestFont());
    TLMD3DCaption caption;
    Configure(caption, static_cast<TLMDThreeDStyle>(s));
    DrawFxText(first->Canvas(), kText, &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));
    for (int o = toBottomLeft; o <= toTopRight; ++o) {
      caption.SetOrientation(static_cast<TLMDThreeDOrientation>(o));
      auto other = Stage(kW, kH, TestFont());
      DrawFxText(other->Canvas(), kText, &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));
      EXPECT_TRUE(SameSurface(other->Surface(), first->Surface())) << "style " << s << " orientation " << o;
    }
  }
}

struct ExtrusionCase {
  TLMDThreeDOrientation orientation;
  TPoint start;  // in units of depth + 1
  TPoint step;
};

class ExtrusionDrawing : public ::testing::TestWithParam<std::tuple<ExtrusionCase, TLMDThreeDStyle, int>> {};

// Copy k lands at start + k * step, the face on the last copy; drawn all
// at once, the copies give exactly the pixels of drawing them one by one.
TEST_P(ExtrusionDrawing, CopiesAndFaceAsDrawnOneByOne) {
  const auto& [o, style, depth] = GetParam();
  const int w = 120 + depth, h = 60 + depth;
  const TRect r{4, 3, w - 4, h - 3};
  TLMDFxCaption caption;
  caption.SetStyle(style);
  caption.SetShadowDepth(static_cast<uint8_t>(depth));
  caption.SetOrientation(o.orientation);
  caption.SetShadowColor(RGB(0, 0, 0));
  caption.SetLightColor(RGB(255, 255, 255));
  auto stage = Stage(w, h, TestFont());
  DrawFxText(stage->Canvas(), kText, &caption, r, 0, FxDrawFlagBit(fxdEnabled));

  const TPoint start{o.start.X * (depth + 1), o.start.Y * (depth + 1)};
  std::vector<TLanding> landings;
  for (int k = 1; k <= depth; ++k) {
    const TColor color = style == tdExtrudeEnh ? BlendColor(RGB(0, 0, 0), RGB(255, 255, 255), depth - k, depth) : RGB(0, 0, 0);
    landings.push_back({start.X + k * o.step.X, start.Y + k * o.step.Y, color});
  }
  landings.push_back({start.X + depth * o.step.X, start.Y + depth * o.step.Y, kFace});
  const TSurface want = Reference(w, h, TestFont(), kText, Outputs(r, 0, landings), 0);
  EXPECT_TRUE(SameSurface(stage->Surface(), want));
}

INSTANTIATE_TEST_SUITE_P(All, ExtrusionDrawing,
                         ::testing::Combine(::testing::Values(ExtrusionCase{toBottomLeft, {0, 1}, {1, -1}},
                                                              ExtrusionCase{toBottomRight, {1, 1}, {-1, -1}},
                                                              ExtrusionCase{toTopLeft, {0, 0}, {1, 1}},
                                                              ExtrusionCase{toTopRight, {1, 0}, {-1, 1}}),
                                            ::testing::Values(tdExtrude, tdExtrudeEnh), ::testing::Values(0, 3, 40)));

struct BlockExtrusionCase {
  TLMDThreeDOrientation orientation;
  std::vector<TPoint> landings;  // copies 1..4, then the face
  int32_t height;                // a size at which the copies' trailing edges lie on whole pixels
};

class BlockExtrusion : public ::testing::TestWithParam<std::tuple<BlockExtrusionCase, TLMDThreeDStyle>> {};

// Depth 4 from black to white: every copy in its place, the enhanced ones
// in 191, 127, 63 and 0, farthest first.
TEST_P(BlockExtrusion, EveryCopyInPlaceAndColour) {
  const auto& [c, style] = GetParam();
  TLMDFxCaption caption;
  caption.SetStyle(style);
  caption.SetShadowDepth(4);
  caption.SetOrientation(c.orientation);
  caption.SetShadowColor(RGB(0, 0, 0));
  caption.SetLightColor(RGB(255, 255, 255));
  const TFont font = MakeFont(QStringLiteral("DejaVu Sans"), c.height, kFace);
  auto stage = Stage(kW, kH, font);
  DrawFxText(stage->Canvas(), kBlock, &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));
  const TSurface single =
      Reference(kW, kH, MakeFont(QStringLiteral("DejaVu Sans"), c.height, clBlack), kBlock, {{kRect, clBlack}}, 0);
  const uint8_t enhanced[] = {191, 127, 63, 0};
  std::vector<TLanding> landings;
  for (int k = 0; k < 4; ++k) {
    const uint8_t level = style == tdExtrudeEnh ? enhanced[k] : 0;
    landings.push_back({c.landings[k].X, c.landings[k].Y, RGB(level, level, level)});
  }
  landings.push_back({c.landings[4].X, c.landings[4].Y, kFace});
  EXPECT_TRUE(CopiesLand(stage->Surface(), single, landings));
}

INSTANTIATE_TEST_SUITE_P(
    All, BlockExtrusion,
    ::testing::Combine(
        ::testing::Values(BlockExtrusionCase{toBottomLeft, {{1, 4}, {2, 3}, {3, 2}, {4, 1}, {4, 1}}, -30},
                          BlockExtrusionCase{toBottomRight, {{4, 4}, {3, 3}, {2, 2}, {1, 1}, {1, 1}}, -24},
                          BlockExtrusionCase{toTopLeft, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {4, 4}}, -30},
                          BlockExtrusionCase{toTopRight, {{4, 1}, {3, 2}, {2, 3}, {1, 4}, {1, 4}}, -30}),
        ::testing::Values(tdExtrude, tdExtrudeEnh)));

TEST(BlockExtrusion, DepthZeroDrawsTheFaceOnePixelDown) {
  TLMDFxCaption caption;
  caption.SetStyle(tdExtrude);
  caption.SetShadowDepth(0);
  caption.SetOrientation(toBottomLeft);
  const TFont font = MakeFont(QStringLiteral("DejaVu Sans"), -30, kFace);
  auto stage = Stage(kW, kH, font);
  DrawFxText(stage->Canvas(), kBlock, &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));
  const TSurface single =
      Reference(kW, kH, MakeFont(QStringLiteral("DejaVu Sans"), -30, clBlack), kBlock, {{kRect, clBlack}}, 0);
  EXPECT_TRUE(CopiesLand(stage->Surface(), single, {{0, 1, kFace}}));
  EXPECT_EQ(ExactBox(stage->Surface(), kFace), ExactBox(single, clBlack).Offset(0, 1));
}

TEST(ExtrusionDrawing, Depth255AsDrawnOneByOne) {
  const int w = 330, h = 300;
  const TRect r{0, 0, w, h};
  TLMDFxCaption caption;
  caption.SetStyle(tdExtrudeEnh);
  caption.SetShadowDepth(255);
  caption.SetOrientation(toBottomRight);
  const TFont font = MakeFont(QStringLiteral("Liberation Sans"), -30, kFace);
  auto stage = Stage(w, h, font);
  DrawFxText(stage->Canvas(), kText, &caption, r, 0, FxDrawFlagBit(fxdEnabled));
  std::vector<TLanding> landings;
  for (int k = 1; k <= 255; ++k) landings.push_back({256 - k, 256 - k, BlendColor(clBtnShadow, clBtnHighlight, 255 - k, 255)});
  landings.push_back({1, 1, kFace});
  EXPECT_TRUE(SameSurface(stage->Surface(), Reference(w, h, font, kText, Outputs(r, 0, landings), 0)));
}

TEST(FxTextDraw, NoCaptionIsOnePlainOutput) {
  auto stage = Stage(kW, kH, TestFont());
  DrawFxText(stage->Canvas(), kText, nullptr, kRect, DT_CENTER, FxDrawFlagBit(fxdClip), TRect{0, 0, 1, 1});
  EXPECT_TRUE(SameSurface(stage->Surface(), Reference(kW, kH, TestFont(), kText, {{kRect, kFace}}, DT_CENTER)));
  EXPECT_EQ(stage->Canvas().Brush().Style(), bsSolid);
  EXPECT_EQ(stage->Canvas().Brush().Color(), kBrush);
}

TEST(FxTextDraw, EmptyTextOrRectangleDrawsNothing) {
  TLMDFxCaption caption;
  Configure(caption, tdShadow);
  caption.SetTracing(3);
  auto stage = Stage(kW, kH, TestFont());
  DrawFxText(stage->Canvas(), QString(), &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));
  DrawFxText(stage->Canvas(), kText, &caption, {10, 10, 10, 50}, 0, FxDrawFlagBit(fxdEnabled));
  DrawFxText(stage->Canvas(), kText, &caption, {10, 10, 50, 9}, 0, FxDrawFlagBit(fxdEnabled));
  EXPECT_EQ(Inked(stage->Surface()), 0);
  EXPECT_EQ(stage->Canvas().Brush().Style(), bsSolid);
}

TEST(FxTextDraw, FxCaptionStartsAtItsPosition) {
  TLMDFxCaption caption;
  caption.SetPosX(7);
  caption.SetPosY(5);
  auto stage = Stage(kW, kH, TestFont());
  DrawFxText(stage->Canvas(), kText, &caption, kRect, DT_RIGHT, FxDrawFlagBit(fxdEnabled));
  const TRect moved{kRect.Left + 7, kRect.Top + 5, kRect.Right, kRect.Bottom};
  EXPECT_TRUE(SameSurface(stage->Surface(), Reference(kW, kH, TestFont(), kText, {{moved, kFace}}, DT_RIGHT)));
}

TEST(FxTextDraw, SunkenRightAlignedEndsLightDepthInFromTheRight) {
  // With a solid block the face's right edge shows where the copy ends.
  const TFont font = MakeFont(QStringLiteral("DejaVu Sans"), -24, kFace);
  auto plain = Stage(kW, kH, font);
  DrawFxText(plain->Canvas(), kBlock, nullptr, kRect, DT_RIGHT, FxDrawFlagBit(fxdEnabled));
  const TRect block = ExactBox(plain->Surface(), kFace);
  ASSERT_FALSE(block.IsEmpty());
  TLMD3DCaption caption;
  Configure(caption, tdSunken);
  caption.SetLightColor(kLight);
  auto stage = Stage(kW, kH, font);
  DrawFxText(stage->Canvas(), kBlock, &caption, kRect, DT_RIGHT, FxDrawFlagBit(fxdEnabled));
  EXPECT_EQ(ExactBox(stage->Surface(), kFace), block.Offset(-2, 0));
  // The light copy lies 2 right of and below the face; its own right and
  // bottom edges stick out from under the face.
  const TRect light = ExactBox(stage->Surface(), kLight);
  EXPECT_EQ(light.Right, block.Right);
  EXPECT_EQ(light.Bottom, block.Bottom + 2);
}

struct DisabledCase {
  const char* name;
  TLMDThreeDStyle style;
  TLMDDisabledStyle disabled;
  FxDrawFlags flags;
  int32_t reduction;
  std::vector<TLanding> landings;
};

class DisabledDrawing : public ::testing::TestWithParam<DisabledCase> {};

TEST_P(DisabledDrawing, Passes) {
  const DisabledCase& c = GetParam();
  TLMD3DCaption caption;
  Configure(caption, c.style);
  caption.SetDisabledStyle(c.disabled);
  auto stage = Stage(kW, kH, TestFont());
  DrawFxText(stage->Canvas(), kText, &caption, kRect, 0, c.flags);
  EXPECT_TRUE(SameSurface(stage->Surface(), Reference(kW, kH, TestFont(), kText, Outputs(kRect, c.reduction, c.landings), 0)));
}

constexpr FxDrawFlags kDisabled = FxDrawFlagBit(fxdDisabled);

INSTANTIATE_TEST_SUITE_P(
    All, DisabledDrawing,
    ::testing::Values(
        DisabledCase{"NoneAsEnabled", tdPColorRaised, dsNone, kDisabled, 5, {{5, 5, kShadow}, {0, 0, kLight}, {2, 2, kBrush}}},
        DisabledCase{"StandardShadow", tdShadow, dsStandard, kDisabled, 3, {{3, 3, kShadow}, {0, 0, clGrayText}}},
        DisabledCase{"StandardIgnoresSunkenFlag", tdShadow, dsStandard, kDisabled | FxDrawFlagBit(fxdSunkenWhenDisabled), 3,
                     {{3, 3, kShadow}, {0, 0, clGrayText}}},
        DisabledCase{"ThreeDIsSunken", tdExtrude, ds3d, kDisabled, 2, {{2, 2, kLight}, {0, 0, clGrayText}}},
        DisabledCase{"AutoKeepsStyle", tdRaised, dsAuto, kDisabled, 2, {{0, 0, kLight}, {2, 2, clGrayText}}},
        DisabledCase{"AutoSunkenWhenAsked", tdRaised, dsAuto, kDisabled | FxDrawFlagBit(fxdSunkenWhenDisabled), 2,
                     {{2, 2, kLight}, {0, 0, clGrayText}}},
        DisabledCase{"ColourFaceTurnsGrey", tdPColorSunken, dsStandard, kDisabled, 5,
                     {{0, 0, kShadow}, {5, 5, kLight}, {3, 3, clGrayText}}},
        DisabledCase{"NoFlagsIsDisabled", tdShadow, dsAuto, 0, 3, {{3, 3, kShadow}, {0, 0, clGrayText}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FxTextDraw, OutlineStrokesTheTextPath) {
  const TFont font = MakeFont(QStringLiteral("DejaVu Sans"), -40, kFace);
  TLMD3DCaption caption;
  caption.SetStyle(tdOutline);
  caption.SetShadowDepth(5);
  auto stage = Stage(kW, kH, font);
  DrawFxText(stage->Canvas(), kBlock, &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));

  TSurface want = FilledSurface(kW, kH, clWhite);
  TCanvas canvas(&want);
  canvas.SetFont(font);
  canvas.BeginPath();
  TRect r = kRect.Offset(2, 2);
  canvas.DrawTextEx(kBlock, r, 0);
  canvas.EndPath();
  canvas.Pen().SetColor(kFace);
  canvas.Pen().SetWidth(5);
  canvas.StrokePath();
  EXPECT_TRUE(SameSurface(stage->Surface(), want));
  EXPECT_GT(Inked(want), 0);
  // The letter is outlined, not filled: the middle of the block stays white.
  const TRect outline = ExactBox(stage->Surface(), kFace);
  EXPECT_TRUE(PixelIs(stage->Surface(), (outline.Left + outline.Right) / 2, (outline.Top + outline.Bottom) / 2, clWhite));
  EXPECT_EQ(stage->Canvas().Pen().Width(), 5);
  EXPECT_EQ(stage->Canvas().Pen().Color(), kFace);
}

TEST(FxTextDraw, TracingSpacesTheCopiesAndIsUndone) {
  TLMD3DCaption caption;
  Configure(caption, tdShadow);
  caption.SetTracing(6);
  auto stage = Stage(kW, kH, TestFont());
  DrawFxText(stage->Canvas(), kText, &caption, kRect, 0, FxDrawFlagBit(fxdEnabled));
  EXPECT_TRUE(SameSurface(stage->Surface(), Reference(kW, kH, TestFont(), kText,
                                                      Outputs(kRect, 3, {{3, 3, kShadow}, {0, 0, kFace}}), 0, 6)));
  EXPECT_EQ(stage->Canvas().TextCharacterExtra(), 0);
}

TEST(FxTextDraw, ClipKeepsOutputInsideAndIsRemoved) {
  TLMD3DCaption caption;
  Configure(caption, tdShadow);
  caption.SetTracing(-1);
  const TFont font = MakeFont(QStringLiteral("DejaVu Sans"), -40, kFace);
  // Without fxdClip, DT_NOCLIP text runs past a narrow rectangle.
  const TRect narrow{10, 8, 30, 66};
  auto loose = Stage(kW, kH, font);
  DrawFxText(loose->Canvas(), kBlock + kBlock, &caption, narrow, DT_NOCLIP, FxDrawFlagBit(fxdEnabled));
  EXPECT_FALSE(PixelIs(loose->Surface(), 40, 30, clWhite));

  auto clipped = Stage(kW, kH, font);
  DrawFxText(clipped->Canvas(), kBlock + kBlock, &caption, narrow, DT_NOCLIP,
             FxDrawFlagBit(fxdEnabled) | FxDrawFlagBit(fxdClip));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (!narrow.Contains({x, y})) {
        ASSERT_TRUE(PixelIs(clipped->Surface(), x, y, clWhite));
      }
  EXPECT_GT(Inked(clipped->Surface()), 0);
  EXPECT_FALSE(clipped->Canvas().ClipRegion().has_value());
  EXPECT_EQ(clipped->Canvas().TextCharacterExtra(), 0);
}

TEST(FxTextDraw, ClipRectangleIsInDeviceCoordinates) {
  TLMD3DCaption caption;
  Configure(caption, tdRaised);
  auto stage = Stage(kW, kH, TestFont());
  stage->Canvas().SetOrigin({20, 0});
  const TRect deviceClip{30, 0, 60, kH};
  DrawFxText(stage->Canvas(), kText, &caption, {0, 8, 140, 66}, 0, FxDrawFlagBit(fxdEnabled) | FxDrawFlagBit(fxdClip),
             deviceClip);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (!deviceClip.Contains({x, y})) {
        ASSERT_TRUE(PixelIs(stage->Surface(), x, y, clWhite));
      }
  EXPECT_GT(Inked(stage->Surface()), 0);
  EXPECT_FALSE(stage->Canvas().ClipRegion().has_value());
}

TEST(FxTextDraw, ClipAndSpacingAreRestoredWhenDrawingFails) {
  for (const TLMDThreeDStyle style : {tdSunken, tdOutline, tdExtrudeEnh}) {
    TLMDFxCaption caption;
    Configure(caption, style);
    caption.SetTracing(5);
    auto stage = Stage(kW, kH, TestFont());
    // The first change of the font or pen colour in the passes fails.
    const auto fail = [] { throw std::runtime_error("drawing failed"); };
    stage->Canvas().Font().OnChange = fail;
    stage->Canvas().Pen().OnChange = fail;
    EXPECT_THROW(DrawFxText(stage->Canvas(), kText, &caption, kRect, 0,
                            FxDrawFlagBit(fxdEnabled) | FxDrawFlagBit(fxdClip), TRect{0, 0, 50, 50}),
                 std::runtime_error)
        << style;
    stage->Canvas().Font().OnChange = nullptr;
    stage->Canvas().Pen().OnChange = nullptr;
    EXPECT_FALSE(stage->Canvas().ClipRegion().has_value()) << style;
    EXPECT_EQ(stage->Canvas().TextCharacterExtra(), 0) << style;
    // Text paints again afterwards: no path bracket was left open.
    const int before = Inked(stage->Surface());
    TRect r = kRect;
    stage->Canvas().Font().SetColor(clBlack);
    stage->Canvas().DrawTextEx(QStringLiteral("W"), r, DT_RIGHT);
    EXPECT_GT(Inked(stage->Surface()), before) << style;
  }
}

const QString kRotatedText = QStringLiteral("Ab&\nc");

// Rotated text measured for Caption, then drawn in the measured box.
std::unique_ptr<TBitmap> DrawRotated(TLMDFxCaption& caption, TRect& box) {
  TCanvas scratch;
  box = {};
  CalcFxTextRect(scratch, kRotatedText, &caption, box, TestFont(), false, true, 0, 0);
  auto stage = Stage(box.Width(), box.Height(), TestFont());
  DrawFxText(stage->Canvas(), kRotatedText, &caption, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
             FxDrawFlagBit(fxdEnabled));
  return stage;
}

class RotatedDrawing : public ::testing::TestWithParam<int> {};

// One line, "&" and line break drawn as characters, from (PosX, PosY)
// whatever the format says, each copy moved by its landing.
TEST_P(RotatedDrawing, PassesFromTheMeasuredStart) {
  const int degrees = GetParam();
  TLMDFxCaption caption;
  Configure(caption, tdShadow);
  caption.SetAngle(static_cast<TLMDAngle>(degrees));
  TRect box;
  const auto stage = DrawRotated(caption, box);
  const TRect at{caption.PosX(), caption.PosY(), box.Width(), box.Height()};
  const TSurface want = Reference(box.Width(), box.Height(), TestFont(), kRotatedText,
                                  Outputs(at, 0, {{3, 3, kShadow}, {0, 0, kFace}}), 0, 0, true, degrees * 10);
  EXPECT_TRUE(SameSurface(stage->Surface(), want));
  EXPECT_GT(Inked(want), 100);
  EXPECT_EQ(stage->Canvas().Font().Handle().Escapement, degrees * 10) << "the canvas font stays turned";
}

INSTANTIATE_TEST_SUITE_P(All, RotatedDrawing, ::testing::Values(90, 270, 45));

TEST(RotatedDrawing, MinusNinetyTurnsExactlyAsTwoSeventy) {
  TLMDFxCaption a, b;
  Configure(a, tdExtrudeEnh);
  Configure(b, tdExtrudeEnh);
  a.SetAngle(270);
  b.SetAngle(65446);
  TRect boxA, boxB;
  const auto stageA = DrawRotated(a, boxA);
  const auto stageB = DrawRotated(b, boxB);
  EXPECT_EQ(boxA, boxB);
  EXPECT_TRUE(SameSurface(stageB->Surface(), stageA->Surface()));
  EXPECT_EQ(stageB->Canvas().Font().Handle().Escapement, 2700);
}

TEST(RotatedDrawing, NinetyTurnsUpward) {
  // A wide block turned a quarter to the left stands taller than wide.
  TLMDFxCaption caption;
  caption.SetAngle(90);
  TRect box;
  const auto stage = DrawRotated(caption, box);
  TCanvas measure;
  measure.SetFont(TestFont());
  const TSize s = measure.TextExtent(kRotatedText);
  EXPECT_EQ(box.Width(), 2 * (s.cy / 2) + 2);
  EXPECT_EQ(box.Height(), 2 * (s.cx / 2) + 2);
  const TRect ink = ExactBox(stage->Surface(), kFace);
  EXPECT_GT(ink.Height(), ink.Width());
}

}  // namespace
