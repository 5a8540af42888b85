#pragma once
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "toolkit/windowless/ControlHost.h"

class QMouseEvent;

// The widget windowless controls live on. It keeps a back buffer of its
// client size into which the host paints its background (its colour, with
// an optional picture at the top-left corner) and then the controls; a
// paint event repaints what is invalid and shows the buffer 1:1. Mouse
// input goes to the host, which routes it to the controls; what no control
// takes reaches the widget's own mouse events.
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

  // The pointer's position on the screen at the mouse event being handled,
  // as the window system reported it.
  QPoint GlobalPointer() const { return globalPointer_; }

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
  // Notes where the pointer is; returns it in widget coordinates.
  TPoint Track(QMouseEvent* event);
  // The pointer shape of the control under the pointer.
  void FollowCursor();

  TSurface surface_;
  TSurface background_;
  // What the host painted while a paint event runs (shown by it), and
  // whether one runs.
  QRegion painted_;
  bool inPaintEvent_ = false;
  // Where the pointer was at the last mouse event, and whether it is over
  // the widget.
  TPoint pointer_;
  QPoint globalPointer_;
  bool pointerInside_ = false;
};

// The held keys and buttons of a Qt input event, as the controls know them.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick);
