#include "pictures/Bitmap.h"

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(&surface_)) {}

TBitmap::TBitmap(int32_t width, int32_t height) : TBitmap() { surface_.SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::SetWidth(int32_t width) { SetSize(width, Height()); }

void TBitmap::SetHeight(int32_t height) { SetSize(Width(), height); }

void TBitmap::SetSize(int32_t width, int32_t height) {
  if (width == Width() && height == Height()) return;
  // A bitmap with one side 0 is empty but keeps the other side.
  surface_.SetSize(width, height);
  Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  canvas.CopyRect(rect, *canvas_, surface_.Bounds());
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == Monochrome()) return;
  surface_.SetMonochrome(monochrome);
  Changed();
}

void TBitmap::Mask(TColor color) {
  const QRgb key = ColorToPixel(color);
  for (int32_t y = 0; y < Height(); ++y) {
    QRgb* row = surface_.Row(y);
    for (int32_t x = 0; x < Width(); ++x) row[x] = (row[x] | 0xFF000000u) == key ? kWhitePixel : kBlackPixel;
  }
  surface_.SetMonochrome(true);
  Changed();
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  surface_ = source.surface_;
  palette_ = source.palette_;
  Changed();
}
