#include "toolkit/Surface.h"

#include <algorithm>
#include <cstring>

#include "toolkit/PixelMemory.h"

namespace {

// An uncleared image of a surface's format (null when it cannot be had);
// a large one lies on prepared pixel memory.
QImage NewImage(int32_t width, int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(QRgb);
  if (bytes < kLargePixelMemory) return QImage(width, height, QImage::Format_RGB32);
  uint8_t* data = AllocateLargePixelMemory(bytes);
  if (!data) return QImage();
  return QImage(data, width, height, static_cast<qsizetype>(width) * sizeof(QRgb), QImage::Format_RGB32,
                FreeLargePixelMemory, data);
}

}  // namespace

TSurface::TSurface(int32_t width, int32_t height) { SetSize(width, height); }

TSurface TSurface::Uncleared(int32_t width, int32_t height) {
  TSurface surface;
  surface.width_ = std::max(width, 0);
  surface.height_ = std::max(height, 0);
  if (surface.width_ > 0 && surface.height_ > 0) surface.image_ = NewImage(width, height);
  return surface;
}

TSurface TSurface::Copy() const {
  TSurface copy = Uncleared(width_, height_);
  copy.monochrome_ = monochrome_;
  if (image_.isNull() || copy.image_.isNull()) return copy;
  for (int32_t y = 0; y < height_; ++y) std::memcpy(copy.Row(y), Row(y), static_cast<size_t>(width_) * sizeof(QRgb));
  return copy;
}

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
  QImage resized = NewImage(width, height);
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
