#pragma once
// Shared by the text-effect tests: a stage to draw on, and references drawn
// output by output, each on a canvas of its own.
#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <vector>

#include "pictures/Bitmap.h"
#include "render/caption/LMDFXCaption.h"
#include "render/caption/LMDFxText.h"
#include "support/PixelAssert.h"
#include "toolkit/canvas/Canvas.h"

namespace fxtest {

inline const QString kBlock = QStringLiteral("\u2588");

inline TFont MakeFont(const QString& name, int32_t height, TColor color) {
  TFont font;
  font.SetName(name);
  font.SetHeight(height);
  font.SetColor(color);
  return font;
}

// A white bitmap whose canvas has Font and a lime brush.
inline std::unique_ptr<TBitmap> Stage(int w, int h, const TFont& font) {
  auto bitmap = std::make_unique<TBitmap>(w, h);
  bitmap->Canvas().FillRect({0, 0, w, h});  // the default brush is white
  bitmap->Canvas().SetFont(font);
  bitmap->Canvas().Brush().SetColor(clLime);
  return bitmap;
}

// One output of a reference: laid out in Rect by Format, or with Line one
// line from Rect's top-left, in Color.
struct TOutput {
  TRect Rect;
  TColor Color;
};

// The outputs drawn one by one on a white surface, each through a canvas
// of its own, so nothing one output leaves behind helps the next.
inline TSurface Reference(int w, int h, const TFont& font, const QString& text, const std::vector<TOutput>& outputs,
                          uint32_t format, int32_t charExtra = 0, bool line = false, int32_t escapement = 0) {
  TSurface surface = FilledSurface(w, h, clWhite);
  for (const TOutput& output : outputs) {
    TCanvas canvas(&surface);
    canvas.SetFont(font);
    if (escapement != 0) {
      TLogFont logFont = canvas.Font().Handle();
      logFont.Escapement = escapement;
      canvas.Font().SetHandle(logFont);
    }
    canvas.Font().SetColor(output.Color);
    canvas.SetTextCharacterExtra(charExtra);
    TRect r = output.Rect;
    if (line)
      canvas.ExtTextOut(r.Left, r.Top, text);
    else
      canvas.DrawTextEx(text, r, format);
  }
  return surface;
}

// Pixels that are not white.
inline int Inked(const TSurface& s) {
  int n = 0;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) n += (s.Pixel(x, y) | 0xFF000000u) != kWhitePixel;
  return n;
}

// The box of the pixels that are exactly Color.
inline TRect ExactBox(const TSurface& s, TColor color) {
  const QRgb want = ColorToPixel(color);
  TRect box;
  bool any = false;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if ((s.Pixel(x, y) | 0xFF000000u) == want) {
        const TRect p{x, y, x + 1, y + 1};
        box = any ? box.Union(p) : p;
        any = true;
      }
  return box;
}

// A copy of the text: where it lands relative to the drawing rectangle and
// its colour.
struct TLanding {
  int32_t DX;
  int32_t DY;
  TColor Color;
};

// Checks Got against the copies of a text whose single output (in black on
// white) is Single: every pixel of a copy's solid face that no later copy
// reaches, even with its smoothed rim, is exactly that copy's colour, each
// copy shows at least one such pixel (unless a later one lands exactly on
// it), and nothing is drawn where no copy reaches.
inline ::testing::AssertionResult CopiesLand(const TSurface& got, const TSurface& single,
                                             const std::vector<TLanding>& landings) {
  auto at = [&](const TSurface& s, int x, int y) {
    return x >= 0 && y >= 0 && x < s.Width() && y < s.Height() ? (s.Pixel(x, y) | 0xFF000000u) : kWhitePixel;
  };
  auto reaches = [&](size_t k, int x, int y) { return at(single, x - landings[k].DX, y - landings[k].DY) != kWhitePixel; };
  for (size_t k = 0; k < landings.size(); ++k) {
    int shown = 0;
    for (int y = 0; y < got.Height(); ++y)
      for (int x = 0; x < got.Width(); ++x) {
        if (at(single, x - landings[k].DX, y - landings[k].DY) != kBlackPixel) continue;
        bool covered = false;
        for (size_t j = k + 1; j < landings.size() && !covered; ++j) covered = reaches(j, x, y);
        if (covered) continue;
        ++shown;
        if (at(got, x, y) != ColorToPixel(landings[k].Color))
          return ::testing::AssertionFailure() << "copy " << k << " at (" << x << ", " << y << ") is "
                                               << PixelText(at(got, x, y)) << ", expected "
                                               << PixelText(ColorToPixel(landings[k].Color));
      }
    bool buried = false;
    for (size_t j = k + 1; j < landings.size(); ++j)
      buried |= landings[j].DX == landings[k].DX && landings[j].DY == landings[k].DY;
    if (shown == 0 && !buried) return ::testing::AssertionFailure() << "copy " << k << " shows nowhere";
  }
  for (int y = 0; y < got.Height(); ++y)
    for (int x = 0; x < got.Width(); ++x) {
      bool reached = false;
      for (size_t k = 0; k < landings.size() && !reached; ++k) reached = reaches(k, x, y);
      if (!reached && at(got, x, y) != kWhitePixel)
        return ::testing::AssertionFailure() << "ink at (" << x << ", " << y << ") where no copy lands";
    }
  return ::testing::AssertionSuccess();
}

}  // namespace fxtest
