#include "pictures/BmpWriter.h"

#include <algorithm>
#include <vector>

#include "pictures/StreamIO.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;

// The header fields of what is written.
struct TBmpOut {
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bitCount = 32;
  uint32_t compression = BI_RGB;
  TColorMasks masks;
  std::vector<QRgb> colors;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
  bool os2 = false;

  uint32_t ImageSize() const { return static_cast<uint32_t>(DibStride(width, bitCount) * height); }
};

TBmpOut Describe(const TBmpSource& source) {
  TBmpOut out;
  if (source.Dib) {
    const TDib& d = *source.Dib;
    out.width = d.Width;
    out.height = d.Height;
    out.bitCount = d.BitCount;
    out.compression = d.Compression;
    out.masks = d.Masks;
    out.colors = d.ColorTable;
    out.xPelsPerMeter = d.XPelsPerMeter;
    out.yPelsPerMeter = d.YPelsPerMeter;
    out.clrUsed = d.ClrUsed;
    out.clrImportant = d.ClrImportant;
    out.os2 = d.OS2 && d.Compression == BI_RGB && d.Width <= 0xFFFF && d.Height <= 0xFFFF;
  } else {
    out.width = source.Surface->Width();
    out.height = source.Surface->Height();
  }
  if (out.colors.size() > 256) out.colors.resize(256);
  if (out.clrUsed != 0 && out.clrUsed < out.colors.size()) out.colors.resize(out.clrUsed);
  if (out.colors.empty() && source.Palette && !source.OwnHalftonePalette) {
    const auto& entries = source.Palette->Entries;
    out.colors.assign(entries.begin(), entries.begin() + std::min<ptrdiff_t>(entries.size(), 256));
  }
  // A colour count of 0 says "2^bits" to readers, so a bitmap without a
  // table never claims colours it does not write.
  out.clrUsed = static_cast<uint32_t>(out.colors.size());
  if (out.compression == BI_BITFIELDS && out.masks.IsZero()) out.masks = DefaultBitfieldMasks(out.bitCount);
  return out;
}

// Zeroed room for the file header and HeaderArea bytes after it (the
// bitmap header of HeaderSize bytes, masks, colour table), with the file
// header and the bitmap header's size filled in.
QByteArray FileHeader(const TBmpOut& out, int headerSize, int headerArea) {
  QByteArray bytes(kFileHeaderSize + headerArea, '\0');
  auto* p = reinterpret_cast<uint8_t*>(bytes.data());
  PutU16(p, 0x4D42);
  PutU32(p + 2, kFileHeaderSize + headerArea + out.ImageSize());
  PutU32(p + 10, kFileHeaderSize + headerArea);
  PutU32(p + 14, static_cast<uint32_t>(headerSize));
  return bytes;
}

QByteArray InfoHeaders(const TBmpOut& out) {
  const bool masks = out.compression == BI_BITFIELDS && out.bitCount > 8;
  const int headerArea = kInfoHeaderSize + (masks ? 12 : 0) + 4 * static_cast<int>(out.colors.size());
  QByteArray bytes = FileHeader(out, kInfoHeaderSize, headerArea);
  auto* p = reinterpret_cast<uint8_t*>(bytes.data());
  PutU32(p + 18, static_cast<uint32_t>(out.width));
  PutU32(p + 22, static_cast<uint32_t>(out.height));
  PutU16(p + 26, 1);
  PutU16(p + 28, out.bitCount);
  PutU32(p + 30, masks ? BI_BITFIELDS : BI_RGB);
  PutU32(p + 34, out.ImageSize());
  PutU32(p + 38, static_cast<uint32_t>(out.xPelsPerMeter));
  PutU32(p + 42, static_cast<uint32_t>(out.yPelsPerMeter));
  PutU32(p + 46, out.clrUsed);
  PutU32(p + 50, out.clrImportant);
  uint8_t* at = p + 54;
  if (masks) {
    PutU32(at, out.masks.Red);
    PutU32(at + 4, out.masks.Green);
    PutU32(at + 8, out.masks.Blue);
    at += 12;
  }
  for (const QRgb c : out.colors) {
    at[0] = static_cast<uint8_t>(qBlue(c));
    at[1] = static_cast<uint8_t>(qGreen(c));
    at[2] = static_cast<uint8_t>(qRed(c));
    at += 4;
  }
  return bytes;
}

// OS/2 form: a table of exactly 2^bits entries for indexed bitmaps, none
// otherwise, so that the pixel offset is where the rows are.
QByteArray CoreHeaders(const TBmpOut& out) {
  const int entries = out.bitCount <= 8 ? 1 << out.bitCount : 0;
  const int headerArea = kCoreHeaderSize + 3 * entries;
  QByteArray bytes = FileHeader(out, kCoreHeaderSize, headerArea);
  auto* p = reinterpret_cast<uint8_t*>(bytes.data());
  PutU16(p + 18, static_cast<uint16_t>(out.width));
  PutU16(p + 20, static_cast<uint16_t>(out.height));
  PutU16(p + 22, 1);
  PutU16(p + 24, out.bitCount);
  uint8_t* at = p + 26;
  for (int i = 0; i < entries && i < static_cast<int>(out.colors.size()); ++i, at += 3) {
    at[0] = static_cast<uint8_t>(qBlue(out.colors[i]));
    at[1] = static_cast<uint8_t>(qGreen(out.colors[i]));
    at[2] = static_cast<uint8_t>(qRed(out.colors[i]));
  }
  return bytes;
}

// Display rows, bottom row first, as blue, green, red, 0; written in
// batches of about a megabyte.
void WriteSurfaceRows(QIODevice& stream, const TSurface& surface) {
  const int32_t w = surface.Width();
  const int32_t batch = std::max<int32_t>(1, (1 << 20) / (4 * w));
  std::vector<uint32_t> buffer(static_cast<size_t>(w) * static_cast<size_t>(std::min(batch, surface.Height())));
  for (int32_t y = surface.Height() - 1; y >= 0;) {
    uint32_t* to = buffer.data();
    int32_t rows = 0;
    for (; rows < batch && y >= 0; ++rows, --y, to += w) {
      const QRgb* from = surface.Row(y);
      for (int32_t x = 0; x < w; ++x) to[x] = from[x] & 0x00FFFFFFu;
    }
    WriteAll(stream, buffer.data(), static_cast<int64_t>(rows) * w * 4);
  }
}

}  // namespace

void WriteBmp(QIODevice& stream, const TBmpSource& source) {
  if (source.KeptBytes && !source.KeptBytes->isEmpty()) {
    WriteAll(stream, *source.KeptBytes);
    return;
  }
  const TBmpOut out = Describe(source);
  if (out.width <= 0 || out.height <= 0) return;
  WriteAll(stream, out.os2 ? CoreHeaders(out) : InfoHeaders(out));
  if (source.Dib) WriteAll(stream, source.Dib->Bits);
  else WriteSurfaceRows(stream, *source.Surface);
}
