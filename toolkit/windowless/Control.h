#pragma once
#include <QChar>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/Mouse.h"
#include "toolkit/canvas/Canvas.h"
#include "toolkit/windowless/Component.h"

class TControlHost;

enum TControlStyleItem : uint8_t { csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks };
using TControlStyle = uint8_t;  // bit n for the item of ordinal n
constexpr TControlStyle ControlStyleBit(TControlStyleItem item) { return static_cast<TControlStyle>(1u << item); }

// True when Key is the accelerator of Caption: the character after its last
// single "&" ("&&" stands for "&"), compared without regard to case.
bool IsAccel(QChar key, const QString& caption);

// A control without a window of its own: it paints on its parent host's
// surface at its own place, through its canvas, and receives the mouse
// events the host routes to it. Setters compare first and answer a change
// with the framework's notification (the CM* hooks below).
class TGraphicControl : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TGraphicControl* sender)>;
  using TMouseEvent =
      std::function<void(TGraphicControl* sender, TMouseButton button, TShiftState shift, int32_t x, int32_t y)>;
  using TMouseMoveEvent = std::function<void(TGraphicControl* sender, TShiftState shift, int32_t x, int32_t y)>;

  TGraphicControl();
  // Leaves the parent, which repaints the area the control covered.
  ~TGraphicControl() override;

  virtual QString ClassName() const { return QStringLiteral("TGraphicControl"); }

  // The host the control paints on; setting it moves the control to the
  // top of the new host's creation order and takes the host's colour and
  // font where the control follows them.
  TControlHost* Parent() const { return parent_; }
  void SetParent(TControlHost* parent);

  // Position in the parent's coordinates and size; a negative size counts as 0.
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetLeft(int32_t left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int32_t top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int32_t width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int32_t height) { SetBounds(left_, top_, width_, height); }
  // Invalidates the old and the new area, then reports a resize.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  TRect ClientRect() const { return {0, 0, width_, height_}; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }

  // The right-to-left drawing flags of the bidirectional mode added to
  // Flags. Right-to-left layout is offered only on right-to-left system
  // locales, which this platform never reports, so every mode draws left to
  // right and the flags stay as given; no mode is kept.
  uint32_t DrawTextBiDiModeFlags(uint32_t flags) const { return flags; }

  // Setting Color stops following the parent's colour.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  // Any change of Font stops following the parent's font.
  TFont& Font() { return *font_; }
  const TFont& Font() const { return *font_; }
  void SetFont(const TFont& font) { font_->Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  TControlStyle ControlStyle() const { return controlStyle_; }
  bool Opaque() const { return controlStyle_ & ControlStyleBit(csOpaque); }

  // Draws on the parent's surface at the control's offset while a paint
  // runs; between paints it has no surface and only measures text.
  TCanvas& Canvas() { return *canvas_; }

  // Marks the control's rectangle invalid on the parent.
  void Invalidate();
  // Opaque: paints the control and those above it at once; otherwise
  // invalidates and has the parent repaint what is invalid.
  void Repaint();
  // Has the parent repaint what is invalid.
  void Update();

  // Paints the control onto Surface, whose origin is the parent's, touching
  // only the pixels of Limit (device coordinates) within the control. The
  // host paints this way, and so does composing into a new picture.
  void PaintTo(TSurface& surface, const TRect& limit);

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;

 protected:
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

  virtual void Paint() {}
  virtual void Resize();
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);

  // The framework's notifications.
  virtual void CMTextChanged() {}
  virtual void CMFontChanged() {}
  virtual void CMColorChanged() { Invalidate(); }
  virtual void CMEnabledChanged() { Invalidate(); }
  virtual void CMMouseEnter() {}
  virtual void CMMouseLeave() {}
  virtual void CMParentColorChanged();
  virtual void CMParentFontChanged();
  // A character typed where no control took it; true when handled.
  virtual bool CMDialogChar(QChar key) { return false; }

 private:
  friend class TControlHost;
  // Input as the host delivers it, in control coordinates.
  void HostMouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void HostMouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void OwnFontChanged();

  TControlHost* parent_ = nullptr;
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool clicked_ = false;
  TCursor cursor_ = crDefault;
  TColor color_ = clWindow;
  bool parentColor_ = true;
  bool parentFont_ = true;
  QString caption_;
  TControlStyle controlStyle_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TCanvas> canvas_;
};
