#pragma once
#include <QChar>
#include <memory>
#include <vector>

#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/Mouse.h"
#include "toolkit/Surface.h"
#include "toolkit/text/Font.h"

class TGraphicControl;

// What windowless controls paint through: a window's back buffer, the
// window's own background, the rectangles waiting to be repainted and the
// controls in creation order (later ones lie on top). A repaint always
// paints the background first and then every visible control over it, so
// transparent controls show what lies under them. It also routes the mouse
// to the control under the pointer, holding a left-button press on the
// control that was pressed until the release.
//
// A window binding implements Surface, PaintBackground and the two
// reports; a headless host serves tests and the command-line tool.
class TControlHost {
 public:
  TControlHost();
  TControlHost(const TControlHost&) = delete;
  TControlHost& operator=(const TControlHost&) = delete;
  // Controls still on the host are left without a parent.
  virtual ~TControlHost();

  // The back buffer, in the host's coordinates.
  virtual TSurface& Surface() = 0;
  // Paints the host's own background into Rect of the surface (Rect lies
  // inside the surface).
  virtual void PaintBackground(const TRect& rect) = 0;

  // What controls with ParentColor and ParentFont follow; a change is
  // passed on to them.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const TFont& Font() const { return *font_; }
  void SetFont(const TFont& font);

  const std::vector<TGraphicControl*>& Controls() const { return controls_; }

  // Adds Rect to what waits for a repaint.
  void Invalidate(const TRect& rect);
  // The invalid area as disjoint rectangles (overlapping ones are merged).
  const std::vector<TRect>& InvalidRects() const { return invalid_; }
  // Repaints what was invalid: background, then the controls in creation
  // order, each rectangle on its own. What the paints invalidate waits for
  // the next Update.
  void Update();
  // Paints the controls from First on (all when First is null) inside Rect
  // at once, without the background: how an opaque control repaints.
  void PaintControls(const TRect& rect, const TGraphicControl* first);

  // The topmost visible and enabled control at Point, or null.
  TGraphicControl* ControlAtPos(TPoint point) const;
  // The pointer shape over Point.
  TCursor CursorAt(TPoint point) const;
  TGraphicControl* CaptureControl() const { return capture_; }

  // Mouse input in host coordinates. Events no control takes go to the
  // host's own handlers below.
  void MouseDown(TMouseButton button, TShiftState shift, TPoint point);
  void MouseMove(TShiftState shift, TPoint point);
  void MouseUp(TMouseButton button, TShiftState shift, TPoint point);
  // The pointer left the host.
  void MouseLeave();
  // Offers a typed character to the controls in creation order; true when
  // one took it.
  bool DialogChar(QChar key);

 protected:
  // Pixels of Rect of the surface changed: a window shows them.
  virtual void Painted(const TRect& rect) {}
  // Something became invalid: a window schedules an Update.
  virtual void Invalidated() {}
  virtual void HostMouseDown(TMouseButton button, TShiftState shift, TPoint point) {}
  virtual void HostMouseMove(TShiftState shift, TPoint point) {}
  virtual void HostMouseUp(TMouseButton button, TShiftState shift, TPoint point) {}

 private:
  friend class TGraphicControl;
  void InsertControl(TGraphicControl* control);
  void RemoveControl(TGraphicControl* control);
  // Sends leave and enter when the control under the pointer changes.
  void TrackPointer(TGraphicControl* under);
  TGraphicControl* Target(TPoint point) const;

  TColor color_ = clBtnFace;
  std::unique_ptr<TFont> font_;
  std::vector<TGraphicControl*> controls_;
  std::vector<TRect> invalid_;
  TGraphicControl* capture_ = nullptr;
  TGraphicControl* pointer_ = nullptr;
  bool hostCaptured_ = false;
};
