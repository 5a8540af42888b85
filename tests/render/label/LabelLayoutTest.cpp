#include <gtest/gtest.h>

#include "LabelTestSupport.h"
#include "render/caption/LMDFxText.h"
#include "render/fill/LMDGradient.h"

namespace {

const QString kText = QStringLiteral("Текстъ!");

// A label of 300 x 100 that does not size itself, red text, placed by
// Alignment; filled with solid blue when Filled, so that moved text keeps
// its pixels.
struct TPlacedLabel : TLabelScene {
  TPlacedLabel(TLMDAlignment alignment, bool filled) : TLabelScene(kText) {
    Label.Font().SetColor(clRed);
    Label.SetAutoSize(false);
    Label.SetBounds(10, 10, 300, 100);
    Label.SetAlignment(alignment);
    if (!filled) return;
    Label.FillObject().Brush().SetColor(clBlue);
    Label.FillObject().SetStyle(sfBrush);
  }
};

// Surface A, moved by (DX, DY), equals B over Rect.
::testing::AssertionResult Shifted(const TSurface& a, const TSurface& b, int32_t dx, int32_t dy, const TRect& rect) {
  for (int32_t y = rect.Top; y < rect.Bottom; ++y)
    for (int32_t x = rect.Left; x < rect.Right; ++x)
      if ((a.Pixel(x, y) | 0xFF000000u) != (b.Pixel(x + dx, y + dy) | 0xFF000000u))
        return ::testing::AssertionFailure() << "at (" << x << ", " << y << ")";
  return ::testing::AssertionSuccess();
}

TSize Extent(const TFont& font) {
  TCanvas canvas;
  canvas.SetFont(font);
  return canvas.TextExtent(kText);
}

int32_t LineHeight(const TFont& font) { return Extent(font).cy; }

// How far DT_CENTER moves the line from the left in a 300 pixel label.
int32_t CentreShift(const TFont& font) { return (300 - Extent(font).cx) / 2; }

TEST(LabelLayout, CentredPlainTextSitsInTheMiddleOfTheLabel) {
  TPlacedLabel top(agTopCenter, false);
  TPlacedLabel centre(agCenter, false);
  const int32_t dy = (100 - LineHeight(top.Label.Font())) / 2;
  ASSERT_GT(dy, 10);
  const TSurface& a = top.Render();
  const TSurface& b = centre.Render();
  EXPECT_TRUE(Shifted(a, b, 0, dy, {10, 10, 310, 110 - dy}));
  EXPECT_EQ(InkBox(b, clGray).Top - InkBox(a, clGray).Top, dy);
  // Centred across as well.
  TPlacedLabel left(agTopLeft, false);
  const int32_t dx = CentreShift(left.Label.Font());
  EXPECT_TRUE(Shifted(left.Render(), a, dx, 0, {10, 10, 310 - dx, 110}));
}

TEST(LabelLayout, CentredFilledTextStaysAtTheTop) {
  TPlacedLabel top(agTopCenter, true);
  TPlacedLabel centre(agCenter, true);
  const TSurface& a = top.Render();
  const TSurface& b = centre.Render();
  EXPECT_TRUE(Shifted(a, b, 0, 0, {0, 0, 400, 200}));
  EXPECT_GT(CountPixels(b, b.Bounds(), clBlue), 100);
  TPlacedLabel left(agTopLeft, true);
  const int32_t dx = CentreShift(left.Label.Font());
  EXPECT_TRUE(Shifted(left.Render(), b, dx, 0, {10, 10, 310 - dx, 110}));
}

TEST(LabelLayout, MultiLineTextIsPlacedAsAWholeInBothPaints) {
  for (bool filled : {false, true}) {
    TPlacedLabel centre(agCenter, filled);
    centre.Label.SetMultiLine(true);
    centre.Label.SetCaption("Ab\r\nCd");
    TPlacedLabel top(agTopCenter, filled);
    top.Label.SetMultiLine(true);
    top.Label.SetCaption("Ab\r\nCd");
    const int32_t dy = (100 - 2 * LineHeight(top.Label.Font()) - 2) / 2;
    const TSurface& b = centre.Render();
    EXPECT_TRUE(Shifted(top.Render(), b, 0, dy, {10, 10, 310, 110 - dy})) << filled;
  }
}

// The rotated text as drawn at the caption's PosX and PosY in the label's
// client rectangle.
TSurface RotatedAtPos(TLMDLabelFill& label) {
  TSurface want = FilledSurface(400, 200, clGray);
  TCanvas canvas(&want);
  canvas.SetOrigin({label.Left(), label.Top()});
  canvas.SetPaintLimit(label.BoundsRect());
  canvas.SetFont(label.Font());
  canvas.Brush().SetColor(label.Color());
  DrawFxText(canvas, kText, &label.FontFX(), label.ClientRect(), DT_SINGLELINE, FxDrawFlagBit(fxdEnabled));
  return want;
}

TEST(LabelLayout, RotatedTextWithoutAutoSizeStartsAtTheLastMeasuredPosition) {
  TLabelScene scene(kText);
  scene.Label.Font().SetColor(clRed);
  scene.Label.FontFX().SetAngle(30);
  const uint16_t x = scene.Label.FontFX().PosX(), y = scene.Label.FontFX().PosY();
  EXPECT_GT(y, 30);
  scene.Label.SetAutoSize(false);
  scene.Label.SetBounds(10, 10, 300, 150);
  const TSurface& got = scene.Render();
  EXPECT_EQ(scene.Label.FontFX().PosX(), x);
  EXPECT_EQ(scene.Label.FontFX().PosY(), y);
  const TSurface want = RotatedAtPos(scene.Label);
  EXPECT_TRUE(Shifted(got, want, 0, 0, {0, 0, 400, 200}));
  EXPECT_GT(CountPixels(got, scene.Label.BoundsRect(), clRed), 100);
}

TEST(LabelLayout, RotatedTextNeverMeasuredStartsAtTheCorner) {
  TLabelScene scene(kText);
  scene.Label.Font().SetColor(clRed);
  scene.Label.SetAutoSize(false);
  scene.Label.SetBounds(10, 10, 300, 150);
  scene.Label.FontFX().SetAngle(30);
  EXPECT_EQ(scene.Label.FontFX().PosX(), 0);
  EXPECT_EQ(scene.Label.FontFX().PosY(), 0);
  const TSurface& got = scene.Render();
  EXPECT_TRUE(Shifted(got, RotatedAtPos(scene.Label), 0, 0, {0, 0, 400, 200}));
  // Turned up from the top-left corner, most of the text lies above the label.
  const TRect ink = InkBox(got, clGray);
  EXPECT_EQ(ink.Top, 10);
  EXPECT_LT(ink.Bottom, 10 + LineHeight(scene.Label.Font()) + 2);
}

}  // namespace
