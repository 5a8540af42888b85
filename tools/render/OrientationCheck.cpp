#include "tools/render/OrientationCheck.h"

#include "pictures/ExifOrientation.h"

QString OrientationRefusal(const QByteArray& jpeg) {
  const int orientation = static_cast<int>(ExifOrientation(jpeg));
  if (orientation == 1) return QString();
  return QStringLiteral("EXIF orientation %1").arg(orientation);
}
