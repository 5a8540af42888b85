#pragma once
#include <cstdint>
#include <vector>

#include "render/fill/LMDGradient.h"
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/canvas/Canvas.h"

// Paints one band per colour in the geometry of Style, for a gradient whose
// rectangle starts at (X0, Y0) of the canvas and is Width x Height (both
// positive). Every pixel receives the colour that painting the bands one by
// one with the canvas figures (FillRect, or Rectangle, Ellipse and Polygon with
// a clear pen) in the style's order would leave there, but is written once:
// each row is split among the bands directly. Like the figures, bands reach
// outside the rectangle; only the canvas's clip region and surface bound them.
// The canvas's brush and pen are not used. Returns the one-row runs of the
// rectangle (within the clip, in canvas coordinates) that no band reaches.
std::vector<TRect> PaintGradientBands(TCanvas& canvas, int32_t x0, int32_t y0, int32_t width, int32_t height,
                                      TLMDGradientStyle style, const std::vector<TColor>& colors);
