#pragma once
#include <cstdint>
#include <functional>

#include "toolkit/Colors.h"

enum TPenStyle : uint8_t { psSolid = 0, psClear = 5 };

// Outline of figures and of stroked paths. Width 0 is the thinnest pen.
class TPen {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int32_t Width() const { return width_; }
  void SetWidth(int32_t width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);

  void Assign(const TPen& source);
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor color_ = clBlack;
  int32_t width_ = 1;
  TPenStyle style_ = psSolid;
};
