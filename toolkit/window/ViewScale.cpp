#include "toolkit/window/ViewScale.h"

#include <cstdint>

namespace {

// Integer division rounding toward minus infinity and plus infinity (B > 0).
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }
int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

// The picture pixel under the centre of device pixel D.
int32_t PictureOf(int32_t d, int32_t picture, int32_t view) {
  return static_cast<int32_t>(FloorDiv((2 * int64_t{d} + 1) * picture, 2 * int64_t{view}));
}

}  // namespace

TPoint TViewScale::ToPicture(TPoint device) const {
  return {PictureOf(device.X, picture_.cx, view_.cx), PictureOf(device.Y, picture_.cy, view_.cy)};
}

TRect TViewScale::ToView(const TRect& rect) const {
  // Device pixel x covers [x * P / V, (x + 1) * P / V): it meets [l, r) from
  // floor(l * V / P) up to, not including, ceil(r * V / P).
  const auto low = [](int32_t edge, int32_t picture, int32_t view) {
    return static_cast<int32_t>(FloorDiv(int64_t{edge} * view, picture));
  };
  const auto high = [](int32_t edge, int32_t picture, int32_t view) {
    return static_cast<int32_t>(CeilDiv(int64_t{edge} * view, picture));
  };
  return {low(rect.Left, picture_.cx, view_.cx), low(rect.Top, picture_.cy, view_.cy),
          high(rect.Right, picture_.cx, view_.cx), high(rect.Bottom, picture_.cy, view_.cy)};
}
