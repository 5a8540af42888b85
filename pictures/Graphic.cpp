#include "pictures/Graphic.h"

#include <QBuffer>
#include <QFile>

#include "pictures/SafeFile.h"
#include "toolkit/Exceptions.h"

void TGraphic::LoadFromFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw EFOpenError(path);
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
