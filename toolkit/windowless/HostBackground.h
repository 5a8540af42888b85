#pragma once
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

// Paints Rect of Target as a host's background: Picture at the top-left
// corner, Ground wherever the picture does not reach (everywhere for a null
// picture). Rect is clipped to Target.
void PaintHostBackground(TSurface& target, const TRect& rect, const TSurface& picture, TColor ground);
