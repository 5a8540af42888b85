#pragma once
#include <QByteArray>
#include <QtGui/qrgb.h>
#include <cstdint>
#include <vector>

// Row compression of a device-independent bitmap (BMP header values).
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;

// No picture of more pixels than this is ever allocated (512 MB at 32 bits
// per pixel): a file asking for more is refused before any allocation.
constexpr int64_t kMaxPicturePixels = int64_t(1) << 27;
// Both sides positive and the pixel count within the cap, in 64 bits.
bool PictureSizeAllowed(int64_t width, int64_t height);

// Bytes per row: Width x BitCount bits rounded up to whole 32-bit words.
int64_t DibStride(int64_t width, int bitCount);

// Red, green and blue bit masks of a 16- or 32-bit pixel.
struct TColorMasks {
  uint32_t Red = 0;
  uint32_t Green = 0;
  uint32_t Blue = 0;
  bool IsZero() const { return (Red | Green | Blue) == 0; }
  friend bool operator==(const TColorMasks& a, const TColorMasks& b) {
    return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
  }
};
// The masks a writer fills in when they are missing: 5-6-5 for 16 bits,
// 8-8-8 for 32.
TColorMasks DefaultBitfieldMasks(int bitCount);
// The masks of uncompressed rows: 5-5-5 for 16 bits, 8-8-8 for 32.
TColorMasks PlainMasks(int bitCount);

// A device-independent bitmap: a pixel format, an optional colour table and
// the rows, bottom row first, each padded with zero bits to a multiple of 4
// bytes. The rows are shared between copies until one side writes.
struct TDib {
  int32_t Width = 0;
  int32_t Height = 0;
  uint16_t BitCount = 32;
  uint32_t Compression = BI_RGB;  // BI_RGB or BI_BITFIELDS
  TColorMasks Masks;              // with BI_BITFIELDS
  std::vector<QRgb> ColorTable;   // 0xFFRRGGBB entries, at most 256
  // Header values kept from the file, written back as they are.
  int32_t XPelsPerMeter = 0;
  int32_t YPelsPerMeter = 0;
  uint32_t ClrUsed = 0;
  uint32_t ClrImportant = 0;
  bool OS2 = false;  // read from a 12-byte OS/2 header
  QByteArray Bits;

  int32_t Stride() const { return static_cast<int32_t>(DibStride(Width, BitCount)); }
  bool Indexed() const { return BitCount <= 8; }
  // The masks that decode the rows (plain ones without BI_BITFIELDS).
  TColorMasks EffectiveMasks() const;
  // Row Y counted from the top; the writable one unshares the rows.
  uint8_t* Row(int32_t y) { return reinterpret_cast<uint8_t*>(Bits.data()) + RowOffset(y); }
  const uint8_t* Row(int32_t y) const { return reinterpret_cast<const uint8_t*>(Bits.constData()) + RowOffset(y); }
  // Zeroed rows for Width x Height (either may be 0); rows that cannot be
  // had fail with EOutOfMemory and leave the bitmap as it was. ASSUMPTION:
  // the size has passed PictureSizeAllowed or is empty.
  void Allocate(int32_t width, int32_t height);
  // As Allocate, but the rows are not cleared. ASSUMPTION: the caller
  // writes or clears every byte of every row, padding included, before
  // anyone reads them.
  void AllocateUncleared(int32_t width, int32_t height);
  // Zeroes the bits after the last pixel of rows First to Last - 1
  // (counted from the top).
  void ClearPadding(int32_t first, int32_t last);

 private:
  qsizetype RowOffset(int32_t y) const { return static_cast<qsizetype>(Height - 1 - y) * Stride(); }
};

// Ready-made colour tables: black and white; the sixteen standard colours;
// the halftone table (those sixteen, the 6 x 6 x 6 colour cube and a grey
// ramp, 256 entries).
const std::vector<QRgb>& MonochromeColors();
const std::vector<QRgb>& StandardColors16();
const std::vector<QRgb>& HalftoneColors();
