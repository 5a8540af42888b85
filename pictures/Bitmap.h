#pragma once
#include <QByteArray>
#include <memory>
#include <optional>
#include <vector>

#include "pictures/DibFormat.h"
#include "pictures/Graphic.h"
#include "toolkit/Colors.h"
#include "toolkit/Palette.h"
#include "toolkit/Surface.h"
#include "toolkit/canvas/Canvas.h"

// Pixel formats of a bitmap: the display format (32-bit surface) or a
// device-independent bitmap of 1 to 32 bits per pixel. pf15bit is 16-bit
// 5-5-5 without masks, pf16bit 16-bit with 5-6-5 masks; pfCustom is any
// other mask layout and cannot be chosen.
enum TPixelFormat : uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// An off-screen picture. A bitmap made for drawing is in the display
// format, a 32-bit surface with a canvas; one read from a BMP file keeps the
// file's format (bits per pixel, masks, colour table, OS/2 header), and one
// read from a run-length-encoded file is expanded to the display format and
// keeps the file's bytes, which it writes back unchanged until it changes.
// It can turn itself into a monochrome mask.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int32_t width, int32_t height);
  // A display-format bitmap of Pixels, shared until either side writes.
  explicit TBitmap(TSurface pixels);
  ~TBitmap() override;

  QString ClassName() const override { return QStringLiteral("TBitmap"); }
  int32_t Width() const override { return dib_ ? dib_->Width : surface_.Width(); }
  int32_t Height() const override { return dib_ ? dib_->Height : surface_.Height(); }
  // Resizing keeps the pixels that still fit and the pixel format; new
  // display pixels are white, new pixels of other formats are 0. More than
  // kMaxPicturePixels fails with "Bitmap image is not valid".
  void SetWidth(int32_t width);
  void SetHeight(int32_t height);
  void SetSize(int32_t width, int32_t height);
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // A null surface when empty or monochrome (drawing maps a mask through
  // the canvas's colours).
  TSurface DisplayCopy() override;
  std::unique_ptr<TGraphic> Clone() const override;

  // BMP reading and writing (a failed read leaves the bitmap as it was).
  void LoadFromStream(QIODevice& stream) override;
  void SaveToStream(QIODevice& stream) override;

  // The canvas that draws on this bitmap's pixels. A bitmap of another
  // format is first converted to the display format, and the kept bytes of
  // a run-length-encoded file are dropped, since the pixels may change.
  TCanvas& Canvas();
  // A canvas to copy from only, over the display pixels; changes nothing.
  const TCanvas& Canvas() const;
  // The display pixels (converted on demand for other formats).
  const TSurface& Surface() const;

  bool Monochrome() const { return !dib_ && surface_.Monochrome(); }
  void SetMonochrome(bool monochrome);
  // Becomes a monochrome mask: white where the pixel is Color, black elsewhere.
  void Mask(TColor color);

  HPALETTE Palette() const { return palette_; }
  void SetPalette(HPALETTE palette);

  // Takes Source's size, format, pixels, colour table, palette and kept bytes.
  void Assign(const TBitmap& source);
  // Becomes Dib (format, colour table, rows); the palette stays.
  void AssignDib(TDib dib);

  TPixelFormat PixelFormat() const;
  // Converts the pixels: indexed formats take the nearest colours of the
  // current colour table when it fits, else of the palette, else black and
  // white (1 bit), the sixteen standard colours (4 bits) or a halftone
  // palette the bitmap makes for itself (8 bits).
  void SetPixelFormat(TPixelFormat format);
  // 32 for the display format.
  int BitsPerPixel() const { return dib_ ? dib_->BitCount : 32; }
  // The device-independent layout: BI_RGB or BI_BITFIELDS and its masks,
  // and the colour table (empty for the display format).
  uint32_t Compression() const { return dib_ ? dib_->Compression : BI_RGB; }
  TColorMasks ColorMasks() const { return dib_ ? dib_->Masks : TColorMasks{}; }
  // 16 and 32 bits per pixel only: rows are reinterpreted, not converted.
  void SetColorMasks(const TColorMasks& masks);
  const std::vector<QRgb>& ColorTable() const;
  // Indexed formats only: at most 256 entries, the pixels keep their indices.
  void SetColorTable(const std::vector<QRgb>& colors);
  bool OS2Format() const { return dib_ && dib_->OS2; }
  // True while the bitmap holds the unchanged bytes of the RLE file it was
  // read from.
  bool KeepsFileBytes() const { return !keptBytes_.isEmpty(); }

  // The bytes of row Y (0 = top) in the bitmap's own format; the display
  // format is 4 bytes per pixel, blue, green, red, unused. The writable
  // row counts as a change of the pixels (without a change report).
  // ASSUMPTION: 0 <= Y < Height; writers keep the bits after the last
  // pixel of a row at 0.
  uint8_t* ScanLine(int32_t y);
  const uint8_t* ScanLine(int32_t y) const;
  int32_t BytesPerScanLine() const { return dib_ ? dib_->Stride() : 4 * surface_.Width(); }

 private:
  // Any change of the pixels: drops the kept bytes and the display copy of
  // a device-independent bitmap.
  void PixelsChanging();
  void ToDisplayFormat();
  std::vector<QRgb> IndexedColors(int bitCount);

  std::optional<TDib> dib_;       // absent: the display format
  mutable TSurface surface_;      // the display pixels; for a DIB a copy made on demand
  mutable bool surfaceStale_ = false;
  std::unique_ptr<TCanvas> canvas_;
  HPALETTE palette_;
  bool ownHalftone_ = false;      // palette_ is the halftone palette made by SetPixelFormat
  QByteArray keptBytes_;
};
