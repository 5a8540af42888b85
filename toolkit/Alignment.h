#pragma once
#include <cstdint>

#include "toolkit/Geometry.h"

// Nine-way placement, in rows of three from the top.
enum TLMDAlignment : uint8_t {
  agTopLeft,
  agTopCenter,
  agTopRight,
  agCenterLeft,
  agCenter,
  agCenterRight,
  agBottomLeft,
  agBottomCenter,
  agBottomRight
};

// A rectangle of SizeRect's width and height placed inside Container.
TRect AlignRectInRect(TLMDAlignment alignment, const TRect& sizeRect, const TRect& container);
