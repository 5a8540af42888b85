#pragma once
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/Brush.h"
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/Palette.h"
#include "toolkit/Pen.h"
#include "toolkit/Surface.h"
#include "toolkit/text/Font.h"
#include "toolkit/text/TextFormat.h"

// Raster operations of copies.
using TCopyMode = uint32_t;
constexpr TCopyMode SRCCOPY = 0x00CC0020;
constexpr TCopyMode SRCAND = 0x008800C6;
constexpr TCopyMode SRCPAINT = 0x00EE0086;

// DrawEdge edge types and sides.
constexpr uint32_t BDR_RAISEDOUTER = 0x0001;
constexpr uint32_t BDR_SUNKENOUTER = 0x0002;
constexpr uint32_t BDR_RAISEDINNER = 0x0004;
constexpr uint32_t BDR_SUNKENINNER = 0x0008;
constexpr uint32_t BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
constexpr uint32_t BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr uint32_t BF_LEFT = 0x0001;
constexpr uint32_t BF_TOP = 0x0002;
constexpr uint32_t BF_RIGHT = 0x0004;
constexpr uint32_t BF_BOTTOM = 0x0008;
constexpr uint32_t BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr uint32_t BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr uint32_t BF_MIDDLE = 0x0800;  // fill the inside with the button face colour
constexpr uint32_t BF_ADJUST = 0x2000;  // shrink the rectangle by what was drawn

class TFontEngine;
class TFontFace;
class TTextRenderer;

// Draws on a surface with the classic desktop rules. Coordinates are the
// canvas's own; Origin is where (0, 0) lies on the surface, so a windowless
// control paints on its parent's surface. Clip regions and brush patterns
// are in surface (device) coordinates. A canvas without a surface measures
// text but draws nothing.
class TCanvas {
 public:
  TCanvas();
  explicit TCanvas(TSurface* surface);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TSurface* Surface() const { return surface_; }
  void SetSurface(TSurface* surface) { surface_ = surface; }
  bool HandleAllocated() const { return surface_ != nullptr && !surface_->IsNull(); }
  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint origin) { origin_ = origin; }

  TFont& Font() { return *font_; }
  TBrush& Brush() { return *brush_; }
  TPen& Pen() { return *pen_; }
  void SetFont(const TFont& font) { font_->Assign(font); }
  void SetBrush(const TBrush& brush) { brush_->Assign(brush); }
  void SetPen(const TPen& pen) { pen_->Assign(pen); }

  // Colours a monochrome picture takes when copied here: background for its
  // white pixels, text for its black ones. Also what a copy onto a
  // monochrome picture compares against (the source's background colour).
  TColor TextColor() const { return textColor_; }
  void SetTextColor(TColor color) { textColor_ = color; }
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor color) { bkColor_ = color; }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  // Clip region: one rectangle in device coordinates, or none.
  void SelectClipRect(const TRect& deviceRect);
  void RemoveClipRegion() { clip_.reset(); }
  std::optional<TRect> ClipRegion() const { return clip_; }
  // The part of the surface the canvas may touch at all, below any clip
  // region (device coordinates): a host limits a windowless control to the
  // area it repaints. Selecting or removing a clip region leaves it alone.
  void SetPaintLimit(std::optional<TRect> deviceRect) { limit_ = deviceRect; }
  std::optional<TRect> PaintLimit() const { return limit_; }
  // The device pixels drawing may change: the surface within the paint
  // limit and the clip region.
  TRect DeviceClip() const;

  // Inert palettes: selecting returns the previous one.
  HPALETTE SelectPalette(HPALETTE palette, bool foreground);
  int RealizePalette();
  HPALETTE Palette() const { return palette_; }

  QRgb Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, TColor color);

  // Figures, filled with the brush. FillRect fills [Left, Right) x [Top, Bottom).
  // Rectangle, Ellipse and Polygon fill the pixels whose centres lie inside
  // their outline: the box (x1, y1, x2 - 1, y2 - 1), the ellipse inscribed in
  // it, or the polygon itself (even-odd), so a clear pen covers one pixel less
  // than the bounding coordinates; a pen adds a one-pixel outline on them.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void Polygon(const std::vector<TPoint>& points);
  // The 3D border of a rectangle in the fixed edge colours; with BF_ADJUST
  // the rectangle shrinks by what was drawn.
  void DrawEdge(TRect& rect, uint32_t edge, uint32_t flags);

  // Copies Source's SourceRect into DestRect with the copy mode, stretching
  // nearest-pixel when the sizes differ. Monochrome sources take this
  // canvas's background and text colours; a colour source copied onto a
  // monochrome surface turns white where it equals the source's BkColor.
  void CopyRect(const TRect& destRect, const TCanvas& source, const TRect& sourceRect);
  // As CopyRect with SRCCOPY, but pixels of Transparent take the brush.
  void BrushCopy(const TRect& destRect, const TSurface& source, const TRect& sourceRect, TColor transparent);

  // Text in the font and its colour, antialiased in grey levels, never
  // painting a background: a fully covered pixel takes exactly the font
  // colour. A character is one code point and advances by its integer width
  // plus the character extra; no kerning. A line is ascent + descent high.
  int32_t TextCharacterExtra() const { return charExtra_; }
  void SetTextCharacterExtra(int32_t extra) { charExtra_ = extra; }
  TTextMetric GetTextMetrics() const;
  // The width of Text as one line (every code point counted, none
  // interpreted) and the line height, also for an empty text.
  TSize TextExtent(const QString& text) const;
  int32_t TextWidth(const QString& text) const { return TextExtent(text).cx; }
  int32_t TextHeight(const QString& text) const { return TextExtent(text).cy; }
  // One line with its top-left at (x, y), turned counter-clockwise by the
  // font's escapement about that point; no format, no clipping rectangle.
  void ExtTextOut(int32_t x, int32_t y, const QString& text);
  void TextOut(int32_t x, int32_t y, const QString& text) { ExtTextOut(x, y, text); }
  // Lays Text out in Rect by Format and returns the text height. Lines break
  // at CR, LF and CR LF (not with DT_SINGLELINE); DT_VCENTER and DT_BOTTOM
  // act only with DT_SINGLELINE; "&x" underlines x and "&&" is "&" unless
  // DT_NOPREFIX; tab stops every 8 average widths with DT_EXPANDTABS.
  // Output is clipped to Rect unless DT_NOCLIP; a rotated font turns the
  // whole block about Rect's top-left. With DT_CALCRECT it only measures,
  // setting Rect.Right and Rect.Bottom (with DT_WORDBREAK the incoming width
  // is the wrapping width); ellipses do not shorten what it measures.
  int32_t DrawTextEx(const QString& text, TRect& rect, uint32_t format);
  // True when the current font is a scalable outline font.
  bool IsTrueTypeFont() const;

  // Path bracket: between BeginPath and EndPath text outputs add their
  // outlines to the path instead of painting; StrokePath outlines the path
  // with the pen (width 0: the thinnest pen), without antialiasing, and
  // discards it. StrokePath inside an open bracket does nothing.
  void BeginPath();
  void EndPath();
  void StrokePath();

 private:
  friend class TCanvasRaster;

  TSurface* surface_ = nullptr;
  TPoint origin_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TPen> pen_;
  TColor textColor_ = clBlack;
  TColor bkColor_ = clWhite;
  TCopyMode copyMode_ = SRCCOPY;
  std::optional<TRect> clip_;
  std::optional<TRect> limit_;
  HPALETTE palette_;
  // Text: faces and the renderer are made on first use and belong to this
  // canvas alone.
  TFontFace& TextFace() const;
  TTextRenderer& TextRenderer();
  int32_t charExtra_ = 0;
  bool pathOpen_ = false;
  QPainterPath path_;  // device coordinates
  mutable std::unique_ptr<TFontEngine> fontEngine_;
  std::unique_ptr<TTextRenderer> textRenderer_;
};
