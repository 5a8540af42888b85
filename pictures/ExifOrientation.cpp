#include "pictures/ExifOrientation.h"

#include <algorithm>
#include <cstring>

#include "pictures/StreamIO.h"
#include "toolkit/Exceptions.h"

namespace {

constexpr uint8_t kMarker = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kApp1 = 0xE1;
constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShort = 3;
constexpr char kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};

// Markers without a length: TEM and the restart markers.
bool Standalone(uint8_t code) { return code == 0x01 || (code >= 0xD0 && code <= 0xD7); }

uint16_t Read16(TByteCursor& cursor, bool bigEndian) {
  const uint8_t* b = cursor.Take(2);
  return static_cast<uint16_t>(bigEndian ? b[0] << 8 | b[1] : b[1] << 8 | b[0]);
}

uint32_t Read32(TByteCursor& cursor, bool bigEndian) {
  const uint32_t first = Read16(cursor, bigEndian);
  const uint32_t second = Read16(cursor, bigEndian);
  return bigEndian ? first << 16 | second : second << 16 | first;
}

// The tag in a TIFF header and its IFD0: the APP1 payload after "Exif\0\0".
// Reading past the payload throws (the byte cursor's error).
TExifOrientation TiffOrientation(const uint8_t* tiff, size_t size) {
  TByteCursor header(tiff, size);
  const uint8_t* order = header.Take(2);
  if (order[0] != order[1] || (order[0] != 'I' && order[0] != 'M')) return eoTopLeft;
  const bool bigEndian = order[0] == 'M';
  if (Read16(header, bigEndian) != 42) return eoTopLeft;
  const uint32_t offset = Read32(header, bigEndian);
  if (offset >= size) return eoTopLeft;
  TByteCursor ifd(tiff + offset, size - offset);
  const uint16_t entries = Read16(ifd, bigEndian);
  for (uint16_t i = 0; i < entries; ++i) {
    const uint16_t tag = Read16(ifd, bigEndian);
    const uint16_t type = Read16(ifd, bigEndian);
    const uint32_t count = Read32(ifd, bigEndian);
    TByteCursor value(ifd.Take(4), 4);
    if (tag != kOrientationTag) continue;
    if (type != kShort || count != 1) return eoTopLeft;
    const uint16_t v = Read16(value, bigEndian);
    return v >= eoTopLeft && v <= eoLeftBottom ? static_cast<TExifOrientation>(v) : eoTopLeft;
  }
  return eoTopLeft;
}

TExifOrientation FirstExifOrientation(const uint8_t* data, size_t size) {
  TByteCursor jpeg(data, size);
  if (jpeg.U8() != kMarker || jpeg.U8() != kStartOfImage) return eoTopLeft;
  for (;;) {
    if (jpeg.U8() != kMarker) return eoTopLeft;
    uint8_t code = jpeg.U8();
    while (code == kMarker) code = jpeg.U8();  // fill bytes
    if (code == kStartOfScan || code == kEndOfImage) return eoTopLeft;
    if (Standalone(code)) continue;
    const uint8_t* length = jpeg.Take(2);
    const size_t payload = static_cast<size_t>(length[0] << 8 | length[1]);
    if (payload < 2) return eoTopLeft;
    const uint8_t* segment = jpeg.Take(payload - 2);
    if (code == kApp1 && payload - 2 >= sizeof kExifHeader &&
        std::memcmp(segment, kExifHeader, sizeof kExifHeader) == 0)
      return TiffOrientation(segment + sizeof kExifHeader, payload - 2 - sizeof kExifHeader);
  }
}

}  // namespace

TExifOrientation ReadExifOrientation(const uint8_t* data, size_t size) {
  try {
    return FirstExifOrientation(data, size);
  } catch (const EInvalidGraphic&) {
    // A block that ends early, or a file that does: no orientation.
    return eoTopLeft;
  }
}

TSize UprightSize(TExifOrientation orientation, TSize stored) {
  return SwapsAxes(orientation) ? TSize{stored.cy, stored.cx} : stored;
}

TPoint UprightPoint(TExifOrientation orientation, TPoint at, TSize stored) {
  const int32_t x = at.X, y = at.Y, w = stored.cx, h = stored.cy;
  switch (orientation) {
    case eoTopRight: return {w - 1 - x, y};
    case eoBottomRight: return {w - 1 - x, h - 1 - y};
    case eoBottomLeft: return {x, h - 1 - y};
    case eoLeftTop: return {y, x};
    case eoRightTop: return {h - 1 - y, x};
    case eoRightBottom: return {h - 1 - y, w - 1 - x};
    case eoLeftBottom: return {y, w - 1 - x};
    case eoTopLeft: break;
  }
  return at;
}

TRect UprightRect(TExifOrientation orientation, const TRect& rect, TSize stored) {
  if (rect.IsEmpty()) return rect;
  const TPoint a = UprightPoint(orientation, {rect.Left, rect.Top}, stored);
  const TPoint b = UprightPoint(orientation, {rect.Right - 1, rect.Bottom - 1}, stored);
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
}
