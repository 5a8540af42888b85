#include "toolkit/HeadlessHost.h"

#include <algorithm>

THeadlessHost::THeadlessHost(int32_t width, int32_t height) : surface_(width, height) {
  Invalidate(surface_.Bounds());
}

void THeadlessHost::SetSize(int32_t width, int32_t height) {
  surface_.SetSize(width, height);
  Invalidate(surface_.Bounds());
}

void THeadlessHost::SetBackground(const TSurface& picture) {
  background_ = picture;
  Invalidate(surface_.Bounds());
}

void THeadlessHost::PaintBackground(const TRect& rect) {
  const TRect area = rect.Intersect(surface_.Bounds());
  const TRect picture = area.Intersect(background_.Bounds());
  const QRgb ground = ColorToPixel(Color());
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    QRgb* row = surface_.Row(y);
    if (y >= picture.Top && y < picture.Bottom && !picture.IsEmpty()) {
      std::fill(row + area.Left, row + picture.Left, ground);
      std::copy(background_.Row(y) + picture.Left, background_.Row(y) + picture.Right, row + picture.Left);
      std::fill(row + picture.Right, row + area.Right, ground);
    } else {
      std::fill(row + area.Left, row + area.Right, ground);
    }
  }
}
