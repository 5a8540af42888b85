#pragma once
#include "pictures/Bitmap.h"
#include "render/caption/LMDLabelFill.h"
#include "tools/render/RenderSettings.h"

// Gives the label what the control panel's controls would: the font, the
// frame, the 3D effect, the fill (set up apart, as on the panel's preview,
// and copied in whole), the rim colour and the text; the size in points.
// Picture is the picture fill's bitmap, empty when none was given. Where
// the label goes, and a size relative to the picture, are TCaptionLabel's.
void ApplyLabelSettings(const TRenderSettings& settings, const TBitmap& picture, TLMDLabelFill& label);
