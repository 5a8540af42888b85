#include "toolkit/window/HostWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <optional>

#include "toolkit/windowless/HostBackground.h"

namespace {

QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

TPoint ToPoint(const QPointF& point) { return {static_cast<int32_t>(point.x()), static_cast<int32_t>(point.y())}; }

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return mbLeft;
    case Qt::RightButton:
      return mbRight;
    case Qt::MiddleButton:
      return mbMiddle;
    default:
      return std::nullopt;
  }
}

}  // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ShiftBit(ssShift);
  if (modifiers & Qt::AltModifier) shift |= ShiftBit(ssAlt);
  if (modifiers & Qt::ControlModifier) shift |= ShiftBit(ssCtrl);
  if (buttons & Qt::LeftButton) shift |= ShiftBit(ssLeft);
  if (buttons & Qt::RightButton) shift |= ShiftBit(ssRight);
  if (buttons & Qt::MiddleButton) shift |= ShiftBit(ssMiddle);
  if (doubleClick) shift |= ShiftBit(ssDouble);
  return shift;
}

THostWidget::THostWidget(QWidget* parent) : QWidget(parent) {
  // The buffer covers every pixel: Qt need not clear anything first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void THostWidget::PaintBackground(const TRect& rect) { PaintHostBackground(surface_, rect, background_, Color()); }

void THostWidget::SetBackground(const TSurface& picture) {
  background_ = picture;
  Invalidate(surface_.Bounds());
}

void THostWidget::Painted(const TRect& rect) {
  // A paint event shows what it painted itself; an opaque control's own
  // repaint between paint events needs one.
  if (inPaintEvent_)
    painted_ += ToQRect(rect);
  else
    update(ToQRect(rect));
}

void THostWidget::Invalidated() { update(ToQRect(InvalidRects().back())); }

void THostWidget::paintEvent(QPaintEvent* event) {
  painted_ = QRegion();
  const QScopedValueRollback<bool> inPaintEvent(inPaintEvent_, true);
  Update();
  const QRegion shown = event->region() + painted_;
  if (!surface_.IsNull()) {
    QPainter painter(this);
    for (const QRect& rect : shown) painter.drawImage(rect.topLeft(), surface_.Image(), rect);
  }
  FollowCursor();
}

void THostWidget::resizeEvent(QResizeEvent* event) {
  surface_ = TSurface::Uncleared(width(), height());
  Invalidate(surface_.Bounds());
  QWidget::resizeEvent(event);
}

TPoint THostWidget::Track(QMouseEvent* event) {
  pointer_ = ToPoint(event->position());
  globalPointer_ = event->globalPosition().toPoint();
  pointerInside_ = rect().contains(QPoint(pointer_.X, pointer_.Y));
  return pointer_;
}

void THostWidget::Press(QMouseEvent* event, bool doubleClick) {
  const TPoint point = Track(event);
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button) return;
  MouseDown(*button, ShiftStateOf(event->modifiers(), event->buttons(), doubleClick), point);
  FollowCursor();
}

void THostWidget::mousePressEvent(QMouseEvent* event) { Press(event, false); }

void THostWidget::mouseDoubleClickEvent(QMouseEvent* event) { Press(event, true); }

void THostWidget::mouseMoveEvent(QMouseEvent* event) {
  const TPoint point = Track(event);
  MouseMove(ShiftStateOf(event->modifiers(), event->buttons(), false), point);
  FollowCursor();
}

void THostWidget::mouseReleaseEvent(QMouseEvent* event) {
  const TPoint point = Track(event);
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button) return;
  MouseUp(*button, ShiftStateOf(event->modifiers(), event->buttons(), false), point);
  FollowCursor();
}

void THostWidget::leaveEvent(QEvent* event) {
  pointerInside_ = false;
  MouseLeave();
  FollowCursor();
  QWidget::leaveEvent(event);
}

void THostWidget::HostMouseDown(TMouseButton button, TShiftState shift, TPoint point) {
  if (OnMouseDown) OnMouseDown(button, shift, point.X, point.Y);
}

void THostWidget::HostMouseMove(TShiftState shift, TPoint point) {
  if (OnMouseMove) OnMouseMove(shift, point.X, point.Y);
}

void THostWidget::HostMouseUp(TMouseButton button, TShiftState shift, TPoint point) {
  if (OnMouseUp) OnMouseUp(button, shift, point.X, point.Y);
}

void THostWidget::FollowCursor() {
  const TCursor cursor = pointerInside_ ? CursorAt(pointer_) : crDefault;
  if (cursor == crHandPoint)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
}
