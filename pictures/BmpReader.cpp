#include "pictures/BmpReader.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <new>

#include "pictures/BmpRle.h"
#include "pictures/StreamIO.h"

namespace {

constexpr uint16_t kBmpSignature = 0x4D42;  // "BM"
constexpr int kFileHeaderSize = 14;

[[noreturn]] void NotValid() { throw EInvalidGraphic::BitmapNotValid(); }

// The info header as read, whatever its version.
struct TBmpHeader {
  uint32_t size = 0;  // header size
  int64_t width = 0;
  int64_t height = 0;  // negative: top row first
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = BI_RGB;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
  bool masksInHeader = false;
  TColorMasks masks;

  bool Os2Core() const { return size == 12; }
  // OS/2 2.x headers: 16 to 64 bytes; compression 3 there means Huffman 1D.
  bool Os2V2() const { return size == 16 || size == 64; }
  bool Rle() const { return compression == BI_RLE8 || compression == BI_RLE4; }
  int64_t Rows() const { return std::abs(height); }
  int64_t Stride() const { return DibStride(width, bitCount); }
  int EntrySize() const { return Os2Core() ? 3 : 4; }
  int MaskBytes() const { return compression == BI_BITFIELDS && !masksInHeader ? 12 : 0; }
};

bool KnownHeaderSize(uint32_t size) {
  switch (size) {
    case 12: case 16: case 40: case 52: case 56: case 64: case 108: case 124: return true;
    default: return false;
  }
}

TBmpHeader ParseHeader(uint32_t size, const uint8_t* rest) {
  TBmpHeader h;
  h.size = size;
  TByteCursor c(rest, size - 4);
  if (h.Os2Core()) {
    h.width = c.U16();
    h.height = c.U16();
    h.planes = c.U16();
    h.bitCount = c.U16();
    return h;
  }
  // Shorter OS/2 2.x headers leave the later fields 0.
  std::array<uint8_t, 48> fields{};
  std::memcpy(fields.data(), rest, std::min<size_t>(size - 4, fields.size()));
  TByteCursor f(fields.data(), fields.size());
  h.width = f.I32();
  h.height = f.I32();
  h.planes = f.U16();
  h.bitCount = f.U16();
  h.compression = f.U32();
  h.sizeImage = f.U32();
  h.xPelsPerMeter = f.I32();
  h.yPelsPerMeter = f.I32();
  h.clrUsed = f.U32();
  h.clrImportant = f.U32();
  if (size >= 52 && !h.Os2V2()) {
    h.masksInHeader = true;
    h.masks.Red = f.U32();
    h.masks.Green = f.U32();
    h.masks.Blue = f.U32();
  }
  return h;
}

void Validate(const TBmpHeader& h) {
  if (h.planes != 1) NotValid();
  switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: NotValid();
  }
  switch (h.compression) {
    case BI_RGB: break;
    case BI_RLE8: if (h.bitCount != 8) NotValid(); break;
    case BI_RLE4: if (h.bitCount != 4) NotValid(); break;
    case BI_BITFIELDS: if (h.Os2V2() || (h.bitCount != 16 && h.bitCount != 32)) NotValid(); break;
    default: NotValid();  // JPEG, PNG, alpha masks, OS/2 RLE24: nothing we expand
  }
  // Run-length rows are bottom row first by definition.
  if (h.height == 0 || (h.height < 0 && h.Rle())) NotValid();
  if (!PictureSizeAllowed(h.width, h.Rows())) NotValid();
}

// The masks and colour table that follow the header, and where the pixels
// start, all counted from the "BM".
struct TBmpLayout {
  int64_t colorCount = 0;
  int64_t areaStart = 0;  // masks, then the colour table
  int64_t areaBytes = 0;
  int64_t pixelStart = 0;
};

TBmpLayout Layout(const TBmpHeader& h, uint32_t offBits, int64_t fileSize) {
  TBmpLayout l;
  l.areaStart = kFileHeaderSize + h.size;
  const int64_t tableStart = l.areaStart + h.MaskBytes();
  l.colorCount = h.clrUsed;
  if (l.colorCount == 0 && h.bitCount <= 8) {
    l.colorCount = int64_t(1) << h.bitCount;
    // A default-sized table that the pixel offset cuts short is that short.
    if (offBits >= tableStart && offBits < tableStart + l.colorCount * h.EntrySize())
      l.colorCount = (offBits - tableStart) / h.EntrySize();
  }
  l.areaBytes = h.MaskBytes() + l.colorCount * h.EntrySize();
  const int64_t areaEnd = l.areaStart + l.areaBytes;
  if (areaEnd > fileSize) NotValid();
  // Pixels come right after the table, unless the offset leaves a gap and
  // still lies inside the file.
  l.pixelStart = offBits > areaEnd && offBits < fileSize ? offBits : areaEnd;
  return l;
}

// Masks (when they follow the header) and the colour table, from Cursor at
// the table area.
void ReadMasksAndColors(TByteCursor& cursor, const TBmpHeader& h, const TBmpLayout& l, TDib& dib) {
  dib.Masks = h.masks;
  if (h.MaskBytes() != 0) {
    dib.Masks.Red = cursor.U32();
    dib.Masks.Green = cursor.U32();
    dib.Masks.Blue = cursor.U32();
  }
  const int64_t kept = std::min<int64_t>(l.colorCount, 256);
  dib.ColorTable.reserve(static_cast<size_t>(kept));
  for (int64_t i = 0; i < kept; ++i) {
    const uint8_t* e = cursor.Take(static_cast<size_t>(h.EntrySize()));
    dib.ColorTable.push_back(qRgb(e[2], e[1], e[0]));
  }
}

TDib FormatOf(const TBmpHeader& h) {
  TDib dib;
  dib.BitCount = h.bitCount;
  dib.Compression = h.compression == BI_BITFIELDS ? BI_BITFIELDS : BI_RGB;
  dib.XPelsPerMeter = h.xPelsPerMeter;
  dib.YPelsPerMeter = h.yPelsPerMeter;
  dib.ClrUsed = h.clrUsed;
  dib.ClrImportant = h.clrImportant;
  dib.OS2 = h.Os2Core();
  return dib;
}

HPALETTE PaletteOf(const std::vector<QRgb>& colors) {
  auto palette = std::make_shared<TLogPalette>();
  palette->Entries = colors;
  return palette;
}

// The header's image size, or without one the rows' size (run-length data,
// which may be longer than the rows it expands to, runs to the file's end);
// never more than the file holds.
int64_t ImageSize(const TBmpHeader& h, int64_t available) {
  if (h.sizeImage == 0 && h.Rle()) return available;
  const int64_t size = h.sizeImage != 0 ? h.sizeImage : h.Stride() * h.Rows();
  return std::min(size, available);
}

void ReadRows(QIODevice& stream, const TBmpHeader& h, int64_t imageSize, TDib& dib) {
  dib.Allocate(static_cast<int32_t>(h.width), static_cast<int32_t>(h.Rows()));
  const int64_t bytes = std::min<int64_t>(imageSize, dib.Bits.size());
  // Rows the file does not hold stay 0, padding included.
  const auto rows = static_cast<int32_t>((bytes + dib.Stride() - 1) / dib.Stride());
  if (h.height > 0) {
    // Bottom row first, as stored: one read straight into the rows.
    ReadExact(stream, dib.Bits.data(), bytes);
    dib.ClearPadding(dib.Height - rows, dib.Height);
  } else {
    int64_t left = bytes;
    for (int32_t y = 0; y < dib.Height && left > 0; ++y) {
      const int64_t n = std::min<int64_t>(dib.Stride(), left);
      if (!ReadExact(stream, dib.Row(y), n)) break;
      left -= n;
    }
    dib.ClearPadding(0, rows);
  }
}

TBmpImage ReadRle(QIODevice& stream, const QByteArray& head, const TBmpHeader& h, uint32_t offBits) {
  TBmpImage image;
  image.KeptBytes = head + ReadRemaining(stream);
  const auto* bytes = reinterpret_cast<const uint8_t*>(image.KeptBytes.constData());
  const auto fileSize = static_cast<int64_t>(image.KeptBytes.size());
  const TBmpLayout l = Layout(h, offBits, fileSize);
  TByteCursor cursor(bytes, static_cast<size_t>(fileSize));
  cursor.Skip(static_cast<size_t>(l.areaStart));
  TDib format = FormatOf(h);
  ReadMasksAndColors(cursor, h, l, format);
  const int64_t imageSize = ImageSize(h, fileSize - l.pixelStart);
  TByteCursor rows(bytes + l.pixelStart, static_cast<size_t>(imageSize));
  image.Surface = TSurface(static_cast<int32_t>(h.width), static_cast<int32_t>(h.Rows()));
  image.Surface.Image().fill(qRgb(0, 0, 0));
  ExpandRle(rows, h.compression == BI_RLE4, format.ColorTable, image.Surface);
  image.Palette = PaletteOf(format.ColorTable);
  return image;
}

TBmpImage ReadFile(QIODevice& stream) {
  const int64_t fileSize = StreamRemaining(stream);
  if (fileSize == 0) return {};
  QByteArray head(kFileHeaderSize + 4, Qt::Uninitialized);
  if (!ReadExact(stream, head.data(), head.size())) NotValid();
  TByteCursor file(reinterpret_cast<const uint8_t*>(head.constData()), static_cast<size_t>(head.size()));
  if (file.U16() != kBmpSignature) NotValid();
  file.Skip(8);
  const uint32_t offBits = file.U32();
  const uint32_t headerSize = file.U32();
  if (!KnownHeaderSize(headerSize)) NotValid();
  QByteArray rest(static_cast<qsizetype>(headerSize - 4), Qt::Uninitialized);
  if (!ReadExact(stream, rest.data(), rest.size())) NotValid();
  const TBmpHeader h = ParseHeader(headerSize, reinterpret_cast<const uint8_t*>(rest.constData()));
  Validate(h);
  if (h.Rle()) return ReadRle(stream, head + rest, h, offBits);

  const TBmpLayout l = Layout(h, offBits, fileSize);
  QByteArray area(static_cast<qsizetype>(l.areaBytes), Qt::Uninitialized);
  if (!ReadExact(stream, area.data(), l.areaBytes)) NotValid();
  TByteCursor areaCursor(reinterpret_cast<const uint8_t*>(area.constData()), static_cast<size_t>(l.areaBytes));
  TBmpImage image;
  image.IsDib = true;
  image.Dib = FormatOf(h);
  ReadMasksAndColors(areaCursor, h, l, image.Dib);
  const int64_t gap = l.pixelStart - (l.areaStart + l.areaBytes);
  if (gap > 0 && !stream.skip(gap)) NotValid();
  ReadRows(stream, h, ImageSize(h, fileSize - l.pixelStart), image.Dib);
  if (h.bitCount > 8 && !image.Dib.ColorTable.empty()) image.Palette = PaletteOf(image.Dib.ColorTable);
  return image;
}

}  // namespace

TBmpImage ReadBmp(QIODevice& stream) {
  try {
    return ReadFile(stream);
  } catch (const std::bad_alloc&) {
    // No memory for the file's bytes or tables; the rows say so themselves.
    throw EOutOfMemory();
  }
}
