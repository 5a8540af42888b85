#include "toolkit/windowless/Control.h"

#include <algorithm>

#include "toolkit/windowless/ControlHost.h"

bool IsAccel(QChar key, const QString& caption) {
  QChar hotkey;
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    ++i;
    if (caption[i] != QLatin1Char('&')) hotkey = caption[i];
  }
  return !hotkey.isNull() && hotkey.toCaseFolded() == key.toCaseFolded();
}

TGraphicControl::TGraphicControl()
    : controlStyle_(ControlStyleBit(csCaptureMouse) | ControlStyleBit(csClickEvents) | ControlStyleBit(csDoubleClicks)),
      font_(std::make_unique<TFont>()),
      canvas_(std::make_unique<TCanvas>()) {
  font_->OnChange = [this] { OwnFontChanged(); };
}

TGraphicControl::~TGraphicControl() {
  font_->OnChange = nullptr;
  SetParent(nullptr);
}

void TGraphicControl::SetParent(TControlHost* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (!parent_) return;
  parent_->InsertControl(this);
  CMParentColorChanged();
  CMParentFontChanged();
}

void TGraphicControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (!Loading()) Resize();
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  // Invalidate while visible, so that both showing and hiding repaint.
  visible_ = true;
  Invalidate();
  visible_ = visible;
}

void TGraphicControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  CMEnabledChanged();
}

void TGraphicControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  parentColor_ = false;
  CMColorChanged();
}

void TGraphicControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  if (parent_ && !Loading()) CMParentColorChanged();
}

void TGraphicControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  parentFont_ = parentFont;
  if (parent_ && !Loading()) CMParentFontChanged();
}

void TGraphicControl::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  CMTextChanged();
}

void TGraphicControl::CMParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  SetColor(parent_->Color());
  parentColor_ = true;
}

void TGraphicControl::CMParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  SetFont(parent_->Font());
  parentFont_ = true;
}

void TGraphicControl::OwnFontChanged() {
  parentFont_ = false;
  CMFontChanged();
}

void TGraphicControl::Invalidate() {
  if (visible_ && parent_) parent_->Invalidate(BoundsRect());
}

void TGraphicControl::Repaint() {
  if (!visible_ || !parent_) return;
  if (Opaque()) {
    parent_->PaintControls(BoundsRect(), this);
    return;
  }
  Invalidate();
  Update();
}

void TGraphicControl::Update() {
  if (parent_) parent_->Update();
}

void TGraphicControl::PaintTo(TSurface& surface, const TRect& limit) {
  const TRect area = limit.Intersect(BoundsRect());
  if (!visible_ || area.IsEmpty()) return;
  // The canvas is on the surface for this paint only, also when it fails.
  struct TCanvasOnSurface {
    TCanvas& canvas;
    ~TCanvasOnSurface() {
      canvas.RemoveClipRegion();
      canvas.SetPaintLimit(std::nullopt);
      canvas.SetOrigin({});
      canvas.SetSurface(nullptr);
    }
  } restore{*canvas_};
  canvas_->SetSurface(&surface);
  canvas_->SetOrigin({left_, top_});
  canvas_->SetPaintLimit(area);
  canvas_->RemoveClipRegion();
  Paint();
}

void TGraphicControl::Resize() {
  if (OnResize) OnResize(this);
}

void TGraphicControl::Click() {
  if (OnClick) OnClick(this);
}

void TGraphicControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TGraphicControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TGraphicControl::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TGraphicControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TGraphicControl::HostMouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (button == mbLeft) {
    if (shift & ShiftBit(ssDouble)) {
      if (controlStyle_ & ControlStyleBit(csDoubleClicks)) DblClick();
    } else if (controlStyle_ & ControlStyleBit(csClickEvents)) {
      clicked_ = true;
    }
  }
  MouseDown(button, shift, x, y);
}

void TGraphicControl::HostMouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  // A click is a left press and release on the control, reported before
  // the release itself.
  if (button == mbLeft && clicked_) {
    clicked_ = false;
    if (ClientRect().Contains({x, y})) Click();
  }
  MouseUp(button, shift, x, y);
}
