#include "render/Compose.h"

#include "toolkit/Exceptions.h"
#include "toolkit/windowless/Control.h"

std::unique_ptr<TBitmap> ComposeControls(TGraphic& background, const TControlHost& host) {
  auto composition = NewComposition(background);
  PaintControls(*composition, host);
  return composition;
}

std::unique_ptr<TBitmap> NewComposition(TGraphic& background) {
  return std::make_unique<TBitmap>(background.Pixels());
}

void PaintControls(TBitmap& composition, const TControlHost& host) {
  if (composition.Empty()) return;
  const TRect area = composition.Surface().Bounds();
  // The bitmap's canvas owns the pixels; the controls paint on them through
  // their own canvases.
  TSurface& pixels = *composition.Canvas().Surface();
  for (TGraphicControl* control : host.Controls()) control->PaintTo(pixels, area);
}

void LoadBackground(TPicture& picture, const QString& path) {
  TPicture loaded;
  loaded.LoadFromFile(path);
  if (loaded.Width() <= 0 || loaded.Height() <= 0) throw EInvalidGraphic::BitmapNotValid();
  picture.Take(loaded);
}
