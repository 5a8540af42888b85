#pragma once
#include <ostream>

#include "support/PixelAssert.h"
#include "toolkit/Geometry.h"

// gtest prints rectangles through this (found by argument-dependent lookup).
static inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace filltest {

// The colour the fill tests paint on.
constexpr TColor kGround = 0x123456;

// The bounding box of the pixels that are not the ground colour.
inline TRect PaintedBounds(const TSurface& surface) {
  TRect box;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x)
      if ((surface.Pixel(x, y) | 0xFF000000u) != ColorToPixel(kGround)) box = box.Union(Rect(x, y, x + 1, y + 1));
  return box;
}

}  // namespace filltest
