#include "render/fill/GradientDraw.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "pictures/Bitmap.h"
#include "render/fill/GradientBands.h"

namespace {

constexpr TColor kPaletteRelative = 0x02000000;

void RealizeOn(TCanvas& canvas, const HPALETTE& palette) {
  canvas.SelectPalette(palette, false);
  canvas.RealizePalette();
}

}  // namespace

void DrawGradient(TCanvas& canvas, const TRect& rect, TLMDGradientStyle style, GradientDrawFlags flags,
                  const HPALETTE& palette, const std::vector<TColor>& colors) {
  const int64_t width = static_cast<int64_t>(rect.Right) - rect.Left;
  const int64_t height = static_cast<int64_t>(rect.Bottom) - rect.Top;
  if (colors.empty() || width <= 0 || height <= 0) return;
  // Band extents are 32-bit; a wider rectangle has none.
  if (width > std::numeric_limits<int32_t>::max() || height > std::numeric_limits<int32_t>::max()) return;
  const auto w = static_cast<int32_t>(width);
  const auto h = static_cast<int32_t>(height);

  std::optional<TBitmap> offscreen;
  TCanvas* target = &canvas;
  TPoint origin{rect.Left, rect.Top};
  if (flags & pdfOffscreen) {
    offscreen.emplace();
    offscreen->SetHeight(h);
    offscreen->SetWidth(w);
    target = &offscreen->Canvas();
    origin = {0, 0};
  }
  const bool usePalette = (flags & pdfPalette) != 0;
  if (usePalette) RealizeOn(*target, palette);

  std::vector<TColor> bands(colors);
  if (usePalette)
    for (TColor& color : bands) color |= kPaletteRelative;
  target->Brush().SetStyle(bsSolid);
  target->Pen().SetStyle(psClear);
  const std::vector<TRect> holes = PaintGradientBands(*target, origin.X, origin.Y, w, h, style, bands);
  // Stripes across run from the first colour to the last, every other style back to the first.
  target->Brush().SetColor(style == gstHorizontal ? bands.back() : bands.front());

  if (usePalette) RealizeOn(canvas, palette);
  if (!offscreen) return;
  // The bands may leave pixels of the rectangle uncovered (the bottom-right
  // corner of a small ellipse, the bottom-left of a top-right wedge taller
  // than wide): there the destination shows through, as when painting directly.
  for (const TRect& hole : holes) offscreen->Canvas().CopyRect(hole, canvas, hole.Offset(rect.Left, rect.Top));
  offscreen->Draw(canvas, Bounds(rect.Left, rect.Top, w, h));
}
