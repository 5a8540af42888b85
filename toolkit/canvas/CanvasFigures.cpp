// Filled figures and edges of TCanvas, reduced to runs of device pixels.
#include <algorithm>
#include <cstdlib>

#include "toolkit/canvas/Canvas.h"
#include "toolkit/canvas/FigureSpans.h"
#include "toolkit/canvas/SpanPainter.h"

namespace {

// Runs of the pixels whose centres lie inside the ellipse inscribed in the
// box (l, t, r, b).
template <typename Emit>
void EllipseRuns(int32_t l, int32_t t, int32_t r, int32_t b, Emit onRun) {
  const TEllipseSpans ellipse(l, t, r, b);
  int64_t x0 = 0, x1 = 0;
  for (int32_t y = t; y < b; ++y)
    if (ellipse.Row(y, x0, x1)) onRun(y, static_cast<int32_t>(x0), static_cast<int32_t>(x1));
}

// Runs of the pixels whose centres lie inside the polygon (even-odd rule).
template <typename Emit>
void PolygonRuns(const std::vector<TPoint>& points, Emit onRun) {
  if (points.size() < 3) return;
  int32_t top = points[0].Y, bottom = points[0].Y;
  for (const TPoint& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  std::vector<double> crossings;
  for (int32_t y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const TPoint& a = points[i];
      const TPoint& b = points[(i + 1) % points.size()];
      if ((a.Y <= yc) == (b.Y <= yc)) continue;
      crossings.push_back(EdgeCrossing(a.X, a.Y, b.X, b.Y, yc));
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const auto x0 = static_cast<int32_t>(FirstPixelFrom(crossings[i]));
      const auto x1 = static_cast<int32_t>(FirstPixelFrom(crossings[i + 1]));
      if (x0 < x1) onRun(y, x0, x1);
    }
  }
}

// A one-pixel line from a to b, both ends included.
template <typename Plot>
void LinePixels(TPoint a, TPoint b, Plot plot) {
  const int32_t dx = std::abs(b.X - a.X), sx = a.X < b.X ? 1 : -1;
  const int32_t dy = -std::abs(b.Y - a.Y), sy = a.Y < b.Y ? 1 : -1;
  int32_t err = dx + dy;
  for (;;) {
    plot(a.X, a.Y);
    if (a == b) return;
    const int32_t e2 = 2 * err;
    if (e2 >= dy) err += dy, a.X += sx;
    if (e2 <= dx) err += dx, a.Y += sy;
  }
}

TBrush SolidBrush(TColor color) {
  TBrush brush;
  brush.SetColor(color);
  return brush;
}

}  // namespace

// Gives the figure routines device-space painters for the canvas state.
class TCanvasRaster {
 public:
  explicit TCanvasRaster(TCanvas& canvas) : canvas_(canvas) {}

  TSpanPainter BrushPainter() const { return Painter(*canvas_.brush_); }
  TSpanPainter Painter(const TBrush& brush) const {
    return TSpanPainter(*canvas_.surface_, canvas_.DeviceClip(), brush, canvas_.textColor_, canvas_.bkColor_);
  }
  bool PenPaints() const { return canvas_.pen_->Style() != psClear; }
  TBrush PenBrush() const { return SolidBrush(canvas_.pen_->Color()); }
  TPoint Origin() const { return canvas_.origin_; }

 private:
  TCanvas& canvas_;
};

void TCanvas::FillRect(const TRect& rect) {
  if (!HandleAllocated()) return;
  TCanvasRaster(*this).BrushPainter().Fill(rect.Offset(origin_.X, origin_.Y));
}

void TCanvas::FrameRect(const TRect& rect) {
  if (!HandleAllocated() || rect.IsEmpty()) return;
  TSpanPainter painter = TCanvasRaster(*this).BrushPainter();
  const TRect d = rect.Offset(origin_.X, origin_.Y);
  painter.Fill({d.Left, d.Top, d.Right, d.Top + 1});
  painter.Fill({d.Left, d.Bottom - 1, d.Right, d.Bottom});
  painter.Fill({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1});
  painter.Fill({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1});
}

void TCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (!HandleAllocated()) return;
  const TCanvasRaster raster(*this);
  const TRect box = TRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)}.Offset(origin_.X, origin_.Y);
  if (!raster.PenPaints()) {
    raster.BrushPainter().Fill({box.Left, box.Top, box.Right - 1, box.Bottom - 1});
    return;
  }
  raster.BrushPainter().Fill({box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1});
  const TBrush pen = raster.PenBrush();
  TSpanPainter outline = raster.Painter(pen);
  outline.Fill({box.Left, box.Top, box.Right, box.Top + 1});
  outline.Fill({box.Left, box.Bottom - 1, box.Right, box.Bottom});
  outline.Fill({box.Left, box.Top + 1, box.Left + 1, box.Bottom - 1});
  outline.Fill({box.Right - 1, box.Top + 1, box.Right, box.Bottom - 1});
}

void TCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (!HandleAllocated()) return;
  const TCanvasRaster raster(*this);
  const TRect box = TRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)}.Offset(origin_.X, origin_.Y);
  TSpanPainter fill = raster.BrushPainter();
  if (!raster.PenPaints()) {
    EllipseRuns(box.Left, box.Top, box.Right - 1, box.Bottom - 1, [&](int32_t y, int32_t a, int32_t b) { fill.Span(y, a, b); });
    return;
  }
  // With a pen the figure covers its whole box; the outline is the ring
  // between that and the inside one pixel in.
  const TBrush pen = raster.PenBrush();
  TSpanPainter outline = raster.Painter(pen);
  EllipseRuns(box.Left, box.Top, box.Right, box.Bottom, [&](int32_t y, int32_t a, int32_t b) { outline.Span(y, a, b); });
  EllipseRuns(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1, [&](int32_t y, int32_t a, int32_t b) { fill.Span(y, a, b); });
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (!HandleAllocated() || points.empty()) return;
  const TCanvasRaster raster(*this);
  std::vector<TPoint> device(points);
  for (TPoint& p : device) p = {p.X + origin_.X, p.Y + origin_.Y};
  TSpanPainter fill = raster.BrushPainter();
  PolygonRuns(device, [&](int32_t y, int32_t a, int32_t b) { fill.Span(y, a, b); });
  if (!raster.PenPaints()) return;
  const TBrush pen = raster.PenBrush();
  TSpanPainter outline = raster.Painter(pen);
  for (size_t i = 0; i < device.size(); ++i)
    LinePixels(device[i], device[(i + 1) % device.size()], [&](int32_t x, int32_t y) { outline.Span(y, x, x + 1); });
}

void TCanvas::DrawEdge(TRect& rect, uint32_t edge, uint32_t flags) {
  if (!HandleAllocated()) return;
  const TCanvasRaster raster(*this);
  TRect d = rect.Offset(origin_.X, origin_.Y);
  // One ring: top and left own the top-left corner, bottom and right the rest.
  auto ring = [&](TColor topLeft, TColor bottomRight) {
    const TBrush light = SolidBrush(topLeft);
    const TBrush dark = SolidBrush(bottomRight);
    TSpanPainter tl = raster.Painter(light);
    TSpanPainter br = raster.Painter(dark);
    if (flags & BF_TOP) tl.Fill({d.Left, d.Top, d.Right - ((flags & BF_RIGHT) ? 1 : 0), d.Top + 1});
    if (flags & BF_LEFT) tl.Fill({d.Left, d.Top, d.Left + 1, d.Bottom - ((flags & BF_BOTTOM) ? 1 : 0)});
    if (flags & BF_BOTTOM) br.Fill({d.Left, d.Bottom - 1, d.Right, d.Bottom});
    if (flags & BF_RIGHT) br.Fill({d.Right - 1, d.Top, d.Right, d.Bottom});
    if (flags & BF_LEFT) ++d.Left;
    if (flags & BF_TOP) ++d.Top;
    if (flags & BF_RIGHT) --d.Right;
    if (flags & BF_BOTTOM) --d.Bottom;
  };
  if (edge & BDR_RAISEDOUTER) ring(cl3DLight, cl3DDkShadow);
  else if (edge & BDR_SUNKENOUTER) ring(clBtnShadow, clBtnHighlight);
  if (edge & BDR_RAISEDINNER) ring(clBtnHighlight, clBtnShadow);
  else if (edge & BDR_SUNKENINNER) ring(cl3DDkShadow, cl3DLight);
  if (flags & BF_MIDDLE) {
    const TBrush face = SolidBrush(clBtnFace);
    raster.Painter(face).Fill(d);
  }
  if (flags & BF_ADJUST) rect = d.Offset(-origin_.X, -origin_.Y);
}
