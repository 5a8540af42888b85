#pragma once
#include <cmath>
#include <cstdint>

// Scan conversion shared by the canvas figures and by painters that must
// cover exactly the pixels a figure covers (the gradient bands), so both
// decide every edge pixel with the same arithmetic.

// Floor and ceiling of a finite value within 64 bits, without a library call.
inline int64_t FloorToInt(double x) {
  const auto i = static_cast<int64_t>(x);
  return i - (static_cast<double>(i) > x ? 1 : 0);
}
inline int64_t CeilToInt(double x) {
  const auto i = static_cast<int64_t>(x);
  return i + (static_cast<double>(i) < x ? 1 : 0);
}

// The pixels whose centres lie inside the ellipse inscribed in the box
// (Left, Top, Right, Bottom) of pixel edges: at most one run per row.
class TEllipseSpans {
 public:
  TEllipseSpans(int64_t left, int64_t top, int64_t right, int64_t bottom)
      : top_(top), bottom_(bottom), rx_((right - left) / 2.0), ry_((bottom - top) / 2.0), cx_(left + rx_),
        cy_(top + ry_) {}

  bool Empty() const { return rx_ <= 0 || ry_ <= 0; }
  // Rows [Top, Bottom) are the only ones that may hold pixels.
  int64_t Top() const { return top_; }
  int64_t Bottom() const { return bottom_; }

  // The run [x0, x1) of row y; false when the row holds no pixel.
  bool Row(int64_t y, int64_t& x0, int64_t& x1) const {
    if (Empty() || y < top_ || y >= bottom_) return false;
    const double dy = (y + 0.5 - cy_) / ry_;
    if (dy * dy >= 1) return false;
    const double half = rx_ * std::sqrt(1 - dy * dy);
    x0 = FloorToInt(cx_ - half - 0.5) + 1;
    x1 = CeilToInt(cx_ + half - 0.5);
    return x0 < x1;
  }

 private:
  int64_t top_;
  int64_t bottom_;
  double rx_;
  double ry_;
  double cx_;
  double cy_;
};

// Where the polygon edge from (ax, ay) to (bx, by) crosses the line through
// the pixel centres of a row (y = yc); the edge must not be horizontal.
inline double EdgeCrossing(double ax, double ay, double bx, double by, double yc) {
  return ax + (yc - ay) * (bx - ax) / (by - ay);
}

// The first pixel whose centre lies at or right of x: a run between two
// crossings holds the pixels [FirstPixelFrom(left), FirstPixelFrom(right)).
inline int64_t FirstPixelFrom(double x) { return CeilToInt(x - 0.5); }
