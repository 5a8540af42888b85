#include <gtest/gtest.h>

#include "support/PixelAssert.h"
#include "toolkit/canvas/Canvas.h"

namespace {

const QString kCyrillic = QString::fromUtf8("Текстъ!");


int CountPixels(const TSurface& surface, const std::function<bool(QRgb)>& test) {
  int n = 0;
  for (int32_t y = 0; y < surface.Height(); ++y)
    for (int32_t x = 0; x < surface.Width(); ++x) n += test(surface.Pixel(x, y) | 0xFF000000u);
  return n;
}

bool SameImage(const TSurface& a, const TSurface& b) { return a.Image() == b.Image(); }

void UseFont(TCanvas& canvas, const char* face, int32_t points, TColor color = clBlack) {
  canvas.Font().SetName(face);
  canvas.Font().SetSize(points);
  canvas.Font().SetColor(color);
}

TEST(TextDraw, InsideOfAGlyphIsExactlyTheFontColour) {
  TSurface surface = FilledSurface(200, 150, clWhite);
  TCanvas canvas(&surface);
  const TColor colour = RGB(200, 30, 60);
  UseFont(canvas, "Arial", 72, colour);
  TRect r{10, 10, 200, 150};
  canvas.DrawTextEx("I", r, 0);
  const TRect ink = InkBox(surface);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_TRUE(PixelIs(surface, (ink.Left + ink.Right) / 2, (ink.Top + ink.Bottom) / 2, colour));
  // The stem is solid: most of its box is exactly the colour.
  const int exact = CountPixels(surface, [&](QRgb p) { return p == ColorToPixel(colour); });
  EXPECT_GT(exact, ink.Width() * ink.Height() * 3 / 4);
}

TEST(TextDraw, AntialiasedInGreyLevelsOnly) {
  TSurface surface = FilledSurface(300, 60, clWhite);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 20, clRed);
  TRect r{2, 2, 300, 60};
  canvas.DrawTextEx("Wavy lines, ovals & curves", r, DT_NOPREFIX);
  // Red over white: a grey-level coverage keeps red full and green = blue.
  EXPECT_EQ(CountPixels(surface, [](QRgb p) { return qRed(p) != 255 || qGreen(p) != qBlue(p); }), 0);
  EXPECT_GT(CountPixels(surface, [](QRgb p) { return qGreen(p) > 0 && qGreen(p) < 255; }), 50);
  EXPECT_GT(CountPixels(surface, [](QRgb p) { return p == 0xFFFF0000u; }), 50);
}

TEST(TextDraw, PaintsNoBackground) {
  TSurface surface = FilledSurface(200, 60, clBlue);
  TCanvas canvas(&surface);
  canvas.Brush().SetColor(clLime);
  UseFont(canvas, "Arial", 20, clWhite);
  TRect r{0, 0, 200, 60};
  canvas.DrawTextEx("Hello", r, 0);
  canvas.ExtTextOut(0, 30, "Hello");
  EXPECT_EQ(CountPixels(surface, [](QRgb p) { return qGreen(p) != qRed(p); }), 0);
  const TRect ink = InkBox(surface, clBlue);
  EXPECT_LT(ink.Width(), canvas.TextWidth("Hello") + 2);
}

TEST(TextDraw, OriginMovesAndClipCutsTheOutput) {
  TSurface moved = FilledSurface(200, 100, clWhite);
  TSurface plain = FilledSurface(200, 100, clWhite);
  TCanvas a(&moved);
  TCanvas b(&plain);
  UseFont(a, "Arial", 20);
  UseFont(b, "Arial", 20);
  a.SetOrigin({30, 20});
  TRect ra{0, 0, 150, 60};
  TRect rb{30, 20, 180, 80};
  a.DrawTextEx("Origin", ra, 0);
  b.DrawTextEx("Origin", rb, 0);
  EXPECT_TRUE(SameImage(moved, plain));
  a.ExtTextOut(0, 40, "Again");
  b.ExtTextOut(30, 60, "Again");
  EXPECT_TRUE(SameImage(moved, plain));

  TSurface clipped = FilledSurface(200, 100, clWhite);
  TCanvas c(&clipped);
  UseFont(c, "Arial", 20);
  c.SelectClipRect({0, 0, 60, 100});
  c.DrawTextEx("Origin", rb, 0);
  c.ExtTextOut(30, 60, "Again");
  for (int32_t y = 0; y < 100; ++y)
    for (int32_t x = 0; x < 200; ++x)
      ASSERT_EQ(clipped.Pixel(x, y), x < 60 ? plain.Pixel(x, y) : kWhitePixel) << x << ", " << y;
}

TEST(TextDraw, DrawTextClipsToItsRectangleUnlessNoClip) {
  TSurface surface = FilledSurface(300, 60, clWhite);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 20);
  TRect r{10, 10, 50, 30};
  canvas.DrawTextEx("Clipped text", r, 0);
  const TRect ink = InkBox(surface);
  EXPECT_GE(ink.Left, 10);
  EXPECT_GE(ink.Top, 10);
  EXPECT_LE(ink.Right, 50);
  EXPECT_LE(ink.Bottom, 30);
  canvas.DrawTextEx("Clipped text", r, DT_NOCLIP);
  EXPECT_GT(InkBox(surface).Right, 100);
}

TEST(TextDraw, KeptMaskGivesTheSamePixelsAsANewRendering) {
  TSurface reused = FilledSurface(400, 200, clWhite);
  TSurface fresh = FilledSurface(400, 200, clWhite);
  TCanvas one(&reused);
  UseFont(one, "Arial", 48, clNavy);
  TRect r{5, 5, 395, 120};
  one.DrawTextEx(kCyrillic, r, DT_CENTER);
  one.Font().SetColor(clYellow);
  TRect moved = r.Offset(7, 61);
  one.DrawTextEx(kCyrillic, moved, DT_CENTER);
  for (TColor colour : {clNavy, clYellow}) {
    TCanvas each(&fresh);
    UseFont(each, "Arial", 48, colour);
    TRect at = colour == clNavy ? r : moved;
    each.DrawTextEx(kCyrillic, at, DT_CENTER);
  }
  EXPECT_TRUE(SameImage(reused, fresh));
  // Another text on the same canvas is rendered anew.
  one.Font().SetColor(clBlack);
  TRect other{5, 5, 395, 120};
  TSurface again = FilledSurface(400, 200, clWhite);
  one.SetSurface(&again);
  one.DrawTextEx("Other", other, DT_CENTER);
  TSurface expected = FilledSurface(400, 200, clWhite);
  TCanvas check(&expected);
  UseFont(check, "Arial", 48, clBlack);
  check.DrawTextEx("Other", other, DT_CENTER);
  EXPECT_TRUE(SameImage(again, expected));
}

TEST(TextDraw, AlignmentMovesTheSamePixels) {
  TSurface top = FilledSurface(300, 100, clWhite);
  TSurface centred = FilledSurface(300, 100, clWhite);
  TCanvas a(&top);
  TCanvas b(&centred);
  UseFont(a, "Arial", 20);
  UseFont(b, "Arial", 20);
  const TSize extent = a.TextExtent("Centre");
  TRect plain{(300 - extent.cx) / 2, 10, 300, 100};
  a.DrawTextEx("Centre", plain, 0);
  TRect box{0, 0, 300, extent.cy + 20};
  EXPECT_EQ(b.DrawTextEx("Centre", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE), extent.cy);
  EXPECT_TRUE(SameImage(top, centred));
  // Without DT_SINGLELINE the vertical flags do nothing.
  TSurface multi = FilledSurface(300, 100, clWhite);
  TCanvas c(&multi);
  UseFont(c, "Arial", 20);
  TRect high{(300 - extent.cx) / 2, 10, 300, 100};
  c.DrawTextEx("Centre", high, DT_VCENTER);
  EXPECT_TRUE(SameImage(multi, top));
}

struct TTurnCase {
  int32_t Escapement;
  // The box the text may occupy, from the reference point, in units of the
  // text width W and line height H: left, top, right, bottom as (w, h) pairs.
  int Box[4][2];
};

class TextTurnTest : public ::testing::TestWithParam<TTurnCase> {};

TEST_P(TextTurnTest, OutputTurnsAboutItsReferencePoint) {
  TSurface surface = FilledSurface(400, 400, clWhite);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 28);
  const TSize extent = canvas.TextExtent("Turn me");
  TLogFont turned = canvas.Font().Handle();
  turned.Escapement = GetParam().Escapement;
  canvas.Font().SetHandle(turned);
  const TPoint ref{200, 200};
  canvas.ExtTextOut(ref.X, ref.Y, "Turn me");
  auto at = [&](const int* wh) { return wh[0] * extent.cx + wh[1] * extent.cy; };
  const TRect allowed{ref.X + at(GetParam().Box[0]) - 1, ref.Y + at(GetParam().Box[1]) - 1,
                      ref.X + at(GetParam().Box[2]) + 1, ref.Y + at(GetParam().Box[3]) + 1};
  const TRect ink = InkBox(surface);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, allowed.Left);
  EXPECT_GE(ink.Top, allowed.Top);
  EXPECT_LE(ink.Right, allowed.Right);
  EXPECT_LE(ink.Bottom, allowed.Bottom);
  // The ink spans most of the text in its direction.
  EXPECT_GT(std::max(ink.Width(), ink.Height()), extent.cx * 4 / 5);
}

INSTANTIATE_TEST_SUITE_P(Escapement, TextTurnTest,
                         ::testing::Values(TTurnCase{0, {{0, 0}, {0, 0}, {1, 0}, {0, 1}}},
                                           // counter-clockwise: the text runs upwards
                                           TTurnCase{900, {{0, 0}, {-1, 0}, {0, 1}, {0, 0}}},
                                           TTurnCase{1800, {{-1, 0}, {0, -1}, {0, 0}, {0, 0}}},
                                           TTurnCase{2700, {{0, -1}, {0, 0}, {0, 0}, {1, 0}}},
                                           TTurnCase{3600 + 900, {{0, 0}, {-1, 0}, {0, 1}, {0, 0}}},
                                           TTurnCase{-900, {{0, -1}, {0, 0}, {0, 0}, {1, 0}}}));

TEST(TextDraw, TurnedAtFortyFiveDegreesRisesToTheRight) {
  TSurface surface = FilledSurface(400, 400, clWhite);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 28);
  const int32_t w = canvas.TextWidth("Diagonal");
  const int32_t h = canvas.GetTextMetrics().tmHeight;
  TLogFont turned = canvas.Font().Handle();
  turned.Escapement = 450;
  canvas.Font().SetHandle(turned);
  canvas.ExtTextOut(100, 300, "Diagonal");
  const TRect ink = InkBox(surface);
  const int32_t reach = static_cast<int32_t>(w * 0.7071);
  EXPECT_NEAR(ink.Right, 100 + reach, 40);
  EXPECT_NEAR(ink.Top, 300 - reach, 10);
  // The cell's bottom-left corner turns to the lower right of the point.
  EXPECT_GE(ink.Left, 99);
  EXPECT_LE(ink.Bottom, 300 + static_cast<int32_t>(h * 0.7071) + 2);
}

TEST(TextDraw, PathCollectsOutlinesAndStrokesThemWithThePen) {
  TSurface filled = FilledSurface(200, 150, clWhite);
  TCanvas fill(&filled);
  UseFont(fill, "Arial", 72);
  fill.ExtTextOut(20, 10, "IO");
  const TRect ink = InkBox(filled);
  const TPoint stem{ink.Left + 5, (ink.Top + ink.Bottom) / 2};
  ASSERT_TRUE(PixelIs(filled, stem.X, stem.Y, clBlack));

  TSurface outlined = FilledSurface(200, 150, clWhite);
  TCanvas canvas(&outlined);
  UseFont(canvas, "Arial", 72);
  canvas.Pen().SetColor(clRed);
  canvas.Pen().SetWidth(0);
  canvas.BeginPath();
  canvas.ExtTextOut(20, 10, "IO");
  canvas.EndPath();
  EXPECT_TRUE(InkBox(outlined).IsEmpty());
  canvas.StrokePath();
  const int thin = CountPixels(outlined, [](QRgb p) { return p != kWhitePixel; });
  EXPECT_GT(thin, 100);
  EXPECT_EQ(CountPixels(outlined, [](QRgb p) { return p != kWhitePixel && p != 0xFFFF0000u; }), 0);
  EXPECT_TRUE(PixelIs(outlined, stem.X, stem.Y, clWhite));
  const TRect outline = InkBox(outlined);
  EXPECT_NEAR(outline.Left, ink.Left, 1);
  EXPECT_NEAR(outline.Right, ink.Right, 1);
  // The path is gone after stroking.
  canvas.Pen().SetColor(clBlue);
  canvas.StrokePath();
  EXPECT_EQ(CountPixels(outlined, [](QRgb p) { return p == 0xFF0000FFu; }), 0);

  TSurface wide = FilledSurface(200, 150, clWhite);
  canvas.SetSurface(&wide);
  canvas.Pen().SetColor(clRed);
  canvas.Pen().SetWidth(5);
  canvas.BeginPath();
  TRect r{20, 10, 200, 150};
  canvas.DrawTextEx("IO", r, 0);
  canvas.EndPath();
  canvas.StrokePath();
  EXPECT_GT(CountPixels(wide, [](QRgb p) { return p == 0xFFFF0000u; }), 3 * thin);
  EXPECT_EQ(CountPixels(wide, [](QRgb p) { return p != kWhitePixel && p != 0xFFFF0000u; }), 0);
}

TEST(TextDraw, StrokeInsideAnOpenBracketOrWithAClearPenDrawsNothing) {
  TSurface surface = FilledSurface(200, 100, clWhite);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 40);
  canvas.BeginPath();
  canvas.ExtTextOut(10, 10, "A");
  canvas.StrokePath();
  EXPECT_TRUE(InkBox(surface).IsEmpty());
  canvas.EndPath();
  canvas.Pen().SetStyle(psClear);
  canvas.StrokePath();
  EXPECT_TRUE(InkBox(surface).IsEmpty());
}

TEST(TextDraw, CanvasWithoutSurfaceMeasuresAndPaintsNothing) {
  TCanvas canvas;
  UseFont(canvas, "Arial", 20);
  const TSize extent = canvas.TextExtent("Two");
  TRect r{5, 7, 5, 7};
  EXPECT_EQ(canvas.DrawTextEx("Two\nlines", r, DT_CALCRECT), 2 * extent.cy);
  EXPECT_EQ(r.Left, 5);
  EXPECT_EQ(r.Top, 7);
  EXPECT_EQ(r.Bottom, 7 + 2 * extent.cy);
  EXPECT_EQ(r.Right, 5 + std::max(extent.cx, canvas.TextWidth("lines")));
  TRect draw{0, 0, 100, 100};
  EXPECT_EQ(canvas.DrawTextEx("Two\nlines", draw, 0), 2 * extent.cy);
  canvas.ExtTextOut(0, 0, "Two");
  canvas.BeginPath();
  canvas.ExtTextOut(0, 0, "Two");
  canvas.EndPath();
  canvas.StrokePath();
}

TEST(TextDraw, CalcRectWithCharacterExtraAndWrapping) {
  TCanvas canvas;
  UseFont(canvas, "Arial", 20);
  const int32_t word = canvas.TextWidth("word");
  const int32_t blank = canvas.TextWidth(" ");
  const int32_t h = canvas.GetTextMetrics().tmHeight;
  TRect r{10, 20, 0, 0};
  canvas.DrawTextEx("word", r, DT_CALCRECT);
  EXPECT_EQ(r, (TRect{10, 20, 10 + word, 20 + h}));
  canvas.SetTextCharacterExtra(3);
  canvas.DrawTextEx("word", r, DT_CALCRECT);
  EXPECT_EQ(r.Right, 10 + word + 12);
  canvas.SetTextCharacterExtra(0);
  // The incoming width wraps: two words fit, the third goes below.
  TRect wrap{0, 0, 2 * word + blank, 0};
  EXPECT_EQ(canvas.DrawTextEx("word word word", wrap, DT_CALCRECT | DT_WORDBREAK), 2 * h);
  EXPECT_EQ(wrap.Right, 2 * word + blank);
  // Prefixes are not measured, unless DT_NOPREFIX.
  TRect prefixed{0, 0, 0, 0};
  canvas.DrawTextEx("&word", prefixed, DT_CALCRECT);
  EXPECT_EQ(prefixed.Right, word);
  canvas.DrawTextEx("&word", prefixed, DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(prefixed.Right, word + canvas.TextWidth("&"));
  // Tabs stop every 8 average widths.
  TRect tabbed{0, 0, 0, 0};
  canvas.DrawTextEx("a\tb", tabbed, DT_CALCRECT | DT_EXPANDTABS);
  EXPECT_EQ(tabbed.Right, 8 * canvas.GetTextMetrics().tmAveCharWidth + canvas.TextWidth("b"));
}

TEST(TextDraw, PrefixUnderlinesBelowTheBaseline) {
  TSurface plain = FilledSurface(200, 80, clWhite);
  TSurface prefixed = FilledSurface(200, 80, clWhite);
  TCanvas a(&plain);
  TCanvas b(&prefixed);
  UseFont(a, "Arial", 28);
  UseFont(b, "Arial", 28);
  TRect r{10, 10, 200, 80};
  a.DrawTextEx("Ok", r, 0);
  b.DrawTextEx("&Ok", r, 0);
  const int32_t baseline = 10 + a.GetTextMetrics().tmAscent;
  const int32_t o = a.TextWidth("O");
  TRect changed;
  for (int32_t y = 0; y < 80; ++y)
    for (int32_t x = 0; x < 200; ++x)
      if (plain.Pixel(x, y) != prefixed.Pixel(x, y)) changed = changed.Union({x, y, x + 1, y + 1});
  EXPECT_EQ(changed.Left, 10);
  EXPECT_EQ(changed.Right, 10 + o);
  EXPECT_GT(changed.Top, baseline);
  EXPECT_LE(changed.Bottom, 10 + a.GetTextMetrics().tmHeight);
  // The underline row is solid in the font colour.
  for (int32_t x = 10; x < 10 + o; ++x) ASSERT_TRUE(PixelIs(prefixed, x, changed.Top, clBlack));
}

TEST(TextDraw, FontUnderlineAndStrikeOutSpanTheText) {
  TSurface surface = FilledSurface(200, 80, clWhite);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 28, clGreen);
  canvas.Font().SetStyle(FontStyleBit(fsUnderline) | FontStyleBit(fsStrikeOut));
  const int32_t w = canvas.TextWidth("a b");
  canvas.ExtTextOut(10, 10, "a b");
  const int32_t ascent = canvas.GetTextMetrics().tmAscent;
  auto solidRow = [&](int32_t y) {
    for (int32_t x = 10; x < 10 + w; ++x)
      if (surface.Pixel(x, y) != ColorToPixel(clGreen)) return false;
    return true;
  };
  int below = 0;
  int above = 0;
  for (int32_t y = 0; y < 80; ++y) {
    if (!solidRow(y)) continue;
    (y > 10 + ascent ? below : above)++;
  }
  EXPECT_GE(below, 1);
  EXPECT_GE(above, 1);
  EXPECT_EQ(InkBox(surface).Left, 10);
  EXPECT_EQ(InkBox(surface).Right, 10 + w);
}

TEST(TextDraw, MonochromeSurfaceStaysBlackAndWhite) {
  TSurface surface = FilledSurface(200, 60, clWhite);
  surface.SetMonochrome(true);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 20, RGB(40, 40, 40));
  TRect r{0, 0, 200, 60};
  canvas.DrawTextEx("Mono", r, 0);
  EXPECT_EQ(CountPixels(surface, [](QRgb p) { return p != kWhitePixel && p != kBlackPixel; }), 0);
  EXPECT_GT(CountPixels(surface, [](QRgb p) { return p == kBlackPixel; }), 20);
}

TEST(TextDraw, HugeTextIsRenderedOnlyWhereTheSurfaceIs) {
  TSurface surface = FilledSurface(100, 100, clWhite);
  TCanvas canvas(&surface);
  canvas.Font().SetName("Arial");
  canvas.Font().SetHeight(-6000);
  canvas.Font().SetColor(clMaroon);
  // The stem of the "I" covers the whole surface; the whole text would
  // need a mask of tens of millions of pixels.
  canvas.ExtTextOut(-700, -2000, "IWW");
  EXPECT_EQ(CountPixels(surface, [](QRgb p) { return p != ColorToPixel(clMaroon); }), 0);
  canvas.Font().SetColor(clTeal);
  canvas.ExtTextOut(-700, -2000, "IWW");
  EXPECT_EQ(CountPixels(surface, [](QRgb p) { return p != ColorToPixel(clTeal); }), 0);
}

TEST(TextDraw, EmptyTextOrRectangleDrawsNothing) {
  TSurface surface = FilledSurface(100, 60, clWhite);
  TCanvas canvas(&surface);
  UseFont(canvas, "Arial", 20);
  TRect r{0, 0, 100, 60};
  EXPECT_EQ(canvas.DrawTextEx("", r, 0), 0);
  canvas.ExtTextOut(0, 0, "");
  TRect empty{10, 10, 10, 50};
  const int32_t h = canvas.DrawTextEx("Text", empty, 0);
  EXPECT_EQ(h, canvas.GetTextMetrics().tmHeight);
  EXPECT_TRUE(InkBox(surface).IsEmpty());
}

}  // namespace
