#include "toolkit/windowless/HeadlessHost.h"

#include "toolkit/windowless/HostBackground.h"

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

void THeadlessHost::PaintBackground(const TRect& rect) { PaintHostBackground(surface_, rect, background_, Color()); }
