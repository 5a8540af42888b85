// The gradient bands as runs of device pixels. Painted as figures, the band
// of colour i would be drawn over every band after it (only gstHorizontal runs
// the other way, and its stripes do not overlap), so a pixel shows the first
// band, in colour order, whose figure covers it. On any row the figures of a
// style are nested intervals (squares, ellipses and corner rectangles share
// their centre or corner) or intervals that all contain one point (the
// diagonal wedges contain their corner's column), so the bands covered so far
// always form one interval, and each band adds at most two runs beside it.
#include "render/fill/GradientBands.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>

#include "toolkit/IntMath.h"
#include "toolkit/canvas/FigureSpans.h"
#include "toolkit/canvas/SpanPainter.h"

namespace {

// The gradient's rectangle in device pixels and its band extents.
struct TBandFrame {
  int64_t X0;
  int64_t Y0;
  int32_t W;
  int32_t H;
  int32_t N;
  // Horizontal and vertical extent of band i.
  int64_t A(int32_t i) const { return MulDiv(i + 1, W, N); }
  int64_t B(int32_t i) const { return MulDiv(i + 1, H, N); }
  int64_t Right() const { return X0 + W; }
  int64_t Bottom() const { return Y0 + H; }
};

// Where pixels may be written, the pixel of each band, and the runs of the
// gradient's rectangle (within the clip) that no band reaches.
struct TBandTarget {
  TSurface& Surface;
  TRect Clip;
  TRect Frame;  // the gradient's rectangle within the clip
  std::vector<QRgb> Pixels;
  std::vector<TRect> Holes;

  QRgb* Row(int64_t y) { return Surface.Row(static_cast<int32_t>(y)); }
  void Fill(QRgb* row, int64_t x0, int64_t x1, size_t band) const { std::fill(row + x0, row + x1, Pixels[band]); }
  // Row y of the rectangle is covered in [x0, x1) only (empty when x0 >= x1).
  void Covered(int64_t y, int64_t x0, int64_t x1) {
    if (y < Frame.Top || y >= Frame.Bottom) return;
    if (x0 >= x1) x0 = x1 = Frame.Right;
    AddHole(y, Frame.Left, std::min<int64_t>(x0, Frame.Right));
    AddHole(y, std::max<int64_t>(x1, Frame.Left), Frame.Right);
  }

 private:
  void AddHole(int64_t y, int64_t x0, int64_t x1) {
    if (x0 < x1) Holes.push_back(TRect{static_cast<int32_t>(x0), static_cast<int32_t>(y), static_cast<int32_t>(x1), static_cast<int32_t>(y + 1)});
  }
};

// gstHorizontal: vertical stripes, the same on every row.
void PaintColumns(TBandTarget& target, const TBandFrame& f) {
  const TRect& clip = target.Clip;
  const int64_t top = std::max<int64_t>(f.Y0, clip.Top);
  const int64_t bottom = std::min<int64_t>(f.Bottom(), clip.Bottom);
  const int64_t left = std::max<int64_t>(f.X0, clip.Left);
  const int64_t right = std::min<int64_t>(f.Right(), clip.Right);
  if (top >= bottom || left >= right) return;
  for (int32_t i = 0; i < f.N; ++i) {
    const int64_t x0 = std::max<int64_t>(f.X0 + MulDiv(i, f.W, f.N), left);
    const int64_t x1 = std::min<int64_t>(f.X0 + MulDiv(i + 1, f.W, f.N), right);
    if (x0 < x1) target.Fill(target.Row(top), x0, x1, static_cast<size_t>(i));
  }
  const QRgb* first = target.Row(top) + left;
  const auto bytes = static_cast<size_t>(right - left) * sizeof(QRgb);
  for (int64_t y = top + 1; y < bottom; ++y) std::memcpy(target.Row(y) + left, first, bytes);
}

// gstVertical: horizontal stripes.
void PaintRows(TBandTarget& target, const TBandFrame& f) {
  const TRect& clip = target.Clip;
  const int64_t left = std::max<int64_t>(f.X0, clip.Left);
  const int64_t right = std::min<int64_t>(f.Right(), clip.Right);
  if (left >= right) return;
  for (int32_t i = 0; i < f.N; ++i) {
    const int64_t y0 = std::max<int64_t>(f.Y0 + MulDiv(i, f.H, f.N), clip.Top);
    const int64_t y1 = std::min<int64_t>(f.Y0 + MulDiv(i + 1, f.H, f.N), clip.Bottom);
    for (int64_t y = y0; y < y1; ++y) target.Fill(target.Row(y), left, right, static_cast<size_t>(i));
  }
}

// Splits each row among nested bands: RunOf(i, y, x0, x1) gives band i's run
// on row y (false when it has none there); rows [Top, Bottom) hold them all.
// SameRow(y) names an earlier row whose runs are row y's (or y itself), whose
// pixels are then copied instead of worked out again.
template <typename RunOf, typename SameRow>
void PaintNested(TBandTarget& target, int64_t top, int64_t bottom, RunOf runOf, SameRow sameRow) {
  const TRect& clip = target.Clip;
  const int64_t first = std::max<int64_t>(std::min<int64_t>(top, target.Frame.Top), clip.Top);
  const int64_t last = std::min<int64_t>(std::max<int64_t>(bottom, target.Frame.Bottom), clip.Bottom);
  // The interval of each row that its bands cover, for the rows copied from it.
  std::vector<std::pair<int64_t, int64_t>> covered(static_cast<size_t>(std::max<int64_t>(last - first, 0)));
  for (int64_t y = first; y < last; ++y) {
    QRgb* row = target.Row(y);
    int64_t covered0 = 0, covered1 = 0;
    const int64_t same = sameRow(y);
    if (same != y && same >= first) {
      std::tie(covered0, covered1) = covered[static_cast<size_t>(same - first)];
      if (covered0 < covered1)
        std::memcpy(row + covered0, target.Row(same) + covered0, static_cast<size_t>(covered1 - covered0) * sizeof(QRgb));
    } else {
      for (size_t i = 0; i < target.Pixels.size(); ++i) {
        int64_t x0 = 0, x1 = 0;
        if (!runOf(i, y, x0, x1)) continue;
        x0 = std::max<int64_t>(x0, clip.Left);
        x1 = std::min<int64_t>(x1, clip.Right);
        if (x0 >= x1) continue;
        if (covered0 >= covered1) {
          target.Fill(row, x0, x1, i);
          covered0 = x0;
          covered1 = x1;
        } else {
          if (x0 < covered0) target.Fill(row, x0, std::min(x1, covered0), i);
          if (x1 > covered1) target.Fill(row, std::max(x0, covered1), x1, i);
          covered0 = std::min(covered0, x0);
          covered1 = std::max(covered1, x1);
        }
        if (covered0 <= clip.Left && covered1 >= clip.Right) break;
      }
    }
    covered[static_cast<size_t>(y - first)] = {covered0, covered1};
    target.Covered(y, covered0, covered1);
  }
}

// The pixels of a Rectangle without outline: [X0, X1) x [Y0, Y1).
struct TBox {
  int64_t X0, Y0, X1, Y1;
};

// Rectangle(x1, y1, x2, y2) with a clear pen, in whichever order the corners come.
TBox RectangleBox(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) - 1, std::max(y1, y2) - 1};
}

TBox BandBox(TLMDGradientStyle style, const TBandFrame& f, int32_t i) {
  const int64_t a = f.A(i);
  const int64_t b = f.B(i);
  switch (style) {
    case gstSquare: {
      const int64_t cx = f.X0 + f.W / 2;
      const int64_t cy = f.Y0 + f.H / 2;
      return RectangleBox(cx - a / 2, cy - b / 2, cx + a / 2 + 2, cy + b / 2 + 2);
    }
    case gstTopLeft: return RectangleBox(f.X0, f.Y0, f.X0 + 1 + a, f.Y0 + 1 + b);
    case gstTopRight: return RectangleBox(f.Right() - a, f.Y0 + 1 + b, f.Right() + 1, f.Y0);
    case gstBottomLeft: return RectangleBox(f.X0 + 1 + a, f.Bottom() - b, f.X0, f.Bottom() + 1);
    default: return RectangleBox(f.Right() - a, f.Bottom() - b, f.Right() + 1, f.Bottom() + 1);
  }
}

void PaintBoxes(TBandTarget& target, TLMDGradientStyle style, const TBandFrame& f) {
  std::vector<TBox> boxes;
  boxes.reserve(static_cast<size_t>(f.N));
  for (int32_t i = 0; i < f.N; ++i) boxes.push_back(BandBox(style, f, i));
  // Rows between two box edges are alike.
  std::vector<int64_t> edges;
  for (const TBox& box : boxes) edges.insert(edges.end(), {box.Y0, box.Y1});
  std::sort(edges.begin(), edges.end());
  PaintNested(
      target, boxes.back().Y0, boxes.back().Y1,
      [&](size_t i, int64_t y, int64_t& x0, int64_t& x1) {
        const TBox& box = boxes[i];
        if (y < box.Y0 || y >= box.Y1) return false;
        x0 = box.X0;
        x1 = box.X1;
        return true;
      },
      [&](int64_t y) { return std::binary_search(edges.begin(), edges.end(), y) ? y : y - 1; });
}

void PaintEllipses(TBandTarget& target, const TBandFrame& f) {
  const int64_t cx = f.X0 + f.W / 2;
  const int64_t cy = f.Y0 + f.H / 2;
  std::vector<TEllipseSpans> ellipses;
  ellipses.reserve(static_cast<size_t>(f.N));
  for (int32_t i = 0; i < f.N; ++i) {
    const int64_t a = Round(static_cast<double>(f.A(i)) / 1.4);
    const int64_t b = Round(static_cast<double>(f.B(i)) / 1.4);
    // Ellipse(cx - a, cy - b, cx + a, cy + b) without outline.
    ellipses.emplace_back(cx - a, cy - b, cx + a - 1, cy + b - 1);
  }
  // Every ellipse is centred on the pixel corner half a pixel up and left of
  // (cx, cy), so rows y and 2 cy - 2 - y mirror each other.
  PaintNested(
      target, ellipses.back().Top(), ellipses.back().Bottom(),
      [&](size_t i, int64_t y, int64_t& x0, int64_t& x1) { return ellipses[i].Row(y, x0, x1); },
      [&](int64_t y) { return std::min(y, 2 * cy - 2 - y); });
}

// A diagonal band: the parallelogram between two slanted edges, rows [Top, Bottom).
struct TWedge {
  double Ax, Ay, Bx, By;  // one slanted edge, from A to B
  double Cx, Cy, Dx, Dy;  // the other, from C to D
  int64_t Top, Bottom;

  bool Row(int64_t y, int64_t& x0, int64_t& x1) const {
    if (y < Top || y >= Bottom) return false;
    const double yc = y + 0.5;
    const double first = EdgeCrossing(Ax, Ay, Bx, By, yc);
    const double second = EdgeCrossing(Cx, Cy, Dx, Dy, yc);
    x0 = FirstPixelFrom(std::min(first, second));
    x1 = FirstPixelFrom(std::max(first, second));
    return x0 < x1;
  }
};

// Polygon(p0, p1, p2, p3) whose edges p0-p1 and p2-p3 are horizontal.
TWedge PolygonWedge(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3) {
  return {x1, y1, x2, y2, x3, y3, x0, y0, static_cast<int64_t>(std::min(y0, y2)), static_cast<int64_t>(std::max(y0, y2))};
}

void PaintWedges(TBandTarget& target, TLMDGradientStyle style, const TBandFrame& f) {
  std::vector<TWedge> wedges;
  wedges.reserve(static_cast<size_t>(f.N));
  const double x0 = static_cast<double>(f.X0);
  const double y0 = static_cast<double>(f.Y0);
  const double xr = static_cast<double>(f.Right() + 1);
  for (int32_t i = 0; i < f.N; ++i) {
    const double a2 = 2.0 * static_cast<double>(f.A(i));
    const double b2 = 2.0 * static_cast<double>(f.B(i));
    if (style == gstTopLeftDiagonal)
      wedges.push_back(PolygonWedge(x0, y0, x0 + a2, y0, x0, y0 + 1 + b2, x0 - a2, y0 + 1 + b2));
    else
      wedges.push_back(PolygonWedge(xr, y0, xr - a2, y0, xr, y0 + b2, xr + a2, y0 + b2));
  }
  PaintNested(
      target, wedges.back().Top, wedges.back().Bottom,
      [&](size_t i, int64_t y, int64_t& from, int64_t& to) { return wedges[i].Row(y, from, to); },
      [](int64_t y) { return y; });
}

}  // namespace

std::vector<TRect> PaintGradientBands(TCanvas& canvas, int32_t x0, int32_t y0, int32_t width, int32_t height,
                                      TLMDGradientStyle style, const std::vector<TColor>& colors) {
  if (!canvas.HandleAllocated() || colors.empty() || width <= 0 || height <= 0) return {};
  TSurface& surface = *canvas.Surface();
  const TRect clip = canvas.DeviceClip();
  if (clip.IsEmpty()) return {};

  const TPoint origin = canvas.Origin();
  const TBandFrame frame{static_cast<int64_t>(x0) + origin.X, static_cast<int64_t>(y0) + origin.Y, width, height,
                         static_cast<int32_t>(colors.size())};
  const TRect frameRect{static_cast<int32_t>(std::clamp<int64_t>(frame.X0, clip.Left, clip.Right)),
                        static_cast<int32_t>(std::clamp<int64_t>(frame.Y0, clip.Top, clip.Bottom)),
                        static_cast<int32_t>(std::clamp<int64_t>(frame.Right(), clip.Left, clip.Right)),
                        static_cast<int32_t>(std::clamp<int64_t>(frame.Bottom(), clip.Top, clip.Bottom))};
  TBandTarget target{surface, clip, frameRect, {}, {}};
  target.Pixels.reserve(colors.size());
  for (const TColor color : colors) target.Pixels.push_back(SurfacePixel(surface, color));
  switch (style) {
    case gstHorizontal: PaintColumns(target, frame); break;
    case gstVertical: PaintRows(target, frame); break;
    case gstElliptic: PaintEllipses(target, frame); break;
    case gstTopLeftDiagonal:
    case gstTopRightDiagonal: PaintWedges(target, style, frame); break;
    default: PaintBoxes(target, style, frame); break;
  }
  for (TRect& hole : target.Holes) hole = hole.Offset(-origin.X, -origin.Y);
  return std::move(target.Holes);
}
