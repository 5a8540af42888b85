#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

class TCanvas;

// The grey coverage of one text output, rasterised once and then blended
// in any colour at any whole-pixel offset. Text drawn with a solid colour
// blends each pixel as colour × coverage + pixel × (1 − coverage) in
// 8-bit steps; blending the kept coverage the same way gives, pixel for
// pixel, what drawing the text again at the offset would.
class TTextCoverage {
 public:
  // Runs Output once on a scratch canvas that has Source's font, handle and
  // character extra and maps Source's coordinates as Source does, and keeps
  // the coverage it leaves inside DeviceArea (device coordinates).
  TTextCoverage(TCanvas& source, const TRect& deviceArea, const std::function<void(TCanvas&)>& output);

  // Blends the coverage moved by Offset in Color onto Surface, inside Clip
  // (device coordinates).
  void Blend(TSurface& surface, const TRect& clip, TPoint offset, TColor color) const;

  // Device rectangle holding every covered pixel (empty when none).
  const TRect& Bounds() const { return bounds_; }

 private:
  // Covered pixels [X0, X1) of row Y; their levels start at Start.
  struct TRun {
    int32_t Y;
    int32_t X0;
    int32_t X1;
    size_t Start;
  };

  std::vector<TRun> runs_;
  std::vector<uint8_t> levels_;
  TRect bounds_;
};
