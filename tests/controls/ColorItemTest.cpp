#include <gtest/gtest.h>

#include "controls/LMDColorItem.h"
#include "support/PixelAssert.h"
#include "toolkit/canvas/Canvas.h"

namespace {

// The item's rectangle on a lime surface: 100 x 16 at (10, 5), unless a
// case gives its own.
constexpr TRect kItem{10, 5, 110, 21};
constexpr TColor kGround = clLime;

enum TSwatchKind : uint8_t { skNone, skOutlined, skRaised };

struct ItemCase {
  const char* Name;
  QString Text;
  TLMDColorCBStyle Style;
  bool Selected;
  bool Disabled;
  TSwatchKind Swatch;
  TRect SwatchRect;
  TColor SwatchColor;
  int32_t NameX;  // -1: no name
  QString Shown;
  TRect Item = kItem;
};

void SetItemFont(TCanvas& canvas) {
  canvas.Font().SetName(QStringLiteral("Liberation Sans"));
  canvas.Font().SetHeight(-11);
}

void FillPixels(TSurface& surface, const TRect& rect, TColor color) {
  for (int32_t y = rect.Top; y < rect.Bottom; ++y)
    for (int32_t x = rect.Left; x < rect.Right; ++x) surface.SetPixel(x, y, ColorToPixel(color));
}

// The item as it must look, pixel by pixel; only the name is left to the
// text drawing.
TSurface ExpectedItem(const ItemCase& c) {
  TSurface surface = FilledSurface(130, 30, kGround);
  FillPixels(surface, c.Item, c.Selected ? clHighlight : clWindow);
  const TRect s = c.SwatchRect;
  if (c.Swatch == skOutlined) {
    FillPixels(surface, s, clBlack);
    FillPixels(surface, {s.Left + 1, s.Top + 1, s.Right - 1, s.Bottom - 1}, c.SwatchColor);
  } else if (c.Swatch == skRaised) {
    FillPixels(surface, s, c.SwatchColor);
    FillPixels(surface, {s.Left, s.Top, s.Right - 1, s.Top + 1}, clBtnHighlight);
    FillPixels(surface, {s.Left, s.Top, s.Left + 1, s.Bottom - 1}, clBtnHighlight);
    FillPixels(surface, {s.Left, s.Bottom - 1, s.Right, s.Bottom}, clBtnShadow);
    FillPixels(surface, {s.Right - 1, s.Top, s.Right, s.Bottom}, clBtnShadow);
  }
  if (c.NameX >= 0) {
    TCanvas canvas(&surface);
    SetItemFont(canvas);
    canvas.Font().SetColor(c.Selected ? clHighlightText : c.Disabled ? clInactiveCaption : clWindowText);
    canvas.TextOut(c.NameX, c.Item.Top + 2, c.Shown);
  }
  return surface;
}

class ColorItemTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ColorItemTest, DrawsExactPixels) {
  const ItemCase& c = GetParam();
  TSurface surface = FilledSurface(130, 30, kGround);
  TCanvas canvas(&surface);
  SetItemFont(canvas);
  TLMDColorItemLook look;
  look.Style = c.Style;
  look.Selected = c.Selected;
  look.Disabled = c.Disabled;
  DrawColorItem(canvas, c.Item, c.Text, look);
  EXPECT_TRUE(SameSurface(surface, ExpectedItem(c)));
}

// Swatches from (left + 4, top + 2) to (left + height + 8, bottom - 2),
// the name 6 pixels right of it; a swatch alone 3 pixels inside.
const TRect kSwatch{14, 7, 34, 19};
const ItemCase kItemCases[] = {
    {"ColorText", "clRed", csColorText, false, false, skOutlined, kSwatch, clRed, 40, "Red"},
    {"Color3DText", "clNavy", csColor3DText, false, false, skRaised, kSwatch, clNavy, 40, "Navy"},
    {"Color3DTextSelected", "clNavy", csColor3DText, true, false, skRaised, kSwatch, clNavy, 40, "Navy"},
    {"Color3DTextSystemColour", "clBtnFace", csColor3DText, false, false, skRaised, kSwatch, clBtnFace, 40, "BtnFace"},
    {"ValueShownAsWritten", "$00123456", csColorText, false, false, skOutlined, kSwatch, 0x123456, 40, "$00123456"},
    {"TallerItemWiderSwatch", "clRed", csColor3DText, false, false, skRaised, {14, 7, 38, 23}, clRed, 44, "Red",
     {10, 5, 110, 25}},
    {"Disabled", "clRed", csColorText, false, true, skOutlined, kSwatch, clRed, 40, "Red"},
    {"ColorAlone", "clBlue", csColor, false, false, skOutlined, {13, 8, 107, 18}, clBlue, -1, ""},
    {"TextAlone", "clTeal", csText, false, false, skNone, {}, clNone, 12, "Teal"},
    {"NoItem", "", csColor3DText, false, false, skNone, {}, clNone, -1, ""},
    {"None", "clNone", csColorText, false, false, skNone, {}, clNone, -1, ""},
    {"NotAColour", "clNothing", csColorText, false, false, skNone, {}, clNone, -1, ""},
};

INSTANTIATE_TEST_SUITE_P(Items, ColorItemTest, ::testing::ValuesIn(kItemCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
