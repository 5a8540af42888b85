#include "toolkit/windowless/ControlHost.h"

#include <algorithm>

#include "toolkit/windowless/Control.h"

TControlHost::TControlHost() : font_(std::make_unique<TFont>()) {}

TControlHost::~TControlHost() {
  for (TGraphicControl* control : controls_) control->parent_ = nullptr;
}

void TControlHost::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  for (TGraphicControl* control : controls_) control->CMParentColorChanged();
  Invalidate(Surface().Bounds());
}

void TControlHost::SetFont(const TFont& font) {
  font_->Assign(font);
  for (TGraphicControl* control : controls_) control->CMParentFontChanged();
}

void TControlHost::InsertControl(TGraphicControl* control) {
  controls_.push_back(control);
  control->Invalidate();
}

void TControlHost::RemoveControl(TGraphicControl* control) {
  control->Invalidate();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (capture_ == control) capture_ = nullptr;
  if (pointer_ == control) pointer_ = nullptr;
}

void TControlHost::Invalidate(const TRect& rect) {
  if (rect.IsEmpty()) return;
  // Keep the rectangles disjoint: each overlapping one joins the new one.
  TRect joined = rect;
  for (auto it = invalid_.begin(); it != invalid_.end();) {
    if (it->Intersect(joined).IsEmpty()) {
      ++it;
      continue;
    }
    joined = joined.Union(*it);
    invalid_.erase(it);
    it = invalid_.begin();
  }
  invalid_.push_back(joined);
  Invalidated();
}

void TControlHost::Update() {
  std::vector<TRect> rects;
  rects.swap(invalid_);
  for (const TRect& rect : rects) {
    const TRect area = rect.Intersect(Surface().Bounds());
    if (area.IsEmpty()) continue;
    PaintBackground(area);
    PaintControls(area, nullptr);
  }
}

void TControlHost::PaintControls(const TRect& rect, const TGraphicControl* first) {
  const TRect area = rect.Intersect(Surface().Bounds());
  if (area.IsEmpty()) return;
  auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
  // By index: a paint may not add or remove controls, but be safe if it does.
  for (size_t i = static_cast<size_t>(it - controls_.begin()); i < controls_.size(); ++i)
    controls_[i]->PaintTo(Surface(), area);
  Painted(area);
}

TGraphicControl* TControlHost::ControlAtPos(TPoint point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TGraphicControl* control = *it;
    if (control->Visible() && control->Enabled() && control->BoundsRect().Contains(point)) return control;
  }
  return nullptr;
}

TCursor TControlHost::CursorAt(TPoint point) const {
  const TGraphicControl* control = ControlAtPos(point);
  return control ? control->Cursor() : crDefault;
}

TGraphicControl* TControlHost::Target(TPoint point) const {
  if (capture_) return capture_;
  return hostCaptured_ ? nullptr : ControlAtPos(point);
}

void TControlHost::TrackPointer(TGraphicControl* under) {
  if (under == pointer_) return;
  TGraphicControl* left = pointer_;
  pointer_ = under;
  if (left) left->CMMouseLeave();
  if (under) under->CMMouseEnter();
}

void TControlHost::MouseDown(TMouseButton button, TShiftState shift, TPoint point) {
  TrackPointer(ControlAtPos(point));
  TGraphicControl* target = Target(point);
  if (button == mbLeft && !capture_ && !hostCaptured_) {
    if (!target) hostCaptured_ = true;
    else if (target->ControlStyle() & ControlStyleBit(csCaptureMouse)) capture_ = target;
  }
  if (!target) {
    HostMouseDown(button, shift, point);
    return;
  }
  target->HostMouseDown(button, shift, point.X - target->Left(), point.Y - target->Top());
}

void TControlHost::MouseMove(TShiftState shift, TPoint point) {
  TrackPointer(ControlAtPos(point));
  TGraphicControl* target = Target(point);
  if (!target) {
    HostMouseMove(shift, point);
    return;
  }
  target->MouseMove(shift, point.X - target->Left(), point.Y - target->Top());
}

void TControlHost::MouseUp(TMouseButton button, TShiftState shift, TPoint point) {
  TGraphicControl* target = Target(point);
  if (button == mbLeft) {
    capture_ = nullptr;
    hostCaptured_ = false;
  }
  if (!target) {
    HostMouseUp(button, shift, point);
    return;
  }
  target->HostMouseUp(button, shift, point.X - target->Left(), point.Y - target->Top());
}

void TControlHost::MouseLeave() { TrackPointer(nullptr); }

bool TControlHost::DialogChar(QChar key) {
  for (size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i]->CMDialogChar(key)) return true;
  return false;
}
