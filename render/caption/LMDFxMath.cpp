#include "render/caption/LMDFxMath.h"

#include <algorithm>
#include <cmath>

#include "toolkit/IntMath.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295769;

int32_t Rnd(double x) { return static_cast<int32_t>(Round(x)); }

}  // namespace

void RotatedBoundsRect(TRect& rect, int32_t degrees) {
  if (degrees == 0) return;
  const double theta = degrees * kRadiansPerDegree;
  const double cosT = std::cos(theta);
  const double sinT = std::sin(theta);
  const int32_t hw = rect.Width() / 2;
  const int32_t hh = rect.Height() / 2;
  const int32_t cx = rect.Left + hw;
  const int32_t cy = rect.Top + hh;
  const int32_t a = Rnd(hw * cosT - hh * sinT);
  const int32_t b = Rnd(hw * cosT + hh * sinT);
  const int32_t c = Rnd(hw * sinT - hh * cosT);
  const int32_t d = Rnd(hw * sinT + hh * cosT);
  const int32_t xs[] = {cx - a, cx - b, cx + b, cx + a};
  const int32_t ys[] = {cy + c, cy + d, cy - d, cy - c};
  const auto [left, right] = std::minmax_element(std::begin(xs), std::end(xs));
  const auto [top, bottom] = std::minmax_element(std::begin(ys), std::end(ys));
  rect = {0, 0, *right - *left, *bottom - *top};
}

TPoint RotatedTextOrigin(const TRect& bounds, int32_t width, int32_t height, int32_t degrees, int32_t adjustment) {
  const double theta = degrees * kRadiansPerDegree;
  const int32_t cx = bounds.Left + bounds.Width() / 2;
  const int32_t cy = bounds.Top + bounds.Height() / 2;
  const int32_t hw = width / 2;
  const int32_t hh = height / 2;
  return {Rnd(cx - hw * std::cos(theta) - hh * std::sin(theta)) - adjustment,
          Rnd(cy + hw * std::sin(theta) - hh * std::cos(theta)) - adjustment};
}

TColor BlendColor(TColor a, TColor b, int32_t numerator, int32_t denominator) {
  const TColor from = ColorToRGB(a);
  if (denominator == 0) return from;
  const TColor to = ColorToRGB(b);
  auto channel = [&](uint8_t x, uint8_t y) {
    const int64_t v = Trunc(static_cast<double>(numerator) * (y - x) / denominator + x);
    return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255));
  };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}
