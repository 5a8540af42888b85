#include "toolkit/windowless/HostBackground.h"

#include <algorithm>

void PaintHostBackground(TSurface& target, const TRect& rect, const TSurface& picture, TColor ground) {
  const TRect area = rect.Intersect(target.Bounds());
  const TRect shown = area.Intersect(picture.Bounds());
  const QRgb pixel = ColorToPixel(ground);
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    QRgb* row = target.Row(y);
    if (y >= shown.Top && y < shown.Bottom && !shown.IsEmpty()) {
      std::fill(row + area.Left, row + shown.Left, pixel);
      std::copy(picture.Row(y) + shown.Left, picture.Row(y) + shown.Right, row + shown.Left);
      std::fill(row + shown.Right, row + area.Right, pixel);
    } else {
      std::fill(row + area.Left, row + area.Right, pixel);
    }
  }
}
