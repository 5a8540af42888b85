#include "toolkit/window/ViewFit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Logical and device pixels convert with a little slack, so that a ratio
// that is not a binary fraction (1.1) does not lose a whole pixel to
// rounding.
constexpr double kSlack = 1.0 / 1024;

int64_t DeviceFloor(int64_t logical, qreal ratio) { return static_cast<int64_t>(std::floor(logical * ratio + kSlack)); }
int32_t LogicalFloor(int64_t device, qreal ratio) { return static_cast<int32_t>(std::floor(device / ratio + kSlack)); }
int32_t LogicalCeil(int64_t device, qreal ratio) { return static_cast<int32_t>(std::ceil(device / ratio - kSlack)); }

// Half the room left, truncated toward zero, never below the area's corner.
int32_t Centred(int32_t corner, int32_t room, int32_t size) { return corner + std::max((room - size) / 2, 0); }

}  // namespace

TViewFit FitView(TSize picture, const TScreenMetrics& screen) {
  TViewFit fit;
  fit.Ratio = screen.Ratio > 0 ? screen.Ratio : 1;
  const int64_t availableWidth = DeviceFloor(screen.Available.width(), fit.Ratio);
  const int64_t availableHeight = DeviceFloor(screen.Available.height(), fit.Ratio);
  if (picture.cx <= availableWidth && picture.cy <= availableHeight) {
    fit.View = picture;
    const int32_t width = LogicalCeil(picture.cx, fit.Ratio);
    const int32_t height = LogicalCeil(picture.cy, fit.Ratio);
    const QRect& area = screen.Geometry;
    fit.Client = QRect(Centred(area.x(), area.width(), width), Centred(area.y(), area.height(), height), width, height);
    return fit;
  }
  // The side that meets the available area's edge first takes it whole.
  int64_t viewWidth = availableWidth;
  int64_t viewHeight = availableHeight;
  if (int64_t{picture.cx} * availableHeight >= int64_t{picture.cy} * availableWidth)
    viewHeight = int64_t{picture.cy} * availableWidth / picture.cx;
  else
    viewWidth = int64_t{picture.cx} * availableHeight / picture.cy;
  const int32_t width = std::max(LogicalFloor(viewWidth, fit.Ratio), 1);
  const int32_t height = std::max(LogicalFloor(viewHeight, fit.Ratio), 1);
  fit.View = {static_cast<int32_t>(std::clamp<int64_t>(DeviceFloor(width, fit.Ratio), 1, picture.cx)),
              static_cast<int32_t>(std::clamp<int64_t>(DeviceFloor(height, fit.Ratio), 1, picture.cy))};
  const QRect& area = screen.Available;
  fit.Client = QRect(Centred(area.x(), area.width(), width), Centred(area.y(), area.height(), height), width, height);
  return fit;
}
