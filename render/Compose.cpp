#include "render/Compose.h"

#include "toolkit/Control.h"

std::unique_ptr<TBitmap> ComposeControls(TGraphic& background, const TControlHost& host) {
  auto picture = std::make_unique<TBitmap>(background.Width(), background.Height());
  if (picture->Empty()) return picture;
  const TRect area = picture->Surface().Bounds();
  background.Draw(picture->Canvas(), area);
  // The bitmap's canvas owns the pixels; the controls paint on them through
  // their own canvases.
  TSurface& pixels = *picture->Canvas().Surface();
  for (TGraphicControl* control : host.Controls()) control->PaintTo(pixels, area);
  return picture;
}
