#include "pictures/Graphic.h"

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
