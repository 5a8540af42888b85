#include "tools/render/LabelPlacement.h"

#include <algorithm>

#include "toolkit/IntMath.h"

int32_t PercentFontHeight(int32_t pictureHeight, int32_t thousandths) {
  // A height of 0 would ask for the default size, larger than any share of
  // a picture that small.
  return -std::max(1, MulDiv(pictureHeight, thousandths, 100000));
}

TPoint LabelPosition(const TRenderSettings& settings, TSize label, TSize picture) {
  if (settings.At) return *settings.At;
  const int32_t m = settings.Margin;
  const TRect placed =
      AlignRectInRect(settings.Place, Bounds(0, 0, label.cx, label.cy), Rect(m, m, picture.cx - m, picture.cy - m));
  return {placed.Left, placed.Top};
}
