#pragma once
#include <vector>

#include "render/fill/DrawFlags.h"
#include "render/fill/LMDGradient.h"
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/Palette.h"
#include "toolkit/canvas/Canvas.h"

// Paints Colors as bands of Style into Rect of Canvas: colour 0 at the left,
// the top, the centre or the named corner, the last colour at the far side.
// Flags: pdfOffscreen paints into a bitmap of Rect's size and copies it to
// Rect, with the same pixels as painting directly through a clip of Rect
// (where no band reaches, the destination stays as it was); pdfPalette selects and realizes Palette on the painting canvas and on
// Canvas and gives the bands as palette-relative colours. Nothing is clipped
// here: painted directly, ellipses, wedges and squares reach outside Rect.
// Painting directly leaves Canvas with a solid brush of the colour painted
// last and a clear pen. An empty list or rectangle paints nothing.
void DrawGradient(TCanvas& canvas, const TRect& rect, TLMDGradientStyle style, GradientDrawFlags flags,
                  const HPALETTE& palette, const std::vector<TColor>& colors);
