#include "pictures/Graphic.h"

#include <QBuffer>

#include "pictures/Bitmap.h"
#include "pictures/PictureFile.h"
#include "pictures/SafeFile.h"

void TGraphic::LoadFromFile(const QString& path) {
  TPictureFile file(path);
  LoadFromStream(file);
}

void TGraphic::SaveToFile(const QString& path) {
  WriteFileReplacing(path, [this](QIODevice& stream) { SaveToStream(stream); });
}

void TGraphic::LoadFromBytes(QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  LoadFromStream(buffer);
}

QByteArray TGraphic::SaveToBytes() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  SaveToStream(buffer);
  return bytes;
}

TSurface TGraphic::Pixels() {
  TSurface pixels = DisplayCopy();
  if (!pixels.IsNull() || Empty()) return pixels;
  TBitmap drawn(Width(), Height());
  Draw(drawn.Canvas(), drawn.Surface().Bounds());
  return drawn.Surface();
}
