#pragma once
#include <memory>

#include "pictures/Bitmap.h"
#include "pictures/Graphic.h"
#include "toolkit/ControlHost.h"

// A new 32-bit picture of Background's size showing the background with
// the host's visible controls over it, in creation order, as the window
// shows them: what saving a composition writes. It is painted afresh and
// never read from a window, so nothing covering the window can get in.
// ASSUMPTION: Background lies at the host's origin, so the controls'
// positions are positions on the picture.
std::unique_ptr<TBitmap> ComposeControls(TGraphic& background, const TControlHost& host);
