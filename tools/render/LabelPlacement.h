#pragma once
#include <cstdint>

#include "toolkit/Geometry.h"
#include "tools/render/RenderSettings.h"

// The font height (negative: character height, in pixels) that --size N%
// asks for on a picture Height pixels high: −round(Height × N / 100), N
// given in thousandths of a percent, halves rounded up; at least one pixel.
int32_t PercentFontHeight(int32_t pictureHeight, int32_t thousandths);

// Where a label of Label's size goes on a picture of Picture's size: at
// --at when given, else placed by --place inside the picture shrunk by
// --margin on every side, as AlignRectInRect places it (a label larger than
// that space starts before it and is cut at the picture's edges).
TPoint LabelPosition(const TRenderSettings& settings, TSize label, TSize picture);
