// Copies between canvases: raster operations, nearest-pixel stretching and
// the monochrome colour rules.
#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/canvas/Canvas.h"
#include "toolkit/canvas/SpanPainter.h"

namespace {

// How a source pixel becomes a destination pixel before the raster
// operation: unchanged, monochrome onto colour, or colour onto monochrome.
struct TPixelMapping {
  enum Kind { Same, MonoToColor, ColorToMono } kind = Same;
  QRgb white = kWhitePixel;  // MonoToColor: what white becomes
  QRgb black = kBlackPixel;  // MonoToColor: what black becomes
  QRgb sourceBk = 0;         // ColorToMono: the source pixel that turns white

  QRgb operator()(QRgb s) const {
    switch (kind) {
      case MonoToColor: return s == kWhitePixel ? white : black;
      case ColorToMono: return (s | 0xFF000000u) == sourceBk ? kWhitePixel : kBlackPixel;
      default: return s;
    }
  }
};

// Source column (or row) of each destination column, nearest pixel.
std::vector<int32_t> NearestMap(int32_t destFirst, int32_t destLast, int32_t destOrigin, int32_t destSize,
                                int32_t sourceOrigin, int32_t sourceSize) {
  std::vector<int32_t> map;
  map.reserve(static_cast<size_t>(std::max(0, destLast - destFirst)));
  for (int32_t d = destFirst; d < destLast; ++d)
    map.push_back(sourceOrigin + static_cast<int32_t>(static_cast<int64_t>(d - destOrigin) * sourceSize / destSize));
  return map;
}

template <typename Combine>
void CombineRow(QRgb* dest, const QRgb* source, int32_t count, const TPixelMapping& mapping, Combine combine) {
  if (mapping.kind == TPixelMapping::Same) {
    for (int32_t i = 0; i < count; ++i) dest[i] = combine(dest[i], source[i]);
  } else {
    for (int32_t i = 0; i < count; ++i) dest[i] = combine(dest[i], mapping(source[i]));
  }
}

// Combines Count source pixels into the destination row by the raster operation.
void ApplyRow(QRgb* dest, const QRgb* source, int32_t count, TCopyMode mode, const TPixelMapping& mapping) {
  switch (mode) {
    case SRCAND: CombineRow(dest, source, count, mapping, [](QRgb d, QRgb s) { return d & s; }); break;
    case SRCPAINT: CombineRow(dest, source, count, mapping, [](QRgb d, QRgb s) { return d | s; }); break;
    default:
      if (mapping.kind == TPixelMapping::Same) std::memcpy(dest, source, static_cast<size_t>(count) * sizeof(QRgb));
      else CombineRow(dest, source, count, mapping, [](QRgb, QRgb s) { return s; });
  }
}

}  // namespace

void TCanvas::CopyRect(const TRect& destRect, const TCanvas& source, const TRect& sourceRect) {
  if (!HandleAllocated() || !source.HandleAllocated() || destRect.IsEmpty() || sourceRect.IsEmpty()) return;
  const TRect dest = destRect.Offset(origin_.X, origin_.Y);
  const TRect src = sourceRect.Offset(source.origin_.X, source.origin_.Y);
  const TRect area = dest.Intersect(DeviceClip());
  if (area.IsEmpty()) return;

  TPixelMapping mapping;
  if (source.surface_->Monochrome() && !surface_->Monochrome())
    mapping = {TPixelMapping::MonoToColor, ColorToPixel(bkColor_), ColorToPixel(textColor_), 0};
  if (mapping.kind == TPixelMapping::MonoToColor && mapping.white == kWhitePixel && mapping.black == kBlackPixel)
    mapping.kind = TPixelMapping::Same;  // the usual masking colours map each pixel to itself
  else if (!source.surface_->Monochrome() && surface_->Monochrome())
    mapping = {TPixelMapping::ColorToMono, kWhitePixel, kBlackPixel, ColorToPixel(source.bkColor_)};

  // Copying within one surface reads from a snapshot: the first write
  // detaches the destination's pixels from it.
  TSurface snapshot;
  if (source.surface_ == surface_) snapshot = *surface_;
  const TSurface& from = source.surface_ == surface_ ? snapshot : *source.surface_;

  const bool stretched = dest.Width() != src.Width() || dest.Height() != src.Height();
  const std::vector<int32_t> columns =
      NearestMap(area.Left, area.Right, dest.Left, dest.Width(), src.Left, src.Width());
  const bool columnsInside = columns.front() >= 0 && columns.back() < from.Width();
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const auto sy = src.Top + static_cast<int32_t>(static_cast<int64_t>(y - dest.Top) * src.Height() / dest.Height());
    if (sy < 0 || sy >= from.Height()) continue;
    QRgb* destRow = surface_->Row(y) + area.Left;
    const QRgb* srcRow = from.Row(sy);
    if (!stretched && columnsInside) {
      ApplyRow(destRow, srcRow + columns.front(), area.Width(), copyMode_, mapping);
      continue;
    }
    // Columns outside the source are left alone.
    for (int32_t i = 0; i < area.Width(); ++i) {
      const int32_t sx = columns[static_cast<size_t>(i)];
      if (sx >= 0 && sx < from.Width()) ApplyRow(destRow + i, srcRow + sx, 1, copyMode_, mapping);
    }
  }
}

void TCanvas::BrushCopy(const TRect& destRect, const TSurface& source, const TRect& sourceRect, TColor transparent) {
  if (!HandleAllocated() || source.IsNull() || destRect.IsEmpty() || sourceRect.IsEmpty()) return;
  const TRect dest = destRect.Offset(origin_.X, origin_.Y);
  const TRect area = dest.Intersect(DeviceClip());
  if (area.IsEmpty()) return;
  const QRgb key = ColorToPixel(transparent);
  TSpanPainter brush(*surface_, DeviceClip(), *brush_, textColor_, bkColor_);
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const auto sy = sourceRect.Top + static_cast<int32_t>(static_cast<int64_t>(y - dest.Top) * sourceRect.Height() / dest.Height());
    if (sy < 0 || sy >= source.Height()) continue;
    const QRgb* srcRow = source.Row(sy);
    QRgb* destRow = surface_->Row(y);
    for (int32_t x = area.Left; x < area.Right; ++x) {
      const auto sx = sourceRect.Left + static_cast<int32_t>(static_cast<int64_t>(x - dest.Left) * sourceRect.Width() / dest.Width());
      if (sx < 0 || sx >= source.Width()) continue;
      if ((srcRow[sx] | 0xFF000000u) == key) brush.Span(y, x, x + 1);
      else destRow[x] = srcRow[sx];
    }
  }
}
