#pragma once
#include <cstdint>
#include <functional>

#include "toolkit/Colors.h"
#include "toolkit/Surface.h"

enum TBrushStyle : uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

// Colour and style of filled areas. A pattern picture, when set, replaces
// colour and style: its pixels are tiled from the device origin.
class TBrush {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // The pattern, a copy of the picture's pixels; a null surface clears it.
  const TSurface& Bitmap() const { return pattern_; }
  bool HasBitmap() const { return !pattern_.IsNull(); }
  void SetBitmap(const TSurface& pattern);

  void Assign(const TBrush& source);
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TSurface pattern_;
};
