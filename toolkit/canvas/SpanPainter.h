#pragma once
#include <cstdint>

#include "toolkit/Brush.h"
#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

// Paints horizontal runs of device pixels with a brush, inside a clip
// rectangle: solid colour, a hatch that paints only its lines, or a pattern
// picture tiled from the device origin. The figure routines of the canvas
// reduce every shape to such runs.
class TSpanPainter {
 public:
  // TextColor and BkColor colour a monochrome pattern (black and white).
  TSpanPainter(TSurface& surface, const TRect& deviceClip, const TBrush& brush, TColor textColor, TColor bkColor);

  // False for a clear brush or an empty clip: nothing would change.
  bool Paints() const { return paints_; }
  // Device pixels [x0, x1) of row y.
  void Span(int32_t y, int32_t x0, int32_t x1);
  // Device pixels of a half-open rectangle.
  void Fill(const TRect& deviceRect);

 private:
  TSurface& surface_;
  TRect clip_;
  const TBrush& brush_;
  QRgb solid_;
  QRgb patternBlack_;
  QRgb patternWhite_;
  bool paints_;
};

// The pixel a colour becomes on a surface: on a monochrome one only pure
// white stays white.
QRgb SurfacePixel(const TSurface& surface, TColor color);
