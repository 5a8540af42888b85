#include "toolkit/Surface.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "toolkit/Exceptions.h"
#include "toolkit/PixelMemory.h"

namespace {

// An uncleared image of a surface's format; a large one lies on prepared
// pixel memory. Memory that cannot be had is EOutOfMemory.
QImage NewImage(int32_t width, int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(QRgb);
  QImage image;
  if (bytes < kLargePixelMemory) {
    image = QImage(width, height, QImage::Format_RGB32);
  } else {
    std::unique_ptr<uint8_t, void (*)(void*)> data(AllocateLargePixelMemory(bytes), FreeLargePixelMemory);
    if (!data) throw EOutOfMemory();
    image = QImage(data.get(), width, height, static_cast<qsizetype>(width) * sizeof(QRgb), QImage::Format_RGB32,
                   FreeLargePixelMemory, data.get());
    // From here on the image frees the memory.
    if (!image.isNull()) data.release();
  }
  if (image.isNull()) throw EOutOfMemory();
  return image;
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
  if (image_.isNull()) return copy;
  for (int32_t y = 0; y < height_; ++y) std::memcpy(copy.Row(y), Row(y), static_cast<size_t>(width_) * sizeof(QRgb));
  return copy;
}

void TSurface::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  // The new pixels first: if they cannot be had, nothing changes.
  QImage resized;
  if (width > 0 && height > 0) {
    resized = NewImage(width, height);
    resized.fill(kWhitePixel);
    if (!image_.isNull()) {
      const int32_t w = std::min(width, image_.width());
      const int32_t h = std::min(height, image_.height());
      for (int32_t y = 0; y < h; ++y)
        std::copy_n(Row(y), w, reinterpret_cast<QRgb*>(resized.scanLine(y)));
    }
  }
  image_ = std::move(resized);
  width_ = width;
  height_ = height;
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
