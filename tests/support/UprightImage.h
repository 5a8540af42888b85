#pragma once
// A stored picture turned as its EXIF orientation describes, by Qt's own
// mirroring and quarter turns: the reference the decoders are held to.
#include <QImage>
#include <QTransform>

#include "pictures/ExifOrientation.h"

inline QImage UprightImage(const QImage& stored, TExifOrientation orientation) {
  switch (orientation) {
    case eoTopLeft: return stored;
    case eoTopRight: return stored.mirrored(true, false);
    case eoBottomRight: return stored.transformed(QTransform().rotate(180));
    case eoBottomLeft: return stored.mirrored(false, true);
    case eoLeftTop: return stored.mirrored(true, false).transformed(QTransform().rotate(270));
    case eoRightTop: return stored.transformed(QTransform().rotate(90));
    case eoRightBottom: return stored.mirrored(true, false).transformed(QTransform().rotate(90));
    case eoLeftBottom: return stored.transformed(QTransform().rotate(270));
  }
  return stored;
}
