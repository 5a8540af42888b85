#pragma once
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "toolkit/window/ViewScale.h"
#include "toolkit/windowless/ControlHost.h"

class QMouseEvent;

// The widget windowless controls live on. It keeps a back buffer into
// which the host paints its background (its colour, with an optional
// picture at the top-left corner) and then the controls; a paint event
// repaints what is invalid and shows the buffer. Mouse input goes to the
// host, which routes it to the controls; what no control takes reaches the
// widget's own mouse events.
//
// Until a view is set, the buffer has the widget's size and shows 1:1 in
// logical pixels. A view fixes the buffer's size and shows it shrunk by
// area averaging, in device pixels; mouse positions are mapped back to
// buffer pixels before the host sees them, so that nothing above the
// widget knows the scale.
class THostWidget : public QWidget, public TControlHost {
 public:
  using TMouseEvent = std::function<void(TMouseButton button, TShiftState shift, int32_t x, int32_t y)>;
  using TMouseMoveEvent = std::function<void(TShiftState shift, int32_t x, int32_t y)>;

  explicit THostWidget(QWidget* parent = nullptr);

  TSurface& Surface() override { return surface_; }
  void PaintBackground(const TRect& rect) override;

  // The picture shown over the colour at the top-left corner; a null
  // surface shows the colour only.
  const TSurface& Background() const { return background_; }
  void SetBackground(const TSurface& picture);

  // From now on the buffer is Picture pixels large whatever the widget's
  // size, and shows shrunk to View device pixels (at most Picture, at least
  // 1 x 1), a logical pixel of the widget being Ratio device pixels. What
  // the widget has beyond the view shows the host's colour.
  void SetView(TSize picture, TSize view, qreal ratio);

  // The pointer's position on the screen at the mouse event being handled,
  // in logical pixels, as the window system reported it.
  QPoint GlobalPointer() const { return globalPointer_; }
  // Whether that position lies on the widget.
  bool PointerInside() const { return pointerInside_; }

  // Mouse events on the widget that no control takes, in widget coordinates.
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

 protected:
  void Painted(const TRect& rect) override;
  void Invalidated() override;
  void HostMouseDown(TMouseButton button, TShiftState shift, TPoint point) override;
  void HostMouseMove(TShiftState shift, TPoint point) override;
  void HostMouseUp(TMouseButton button, TShiftState shift, TPoint point) override;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Press(QMouseEvent* event, bool doubleClick);
  // Notes where the pointer is; returns it in buffer pixels.
  TPoint Track(QMouseEvent* event);
  // Where a rectangle of device pixels lies on the widget, in logical
  // pixels, and the other way round; both rounded outward.
  QRect LogicalRect(const TRect& device) const;
  QRegion DeviceRegion(const QRegion& logical) const;
  // Shrinks what the buffer changed since the last time into the view.
  void RefreshView();
  // Shows the device pixels of Shown.
  void Show(const QRegion& shown);
  // The pointer shape of the control under the pointer.
  void FollowCursor();

  TSurface surface_;
  TSurface background_;
  // How the buffer shows, and whether a view was set.
  TViewScale scale_;
  qreal ratio_ = 1;
  bool fixedView_ = false;
  // The buffer shrunk to the view, when it is shrunk, and the rectangles of
  // the buffer it has not taken yet.
  TSurface view_;
  QRegion stale_;
  // What the host painted while a paint event runs (shown by it, in device
  // pixels), and whether one runs.
  QRegion painted_;
  bool inPaintEvent_ = false;
  // Where the pointer was at the last mouse event (in buffer pixels), and
  // whether it is over the widget.
  TPoint pointer_;
  QPoint globalPointer_;
  bool pointerInside_ = false;
};

// The held keys and buttons of a Qt input event, as the controls know them.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick);
