#pragma once
#include <cstdint>

#include "toolkit/Brush.h"

// The 8 x 8 hatch patterns, aligned to the device origin: true where the
// hatch style paints a line at device pixel (x, y).
inline bool HatchPaints(TBrushStyle style, int32_t x, int32_t y) {
  const int32_t hx = x & 7;
  const int32_t hy = y & 7;
  const bool horizontal = hy == 7;
  const bool vertical = hx == 7;
  const bool fdiagonal = hx == hy;            // "\": top-left to bottom-right
  const bool bdiagonal = ((hx + hy) & 7) == 7;  // "/": bottom-left to top-right
  switch (style) {
    case bsHorizontal: return horizontal;
    case bsVertical: return vertical;
    case bsFDiagonal: return fdiagonal;
    case bsBDiagonal: return bdiagonal;
    case bsCross: return horizontal || vertical;
    case bsDiagCross: return fdiagonal || bdiagonal;
    default: return false;
  }
}
