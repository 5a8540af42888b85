#pragma once
#include <cstdint>

#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"

// Replaces Rect by the bounding box of Rect turned by Degrees about its
// centre, moved so that its top-left corner is (0, 0). Degrees 0 leaves
// Rect as it is.
void RotatedBoundsRect(TRect& rect, int32_t degrees);

// Where the top-left corner of an unrotated Width x Height text box lands
// when the box is turned by Degrees about the centre of Bounds, pulled back
// by Adjustment on both axes.
TPoint RotatedTextOrigin(const TRect& bounds, int32_t width, int32_t height, int32_t degrees, int32_t adjustment);

// The plain colour Numerator / Denominator of the way from A to B, each
// channel truncated toward zero (and kept to 0..255 when the fraction lies
// outside 0..1). A zero denominator gives A.
TColor BlendColor(TColor a, TColor b, int32_t numerator, int32_t denominator);
