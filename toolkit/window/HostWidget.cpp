#include "toolkit/window/HostWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <optional>

#include "toolkit/canvas/AreaAverage.h"
#include "toolkit/windowless/HostBackground.h"

namespace {

QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

TRect ToTRect(const QRect& rect) { return Bounds(rect.x(), rect.y(), rect.width(), rect.height()); }

// Logical and device pixels convert with a little slack: the window system
// reports whole device pixels, which a ratio that is not a binary fraction
// turns into logical ones a hair off.
constexpr double kSlack = 1.0 / 1024;

int32_t FloorOf(double value) { return static_cast<int32_t>(std::floor(value + kSlack)); }
int32_t CeilOf(double value) { return static_cast<int32_t>(std::ceil(value - kSlack)); }

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

void THostWidget::SetView(TSize picture, TSize view, qreal ratio) {
  fixedView_ = true;
  picture = {std::max(picture.cx, 1), std::max(picture.cy, 1)};
  scale_ = TViewScale(picture, {std::clamp(view.cx, 1, picture.cx), std::clamp(view.cy, 1, picture.cy)});
  ratio_ = ratio;
  surface_ = TSurface::Uncleared(picture.cx, picture.cy);
  view_ = scale_.IsIdentity() ? TSurface() : TSurface::Uncleared(scale_.View().cx, scale_.View().cy);
  stale_ = QRegion();
  Invalidate(surface_.Bounds());
  update();
}

void THostWidget::Painted(const TRect& rect) {
  if (!scale_.IsIdentity()) stale_ += ToQRect(rect);
  // A paint event shows what it painted itself; an opaque control's own
  // repaint between paint events needs one.
  const TRect device = scale_.ToView(rect);
  if (inPaintEvent_)
    painted_ += ToQRect(device);
  else
    update(LogicalRect(device));
}

void THostWidget::Invalidated() { update(LogicalRect(scale_.ToView(InvalidRects().back()))); }

void THostWidget::paintEvent(QPaintEvent* event) {
  painted_ = QRegion();
  const QScopedValueRollback<bool> inPaintEvent(inPaintEvent_, true);
  Update();
  RefreshView();
  if (!surface_.IsNull()) Show(DeviceRegion(event->region()) + painted_);
  FollowCursor();
}

void THostWidget::RefreshView() {
  for (const QRect& rect : stale_) AreaAverageRect(surface_, scale_.View(), scale_.ToView(ToTRect(rect)), view_);
  stale_ = QRegion();
}

void THostWidget::Show(const QRegion& shown) {
  QPainter painter(this);
  // The view's pixels go 1:1 onto the device's.
  if (ratio_ != 1) painter.scale(1 / ratio_, 1 / ratio_);
  const QImage& image = scale_.IsIdentity() ? surface_.Image() : view_.Image();
  const QRect view(0, 0, scale_.View().cx, scale_.View().cy);
  for (const QRect& rect : shown & view) painter.drawImage(rect.topLeft(), image, rect);
  // Beyond the view: what rounding to whole logical pixels left over.
  const QColor ground = QColor::fromRgb(ColorToPixel(Color()));
  for (const QRect& rect : shown - view) painter.fillRect(rect, ground);
}

QRect THostWidget::LogicalRect(const TRect& device) const {
  if (ratio_ == 1) return ToQRect(device);
  const int32_t left = FloorOf(device.Left / ratio_);
  const int32_t top = FloorOf(device.Top / ratio_);
  return QRect(left, top, CeilOf(device.Right / ratio_) - left, CeilOf(device.Bottom / ratio_) - top);
}

QRegion THostWidget::DeviceRegion(const QRegion& logical) const {
  if (ratio_ == 1) return logical;
  QRegion device;
  for (const QRect& rect : logical) {
    const int32_t left = FloorOf(rect.x() * ratio_);
    const int32_t top = FloorOf(rect.y() * ratio_);
    device += QRect(left, top, CeilOf((rect.x() + rect.width()) * ratio_) - left,
                    CeilOf((rect.y() + rect.height()) * ratio_) - top);
  }
  return device;
}

void THostWidget::resizeEvent(QResizeEvent* event) {
  // A view keeps the buffer's size; without one the buffer is the widget.
  if (!fixedView_) {
    surface_ = TSurface::Uncleared(width(), height());
    scale_ = TViewScale({std::max(width(), 1), std::max(height(), 1)}, {std::max(width(), 1), std::max(height(), 1)});
    Invalidate(surface_.Bounds());
  }
  QWidget::resizeEvent(event);
}

TPoint THostWidget::Track(QMouseEvent* event) {
  const QPointF position = event->position();
  pointer_ = scale_.ToPicture({FloorOf(position.x() * ratio_), FloorOf(position.y() * ratio_)});
  globalPointer_ = event->globalPosition().toPoint();
  pointerInside_ = position.x() >= 0 && position.y() >= 0 && position.x() < width() && position.y() < height();
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
