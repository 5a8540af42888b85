#include "toolkit/Surface.h"

#include <algorithm>

TSurface::TSurface(int32_t width, int32_t height) { SetSize(width, height); }

void TSurface::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  if (width == 0 || height == 0) {
    image_ = QImage();
    return;
  }
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(kWhitePixel);
  if (!image_.isNull()) {
    const int32_t w = std::min(width, image_.width());
    const int32_t h = std::min(height, image_.height());
    for (int32_t y = 0; y < h; ++y)
      std::copy_n(Row(y), w, reinterpret_cast<QRgb*>(resized.scanLine(y)));
  }
  image_ = std::move(resized);
}

void TSurface::SetMonochrome(bool monochrome) {
  if (monochrome == monochrome_) return;
  monochrome_ = monochrome;
  if (!monochrome_ || image_.isNull()) return;
  for (int32_t y = 0; y < Height(); ++y) {
    QRgb* row = Row(y);
    for (int32_t x = 0; x < Width(); ++x) row[x] = (row[x] | 0xFF000000u) == kWhitePixel ? kWhitePixel : kBlackPixel;
  }
}
