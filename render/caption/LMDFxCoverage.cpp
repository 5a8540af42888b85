#include "render/caption/LMDFxCoverage.h"

#include <algorithm>

#include "toolkit/Canvas.h"

namespace {

// x × a / 255 on each 8-bit channel, rounded as the raster engine does.
inline uint32_t ByteMul(uint32_t x, uint32_t a) {
  uint32_t rb = (x & 0x00FF00FFu) * a;
  rb = ((rb + ((rb >> 8) & 0x00FF00FFu) + 0x00800080u) >> 8) & 0x00FF00FFu;
  uint32_t ag = ((x >> 8) & 0x00FF00FFu) * a;
  ag = (ag + ((ag >> 8) & 0x00FF00FFu) + 0x00800080u) & 0xFF00FF00u;
  return ag | rb;
}

// Source-over of an opaque colour at a coverage level.
inline QRgb BlendLevel(QRgb dst, QRgb color, uint32_t level) {
  if (level == 255) return color;
  return ByteMul(color, level) + ByteMul(dst, 255 - level);
}

}  // namespace

TTextCoverage::TTextCoverage(TCanvas& source, const TRect& deviceArea, const std::function<void(TCanvas&)>& output) {
  if (deviceArea.IsEmpty()) return;
  // White on black: each pixel's level is then exactly its coverage.
  TSurface scratch(deviceArea.Width(), deviceArea.Height());
  scratch.Image().fill(kBlackPixel);
  TCanvas canvas(&scratch);
  canvas.SetFont(source.Font());
  canvas.Font().SetColor(clWhite);
  canvas.Brush().SetStyle(bsClear);
  canvas.SetTextCharacterExtra(source.TextCharacterExtra());
  canvas.SetOrigin({source.Origin().X - deviceArea.Left, source.Origin().Y - deviceArea.Top});
  output(canvas);

  for (int32_t y = 0; y < scratch.Height(); ++y) {
    const QRgb* row = scratch.Row(y);
    int32_t x = 0;
    while (x < scratch.Width()) {
      if (qBlue(row[x]) == 0) {
        ++x;
        continue;
      }
      const int32_t x0 = x;
      while (x < scratch.Width() && qBlue(row[x]) != 0) levels_.push_back(static_cast<uint8_t>(qBlue(row[x++])));
      runs_.push_back({y + deviceArea.Top, x0 + deviceArea.Left, x + deviceArea.Left, levels_.size() - (x - x0)});
      const TRect run{x0 + deviceArea.Left, y + deviceArea.Top, x + deviceArea.Left, y + deviceArea.Top + 1};
      bounds_ = bounds_.IsEmpty() ? run : bounds_.Union(run);
    }
  }
}

void TTextCoverage::Blend(TSurface& surface, const TRect& clip, TPoint offset, TColor color) const {
  const TRect area = clip.Intersect(surface.Bounds());
  if (area.IsEmpty()) return;
  const QRgb pixel = ColorToPixel(color);
  for (const TRun& run : runs_) {
    const int32_t y = run.Y + offset.Y;
    if (y < area.Top || y >= area.Bottom) continue;
    const int32_t x0 = std::max(run.X0 + offset.X, area.Left);
    const int32_t x1 = std::min(run.X1 + offset.X, area.Right);
    if (x0 >= x1) continue;
    QRgb* dst = surface.Row(y);
    const uint8_t* level = levels_.data() + run.Start + (x0 - run.X0 - offset.X);
    for (int32_t x = x0; x < x1; ++x, ++level) dst[x] = BlendLevel(dst[x], pixel, *level);
  }
}
