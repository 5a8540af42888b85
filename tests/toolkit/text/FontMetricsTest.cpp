#include <gtest/gtest.h>

#include "toolkit/canvas/Canvas.h"

namespace {

TCanvas& Measuring(TCanvas& canvas, const char* face, int32_t height) {
  canvas.Font().SetName(face);
  canvas.Font().SetHeight(height);
  return canvas;
}

struct TMetricsCase {
  const char* Face;
  int32_t Height;
};

class FontMetricsTest : public ::testing::TestWithParam<TMetricsCase> {};

TEST_P(FontMetricsTest, LineIsAscentPlusDescent) {
  TCanvas canvas;  // no surface: measuring still works
  const TTextMetric m = Measuring(canvas, GetParam().Face, GetParam().Height).GetTextMetrics();
  EXPECT_GT(m.tmAscent, 0);
  EXPECT_GT(m.tmDescent, 0);
  EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
  EXPECT_GT(m.tmAveCharWidth, 0);
  EXPECT_GE(m.tmMaxCharWidth, m.tmAveCharWidth);
  EXPECT_EQ(canvas.TextExtent("").cy, m.tmHeight);
  EXPECT_EQ(canvas.TextExtent("").cx, 0);
  if (GetParam().Height > 0) {  // a cell height: the largest face that fits it
    EXPECT_LE(m.tmHeight, GetParam().Height);
    EXPECT_GE(m.tmHeight, GetParam().Height - 2);
  }
  if (GetParam().Height < 0) {
    EXPECT_GE(m.tmHeight, -GetParam().Height);
  }
}

INSTANTIATE_TEST_SUITE_P(Faces, FontMetricsTest,
                         ::testing::Values(TMetricsCase{"Arial", -37}, TMetricsCase{"Arial", -96},
                                           TMetricsCase{"Arial", 40}, TMetricsCase{"DejaVu Sans", 40},
                                           TMetricsCase{"DejaVu Sans", -11}, TMetricsCase{"Courier New", -13},
                                           TMetricsCase{"Liberation Serif", 25}));

TEST(FontMetrics, KnownValuesOfArialAt28Points) {
  TCanvas canvas;
  canvas.Font().SetName("Arial");
  canvas.Font().SetSize(28);
  const TTextMetric m = canvas.GetTextMetrics();
  EXPECT_EQ(m.tmAscent, 34);
  EXPECT_EQ(m.tmDescent, 8);
  EXPECT_EQ(m.tmAveCharWidth, 21);
  EXPECT_EQ(m.tmPitchAndFamily & TMPF_TRUETYPE, TMPF_TRUETYPE);
}

TEST(FontMetrics, HeightZeroIsTheDefaultSize) {
  TCanvas a;
  TCanvas b;
  a.Font().SetName("Arial");
  a.Font().SetHeight(0);
  b.Font().SetName("Arial");
  b.Font().SetSize(8);
  EXPECT_EQ(a.GetTextMetrics().tmHeight, b.GetTextMetrics().tmHeight);
}

TEST(FontMetrics, ExtentAddsIntegerAdvancesAndTheExtraPerCodePoint) {
  TCanvas canvas;
  Measuring(canvas, "Arial", -37);
  const int32_t a = canvas.TextWidth("A");
  const int32_t v = canvas.TextWidth("V");
  EXPECT_EQ(canvas.TextWidth("AV"), a + v);  // no kerning
  EXPECT_EQ(canvas.TextWidth("AVAV"), 2 * (a + v));
  canvas.SetTextCharacterExtra(3);
  EXPECT_EQ(canvas.TextWidth("AV"), a + v + 6);
  canvas.SetTextCharacterExtra(-2);
  EXPECT_EQ(canvas.TextWidth("AV"), a + v - 4);
  // A surrogate pair is one character: one extra.
  canvas.SetTextCharacterExtra(0);
  const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
  ASSERT_EQ(emoji.size(), 2);
  const int32_t w = canvas.TextWidth(emoji);
  canvas.SetTextCharacterExtra(5);
  EXPECT_EQ(canvas.TextWidth(emoji), w + 5);
  // Line breaks and "&" are plain characters to the extent.
  EXPECT_GT(canvas.TextWidth("&"), 5);
}

TEST(FontMetrics, StyleAndWidthChangeTheAdvances) {
  TCanvas canvas;
  Measuring(canvas, "Arial", -37);
  const int32_t regular = canvas.TextWidth("Hello");
  const int32_t ave = canvas.GetTextMetrics().tmAveCharWidth;
  canvas.Font().SetStyle(FontStyleBit(fsBold));
  EXPECT_GT(canvas.TextWidth("Hello"), regular);
  canvas.Font().SetStyle(0);
  TLogFont wide = canvas.Font().Handle();
  wide.Width = 2 * ave;
  canvas.Font().SetHandle(wide);
  EXPECT_NEAR(canvas.GetTextMetrics().tmAveCharWidth, 2 * ave, 1);
  EXPECT_GT(canvas.TextWidth("Hello"), regular * 3 / 2);
}

TEST(FontMetrics, EscapementLeavesTheMeasuresAlone) {
  TCanvas canvas;
  Measuring(canvas, "Arial", -37);
  const TSize flat = canvas.TextExtent("Rotate");
  TLogFont rotated = canvas.Font().Handle();
  rotated.Escapement = 900;
  canvas.Font().SetHandle(rotated);
  EXPECT_EQ(canvas.TextExtent("Rotate"), flat);
}

TEST(FontMetrics, FacesFollowTheCanvasFont) {
  TCanvas canvas;
  Measuring(canvas, "Arial", -13);
  const int32_t small = canvas.TextWidth("Hello");
  canvas.Font().SetHeight(-50);
  const int32_t large = canvas.TextWidth("Hello");
  EXPECT_GT(large, 3 * small);
  // More faces than the canvas keeps, then back to the first.
  for (int32_t h = -20; h > -32; --h) canvas.Font().SetHeight(h);
  canvas.Font().SetHeight(-13);
  EXPECT_EQ(canvas.TextWidth("Hello"), small);
}

}  // namespace
