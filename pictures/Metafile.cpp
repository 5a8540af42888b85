#include "pictures/Metafile.h"

#include "toolkit/Exceptions.h"

void TMetafile::LoadFromStream(QIODevice&) {
  throw EInvalidGraphic(QStringLiteral("Metafiles are not supported on this platform"));
}
