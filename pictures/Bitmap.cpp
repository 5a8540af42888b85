#include "pictures/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "pictures/BmpReader.h"
#include "pictures/BmpWriter.h"
#include "pictures/DibConvert.h"
#include "toolkit/Exceptions.h"

namespace {

int BitCountOf(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

// Copies the pixels both sizes share into Dest's zeroed rows.
void CopyOverlap(const TDib& source, TDib& dest) {
  const int32_t rows = std::min(source.Height, dest.Height);
  const int64_t bits = static_cast<int64_t>(std::min(source.Width, dest.Width)) * dest.BitCount;
  const auto bytes = static_cast<size_t>((bits + 7) / 8);
  for (int32_t y = 0; y < rows && bytes > 0; ++y) std::memcpy(dest.Row(y), source.Row(y), bytes);
  dest.ClearPadding(0, rows);
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(&surface_)) {}

TBitmap::TBitmap(int32_t width, int32_t height) : TBitmap() { SetSize(width, height); }

TBitmap::TBitmap(TSurface pixels) : TBitmap() { surface_ = std::move(pixels); }

TBitmap::~TBitmap() = default;

void TBitmap::SetWidth(int32_t width) { SetSize(width, Height()); }

void TBitmap::SetHeight(int32_t height) { SetSize(Width(), height); }

void TBitmap::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) return;
  if (width > 0 && height > 0 && !PictureSizeAllowed(width, height)) throw EInvalidGraphic::BitmapNotValid();
  // A bitmap with one side 0 is empty but keeps the other side.
  if (dib_) {
    TDib resized = *dib_;
    resized.Allocate(width, height);
    CopyOverlap(*dib_, resized);
    dib_ = std::move(resized);
  } else {
    surface_.SetSize(width, height);
  }
  PixelsChanging();
  Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  canvas.CopyRect(rect, std::as_const(*this).Canvas(), Surface().Bounds());
}

TSurface TBitmap::DisplayCopy() {
  if (Empty() || Monochrome()) return {};
  if (!dib_ || !surfaceStale_) return surface_.Copy();
  // Converted straight into the copy; the bitmap's own display copy is
  // left unmade.
  TSurface pixels;
  DibToSurface(*dib_, pixels);
  return pixels;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(*this);
  return copy;
}

void TBitmap::LoadFromStream(QIODevice& stream) {
  TBmpImage image = ReadBmp(stream);
  if (image.IsDib) {
    dib_ = std::move(image.Dib);
    surface_ = TSurface();
    surfaceStale_ = true;
  } else {
    dib_.reset();
    surface_ = std::move(image.Surface);
    surfaceStale_ = false;
  }
  palette_ = std::move(image.Palette);
  ownHalftone_ = false;
  keptBytes_ = std::move(image.KeptBytes);
  Changed();
}

void TBitmap::SaveToStream(QIODevice& stream) {
  TBmpSource source;
  source.Dib = dib_ ? &*dib_ : nullptr;
  source.Surface = &surface_;
  source.Palette = palette_;
  source.OwnHalftonePalette = ownHalftone_;
  source.KeptBytes = &keptBytes_;
  WriteBmp(stream, source);
}

TCanvas& TBitmap::Canvas() {
  ToDisplayFormat();
  PixelsChanging();
  return *canvas_;
}

const TCanvas& TBitmap::Canvas() const {
  Surface();
  return *canvas_;
}

const TSurface& TBitmap::Surface() const {
  if (dib_ && surfaceStale_) {
    DibToSurface(*dib_, surface_);
    surfaceStale_ = false;
  }
  return surface_;
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == Monochrome()) return;
  ToDisplayFormat();
  PixelsChanging();
  surface_.SetMonochrome(monochrome);
  Changed();
}

void TBitmap::Mask(TColor color) {
  ToDisplayFormat();
  PixelsChanging();
  const QRgb key = ColorToPixel(color);
  for (int32_t y = 0; y < Height(); ++y) {
    QRgb* row = surface_.Row(y);
    for (int32_t x = 0; x < Width(); ++x) row[x] = (row[x] | 0xFF000000u) == key ? kWhitePixel : kBlackPixel;
  }
  surface_.SetMonochrome(true);
  Changed();
}

void TBitmap::SetPalette(HPALETTE palette) {
  palette_ = std::move(palette);
  ownHalftone_ = false;
  keptBytes_.clear();
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  dib_ = source.dib_;
  surface_ = source.surface_;
  surfaceStale_ = source.surfaceStale_;
  palette_ = source.palette_;
  ownHalftone_ = source.ownHalftone_;
  keptBytes_ = source.keptBytes_;
  Changed();
}

void TBitmap::AssignDib(TDib dib) {
  dib_ = std::move(dib);
  ownHalftone_ = false;
  PixelsChanging();
  Changed();
}

TPixelFormat TBitmap::PixelFormat() const {
  if (!dib_) return pfDevice;
  const TColorMasks masks = dib_->EffectiveMasks();
  switch (dib_->BitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16:
      if (masks == PlainMasks(16)) return pf15bit;
      return masks == DefaultBitfieldMasks(16) ? pf16bit : pfCustom;
    case 24: return pf24bit;
    default: return masks == PlainMasks(32) ? pf32bit : pfCustom;
  }
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == PixelFormat() || format == pfCustom) return;
  if (format == pfDevice) {
    ToDisplayFormat();
    PixelsChanging();
    Changed();
    return;
  }
  TDib target;
  target.BitCount = static_cast<uint16_t>(BitCountOf(format));
  if (format == pf16bit) {
    target.Compression = BI_BITFIELDS;
    target.Masks = DefaultBitfieldMasks(16);
  }
  if (dib_) {
    target.XPelsPerMeter = dib_->XPelsPerMeter;
    target.YPelsPerMeter = dib_->YPelsPerMeter;
    target.OS2 = dib_->OS2 && target.Compression == BI_RGB;
  }
  if (target.Indexed()) target.ColorTable = IndexedColors(target.BitCount);
  SurfaceToDib(Surface(), target);
  dib_ = std::move(target);
  PixelsChanging();
  Changed();
}

std::vector<QRgb> TBitmap::IndexedColors(int bitCount) {
  const size_t most = size_t(1) << bitCount;
  if (dib_ && dib_->Indexed() && !dib_->ColorTable.empty() && dib_->ColorTable.size() <= most) return dib_->ColorTable;
  if (palette_ && !palette_->Entries.empty()) {
    const auto& entries = palette_->Entries;
    return {entries.begin(), entries.begin() + static_cast<ptrdiff_t>(std::min(entries.size(), most))};
  }
  if (bitCount == 1) return MonochromeColors();
  if (bitCount == 4) return StandardColors16();
  auto halftone = std::make_shared<TLogPalette>();
  halftone->Entries = HalftoneColors();
  palette_ = std::move(halftone);
  ownHalftone_ = true;
  return HalftoneColors();
}

void TBitmap::SetColorMasks(const TColorMasks& masks) {
  if (!dib_ || (dib_->BitCount != 16 && dib_->BitCount != 32)) return;
  dib_->Compression = BI_BITFIELDS;
  dib_->Masks = masks;
  PixelsChanging();
  Changed();
}

const std::vector<QRgb>& TBitmap::ColorTable() const {
  static const std::vector<QRgb> none;
  return dib_ ? dib_->ColorTable : none;
}

void TBitmap::SetColorTable(const std::vector<QRgb>& colors) {
  if (!dib_ || !dib_->Indexed()) return;
  dib_->ColorTable.assign(colors.begin(), colors.begin() + static_cast<ptrdiff_t>(std::min<size_t>(colors.size(), 256)));
  PixelsChanging();
  Changed();
}

uint8_t* TBitmap::ScanLine(int32_t y) {
  PixelsChanging();
  return dib_ ? dib_->Row(y) : reinterpret_cast<uint8_t*>(surface_.Row(y));
}

const uint8_t* TBitmap::ScanLine(int32_t y) const {
  return dib_ ? dib_->Row(y) : reinterpret_cast<const uint8_t*>(surface_.Row(y));
}

void TBitmap::PixelsChanging() {
  keptBytes_.clear();
  if (dib_) surfaceStale_ = true;
}

void TBitmap::ToDisplayFormat() {
  if (!dib_) return;
  Surface();
  dib_.reset();
}
