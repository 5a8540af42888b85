#pragma once
#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

// Shrinking a picture by area averaging. Shrunk to Size, each destination
// pixel (x, y) covers the source area [x * sw / dw, (x + 1) * sw / dw) by
// [y * sh / dh, (y + 1) * sh / dh), where source pixels lying partly inside
// count with the part that does, and it becomes the exact mean of that area,
// per channel, rounded to nearest (halves up). A pixel's value depends only on
// the source and Size, never on which rectangle is asked for, so repainting
// any part of a shrunk picture gives the pixels a whole shrink gives.
//
// ASSUMPTION: Size is at most the source's size on each axis and at least
// 1 x 1 (enlarging is not area averaging); a size outside that writes nothing.

// The pixels of Rect of the shrunk picture, each written at its own position
// in Dest; pixels of Dest outside Rect are left alone. Rect is clipped to the
// shrunk picture's bounds and to Dest's. Only the source rows and columns
// under Rect are read.
void AreaAverageRect(const TSurface& source, TSize size, const TRect& rect, TSurface& dest);

// The whole shrunk picture. The result is empty when Size is refused.
TSurface AreaAverage(const TSurface& source, TSize size);
