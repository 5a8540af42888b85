#pragma once
#include <cstdint>

#include "toolkit/windowless/ControlHost.h"

// A host without a window: its back buffer is all there is. Its background
// is its colour with an optional picture at the top-left corner. Tests and
// the command-line tool place controls on it.
class THeadlessHost : public TControlHost {
 public:
  THeadlessHost(int32_t width, int32_t height);

  TSurface& Surface() override { return surface_; }
  void PaintBackground(const TRect& rect) override;

  // A new size invalidates the whole surface.
  void SetSize(int32_t width, int32_t height);
  // The picture shown over the colour; a null surface shows the colour only.
  void SetBackground(const TSurface& picture);

 private:
  TSurface surface_;
  TSurface background_;
};
