#include "pictures/DibFormat.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "toolkit/Exceptions.h"
#include "toolkit/PixelMemory.h"

namespace {

// Rows for Width x Height, not cleared; EOutOfMemory when they cannot be had.
QByteArray PixelBuffer(int32_t width, int32_t height, int bitCount) {
  const int64_t size = width > 0 && height > 0 ? DibStride(width, bitCount) * height : 0;
  QByteArray bytes;
  try {
    bytes = QByteArray(static_cast<qsizetype>(size), Qt::Uninitialized);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory();
  }
  PreparePixelMemory(bytes.data(), static_cast<size_t>(size));
  return bytes;
}

}  // namespace

bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPicturePixels && height <= kMaxPicturePixels &&
         width * height <= kMaxPicturePixels;
}

int64_t DibStride(int64_t width, int bitCount) { return (width * bitCount + 31) / 32 * 4; }

TColorMasks DefaultBitfieldMasks(int bitCount) {
  if (bitCount == 16) return {0xF800, 0x07E0, 0x001F};
  return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

TColorMasks PlainMasks(int bitCount) {
  if (bitCount == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

TColorMasks TDib::EffectiveMasks() const {
  return Compression == BI_BITFIELDS ? Masks : PlainMasks(BitCount);
}

void TDib::Allocate(int32_t width, int32_t height) {
  AllocateUncleared(width, height);
  std::memset(Bits.data(), 0, static_cast<size_t>(Bits.size()));
}

void TDib::AllocateUncleared(int32_t width, int32_t height) {
  Bits = PixelBuffer(width, height, BitCount);
  Width = width;
  Height = height;
}

void TDib::ClearPadding(int32_t first, int32_t last) {
  const int64_t usedBits = static_cast<int64_t>(Width) * BitCount;
  const auto fullBytes = static_cast<int32_t>(usedBits / 8);
  const int32_t stride = Stride();
  if (Bits.isEmpty() || usedBits == static_cast<int64_t>(stride) * 8) return;
  const int partBits = static_cast<int>(usedBits % 8);
  for (int32_t y = first; y < last; ++y) {
    uint8_t* row = Row(y);
    int32_t from = fullBytes;
    // Pixels fill a byte from its high bits down.
    if (partBits != 0) row[from++] &= static_cast<uint8_t>(0xFF00 >> partBits);
    std::memset(row + from, 0, static_cast<size_t>(stride - from));
  }
}

const std::vector<QRgb>& MonochromeColors() {
  static const std::vector<QRgb> colors{qRgb(0, 0, 0), qRgb(255, 255, 255)};
  return colors;
}

const std::vector<QRgb>& StandardColors16() {
  static const std::vector<QRgb> colors{
      qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
      qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  return colors;
}

const std::vector<QRgb>& HalftoneColors() {
  static const std::vector<QRgb> colors = [] {
    std::vector<QRgb> c = StandardColors16();
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) c.push_back(qRgb(r * 51, g * 51, b * 51));
    // 24 greys between the cube's own steps.
    for (int i = 1; c.size() < 256; ++i) {
      const int level = i * 255 / 25;
      c.push_back(qRgb(level, level, level));
    }
    return c;
  }();
  return colors;
}
