#pragma once
#include <QString>
#include <cstdint>
#include <optional>

#include "render/caption/LMD3DCaption.h"
#include "render/caption/LMDFxPasses.h"
#include "toolkit/Alignment.h"
#include "toolkit/Geometry.h"

class TCanvas;
class TFont;

// Text with a caption's 3D effect, and the room such text needs.
//
// The drawing mode follows the caption: none or a plain TLMD3DCaption draws
// by Format in Rect; a TLMDFxCaption draws from (PosX, PosY) inside Rect,
// and when its Angle is not 0 as one rotated line, Format unused.

// Draws Text into Rect with the current font and brush colour of Canvas.
// Leaves the font colour at the face colour, the brush clear, for the
// outline the pen changed and, when rotated, the font handle rotated. The
// clip region (with fxdClip: ClipRect, or Rect, in device coordinates) and
// the character extra are back to none and 0 on every exit, also when
// drawing fails.
void DrawFxText(TCanvas& canvas, const QString& text, const TLMD3DCaption* caption, const TRect& rect, uint32_t format,
                FxDrawFlags flags, const std::optional<TRect>& clipRect = std::nullopt);

// Grows Rect to what Text needs when drawn with Font and Caption, plus
// Extra + 1 pixels on every side; for a TLMDFxCaption also stores where
// rotated text starts (PosX, PosY; 0 for unrotated text, set silently).
// Canvas is only given Font; the measuring happens on a scratch canvas.
void CalcFxTextRect(TCanvas& canvas, const QString& text, TLMD3DCaption* caption, TRect& rect, const TFont& font,
                    bool wordBreak, bool showAccelChar, int32_t extra, uint32_t format);

// Measures Text (margin 1) for Container less its last column and places
// the result in Container by Alignment.
TRect AlignFxTextRect(TLMDAlignment alignment, const QString& text, TLMD3DCaption* caption, const TRect& container,
                      const TFont& font, bool wordBreak, bool showAccelChar, uint32_t format);

// Whether the font, or the canvas's current font, is a TrueType font: only
// those turn.
bool IsTrueTypeFont(const TFont& font);
bool IsTrueTypeFont(const TCanvas& canvas);
