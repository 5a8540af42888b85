#include "toolkit/canvas/Canvas.h"

#include "toolkit/text/FontEngine.h"
#include "toolkit/text/TextRenderer.h"

TCanvas::TCanvas() : font_(std::make_unique<TFont>()), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()) {}

TCanvas::TCanvas(TSurface* surface) : TCanvas() { surface_ = surface; }

TCanvas::~TCanvas() = default;

void TCanvas::SelectClipRect(const TRect& deviceRect) { clip_ = deviceRect; }

TRect TCanvas::DeviceClip() const {
  if (!HandleAllocated()) return {};
  TRect area = surface_->Bounds();
  if (limit_) area = area.Intersect(*limit_);
  return clip_ ? clip_->Intersect(area) : area;
}

HPALETTE TCanvas::SelectPalette(HPALETTE palette, bool /*foreground*/) {
  HPALETTE previous = std::move(palette_);
  palette_ = std::move(palette);
  return previous;
}

int TCanvas::RealizePalette() { return palette_ ? static_cast<int>(palette_->Entries.size()) : 0; }

QRgb TCanvas::Pixel(int32_t x, int32_t y) const {
  const TPoint d{x + origin_.X, y + origin_.Y};
  if (!HandleAllocated() || !surface_->Bounds().Contains(d)) return 0;
  return surface_->Pixel(d.X, d.Y);
}

void TCanvas::SetPixel(int32_t x, int32_t y, TColor color) {
  const TPoint d{x + origin_.X, y + origin_.Y};
  if (DeviceClip().Contains(d)) surface_->SetPixel(d.X, d.Y, ColorToPixel(color));
}
