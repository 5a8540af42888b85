#include "toolkit/window/Image.h"

#include "render/Compose.h"

void TImage::LoadFromFile(const QString& path) {
  TPicture loaded;
  loaded.LoadFromFile(path);
  Take(loaded);
}

void TImage::LoadBackgroundFromFile(const QString& path) {
  TPicture loaded;
  LoadBackground(loaded, path);
  Take(loaded);
}

void TImage::Take(TPicture& loaded) {
  TSurface pixels = loaded.Graphic() ? NewComposition(*loaded.Graphic())->Surface() : TSurface();
  picture_.Take(loaded);
  pixels_ = std::move(pixels);
  if (OnChange) OnChange();
}
