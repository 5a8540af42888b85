#pragma once
#include <QImage>
#include <cstdint>

#include "toolkit/Geometry.h"

// The pixels a canvas draws on: a 32-bit image (0xFFRRGGBB) that may be
// marked monochrome, in which case it holds only black and white pixels.
// Copying is cheap: the pixels are shared until one side writes. Pixels
// that cannot be allocated fail with EOutOfMemory ("Out of memory"), and
// the surface keeps its previous size and pixels.
class TSurface {
 public:
  TSurface() = default;
  TSurface(int32_t width, int32_t height);
  // The pixels left as allocated. ASSUMPTION: the caller writes every one
  // of them before anyone reads them.
  static TSurface Uncleared(int32_t width, int32_t height);
  // A copy with pixels of its own: the copy of a large surface is made on
  // prepared memory up front, not page by page on its first write.
  TSurface Copy() const;

  bool IsNull() const { return image_.isNull(); }
  // The size may have one side 0 (then there are no pixels yet), so that a
  // bitmap can be given its height and its width one after the other.
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  TRect Bounds() const { return IsNull() ? TRect{} : TRect{0, 0, width_, height_}; }
  // Resizes keeping the pixels that still fit; new pixels are white.
  void SetSize(int32_t width, int32_t height);

  bool Monochrome() const { return monochrome_; }
  // Turning monochrome makes every pixel black or white by its brightness
  // (only pure white stays white).
  void SetMonochrome(bool monochrome);

  QRgb Pixel(int32_t x, int32_t y) const { return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]; }
  void SetPixel(int32_t x, int32_t y, QRgb pixel) { reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = pixel; }
  QRgb* Row(int32_t y) { return reinterpret_cast<QRgb*>(image_.scanLine(y)); }
  const QRgb* Row(int32_t y) const { return reinterpret_cast<const QRgb*>(image_.constScanLine(y)); }

  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool monochrome_ = false;
};

constexpr QRgb kBlackPixel = 0xFF000000u;
constexpr QRgb kWhitePixel = 0xFFFFFFFFu;
