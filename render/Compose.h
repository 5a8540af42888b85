#pragma once
#include <memory>

#include "pictures/Bitmap.h"
#include "pictures/Graphic.h"
#include "pictures/Picture.h"
#include "toolkit/windowless/ControlHost.h"

// What saving a composition writes: a new 32-bit picture of Background's
// size showing the background with the host's visible controls over it, in
// creation order, as the window shows them. It is painted afresh and never
// read from a window, so nothing covering the window can get in.
// ASSUMPTION: Background lies at the host's origin, so the controls'
// positions are positions on the picture.
// It is the two steps below, which a caller may run apart, preparing the
// background while the controls are being set up.
std::unique_ptr<TBitmap> ComposeControls(TGraphic& background, const TControlHost& host);

// A new 32-bit picture of Background's size showing the background, with
// pixels of its own.
std::unique_ptr<TBitmap> NewComposition(TGraphic& background);
// Paints the host's visible controls over Composition in creation order.
void PaintControls(TBitmap& composition, const TControlHost& host);

// Loads the background of a composition into Picture, choosing the reader
// by extension as TPicture::LoadFromFile does. A picture without pixels (a
// 0-byte .bmp) is refused with "Bitmap image is not valid": a composition
// needs something to be composed on. Any failure keeps Picture as it was.
void LoadBackground(TPicture& picture, const QString& path);
