#include "toolkit/canvas/SpanPainter.h"

#include <algorithm>

#include "toolkit/canvas/Hatch.h"

QRgb SurfacePixel(const TSurface& surface, TColor color) {
  const QRgb pixel = ColorToPixel(color);
  if (!surface.Monochrome()) return pixel;
  return pixel == kWhitePixel ? kWhitePixel : kBlackPixel;
}

TSpanPainter::TSpanPainter(TSurface& surface, const TRect& deviceClip, const TBrush& brush, TColor textColor,
                           TColor bkColor)
    : surface_(surface),
      clip_(deviceClip.Intersect(surface.Bounds())),
      brush_(brush),
      solid_(SurfacePixel(surface, brush.Color())),
      patternBlack_(SurfacePixel(surface, textColor)),
      patternWhite_(SurfacePixel(surface, bkColor)),
      paints_(!clip_.IsEmpty() && (brush.HasBitmap() || brush.Style() != bsClear)) {}

void TSpanPainter::Span(int32_t y, int32_t x0, int32_t x1) {
  if (!paints_ || y < clip_.Top || y >= clip_.Bottom) return;
  x0 = std::max(x0, clip_.Left);
  x1 = std::min(x1, clip_.Right);
  if (x0 >= x1) return;
  QRgb* row = surface_.Row(y);
  if (brush_.HasBitmap()) {
    const TSurface& pattern = brush_.Bitmap();
    const QRgb* patternRow = pattern.Row(((y % pattern.Height()) + pattern.Height()) % pattern.Height());
    const int32_t pw = pattern.Width();
    int32_t px = ((x0 % pw) + pw) % pw;
    const bool mapMono = pattern.Monochrome() && !surface_.Monochrome();
    for (int32_t x = x0; x < x1; ++x) {
      const QRgb p = patternRow[px];
      row[x] = mapMono ? (p == kWhitePixel ? patternWhite_ : patternBlack_) : p;
      if (++px == pw) px = 0;
    }
    return;
  }
  if (brush_.Style() == bsSolid) {
    std::fill(row + x0, row + x1, solid_);
    return;
  }
  for (int32_t x = x0; x < x1; ++x)
    if (HatchPaints(brush_.Style(), x, y)) row[x] = solid_;
}

void TSpanPainter::Fill(const TRect& deviceRect) {
  const int32_t top = std::max(deviceRect.Top, clip_.Top);
  const int32_t bottom = std::min(deviceRect.Bottom, clip_.Bottom);
  for (int32_t y = top; y < bottom; ++y) Span(y, deviceRect.Left, deviceRect.Right);
}
