#include "render/fill/LMDFillObject.h"

#include "render/fill/GradientDraw.h"
#include "render/fill/PictureDraw.h"

namespace {

// Takes a picture as the canvas brush's pattern and removes it again on every exit.
class TPatternGuard {
 public:
  TPatternGuard(TBrush& brush, const TSurface& pattern) : brush_(brush) { brush_.SetBitmap(pattern); }
  ~TPatternGuard() { brush_.SetBitmap(TSurface()); }
  TPatternGuard(const TPatternGuard&) = delete;
  TPatternGuard& operator=(const TPatternGuard&) = delete;

 private:
  TBrush& brush_;
};

// Selects a clip rectangle and leaves the canvas unclipped on every exit.
class TClipGuard {
 public:
  TClipGuard(TCanvas& canvas, const TRect& deviceRect) : canvas_(canvas) { canvas_.SelectClipRect(deviceRect); }
  ~TClipGuard() { canvas_.RemoveClipRegion(); }
  TClipGuard(const TClipGuard&) = delete;
  TClipGuard& operator=(const TClipGuard&) = delete;

 private:
  TCanvas& canvas_;
};

}  // namespace

TLMDFillObject::TLMDFillObject() : brush_(std::make_unique<TBrush>()) {
  brush_->OnChange = [this] { ChildChanged(); };
  HoldChanges();
  SetStyle(sfNone);
  ReleaseChanges(false);
}

TLMDFillObject::~TLMDFillObject() { brush_->OnChange = nullptr; }

bool TLMDFillObject::PlacementShows() const {
  return (Style() == sfBitmap || Style() == sfBitmapList) && TileMode() == tmNone;
}

void TLMDFillObject::SetAlignment(TLMDAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  if (PlacementShows()) NotifyChange();
}

void TLMDFillObject::SetOffsetX(int32_t value) {
  if (value == offsetX_) return;
  offsetX_ = value;
  if (PlacementShows()) NotifyChange();
}

void TLMDFillObject::SetOffsetY(int32_t value) {
  if (value == offsetY_) return;
  offsetY_ = value;
  if (PlacementShows()) NotifyChange();
}

void TLMDFillObject::SetOptions(TLMDFillOptions value) {
  if (Store(options_, value)) NotifyChange();
}

bool TLMDFillObject::IsTransparent() const {
  switch (Style()) {
    case sfNone: return true;
    case sfBrush: return brush_->Style() != bsSolid && !HasOption(foFillInner);
    case sfBitmap:
    case sfBitmapList: return (TileMode() == tmNone || TileMode() == tmCenter) && !HasOption(foFillInner);
    default: return false;
  }
}

void TLMDFillObject::CopyFrom(const TLMDObject* source) {
  if (source == this) return;
  const auto* fill = dynamic_cast<const TLMDFillObject*>(source);
  if (fill == nullptr) {
    TLMDShapeFill::CopyFrom(source);
    return;
  }
  HoldChanges();
  brush_->Assign(*fill->brush_);
  SetOptions(fill->options_);
  Bitmap().Assign(fill->Bitmap());
  ListPicture().Assign(fill->ListPicture());
  Gradient().CopyFrom(&fill->Gradient());
  SetStyle(fill->Style());
  SetTileMode(fill->TileMode());
  ReleaseChanges(true);
}

void TLMDFillObject::FillInner(TCanvas& canvas, const TRect& rect, TColor color) const {
  if (!HasOption(foFillInner)) return;
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(rect);
}

void TLMDFillObject::PaintBrushBitmap(TCanvas& canvas, const TRect& rect) {
  if (Bitmap().Empty()) {
    canvas.FillRect(rect);
    return;
  }
  const TPatternGuard pattern(canvas.Brush(), Bitmap().Surface());
  canvas.FillRect(rect);
}

bool TLMDFillObject::PaintPicture(TCanvas& canvas, const TRect& rect, TColor color) {
  TBitmap& picture = Style() == sfBitmapList ? ListPicture() : Bitmap();
  if (picture.Empty()) {
    FillInner(canvas, rect, color);
    return false;
  }
  const PictureDrawFlags flags = HasOption(foQuickDraw) ? 0 : pdfPalette;
  switch (TileMode()) {
    case tmNone: {
      FillInner(canvas, rect, color);
      const TRect placed = AlignRectInRect(alignment_, Rect(0, 0, picture.Width(), picture.Height()), rect);
      DrawPicture(canvas, placed.Offset(offsetX_, offsetY_), picture, 0, flags);
      break;
    }
    case tmCenter:
      FillInner(canvas, rect, color);
      DrawPicture(canvas, rect, picture, 0, flags | pdfCenter);
      break;
    case tmStretch: DrawPicture(canvas, rect, picture, 0, flags | pdfStretch); break;
    case tmTile: DrawPicture(canvas, rect, picture, 0, flags | pdfTile); break;
  }
  return true;
}

bool TLMDFillObject::PaintRect(TCanvas& canvas, const TRect& rect, TColor color) {
  switch (Style()) {
    case sfBrushBitmap: PaintBrushBitmap(canvas, rect); return true;
    case sfBrush:
      canvas.Brush().Assign(*brush_);
      canvas.FillRect(rect);
      return true;
    case sfBitmap:
    case sfBitmapList: return PaintPicture(canvas, rect, color);
    case sfGradient: {
      const TLMDGradient& gradient = Gradient();
      const GradientDrawFlags flags =
          (HasOption(foGrUseBitmap) ? pdfOffscreen : 0) | (gradient.PaletteRealize() ? pdfPalette : 0);
      DrawGradient(canvas, rect, gradient.Style(), flags, gradient.PaletteHandle(), gradient.RampColors());
      return true;
    }
    default: return false;
  }
}

void TLMDFillObject::PaintRectClipped(TCanvas& canvas, const TRect& rect, uint32_t origin, TColor color) {
  // The off-screen gradient is copied at exactly Rect's size.
  if (Style() == sfGradient && HasOption(foGrUseBitmap)) {
    PaintRect(canvas, rect, color);
    return;
  }
  const TRect region =
      origin == 0 ? rect : rect.Offset(static_cast<int32_t>(origin & 0xFFFFu), static_cast<int32_t>(origin >> 16));
  const TClipGuard clip(canvas, region);
  PaintRect(canvas, rect, color);
}
