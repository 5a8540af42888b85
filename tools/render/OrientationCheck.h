#pragma once
#include <QByteArray>
#include <QString>

// Why --keep-jpeg cannot keep a JPEG for the way it is turned:
// "EXIF orientation N" when its EXIF orientation is other than 1. Such a
// photo is decoded upright by the full path, so its own coefficients,
// stored turned, cannot take the caption where the full path puts it.
// Empty when the orientation is 1 or absent.
QString OrientationRefusal(const QByteArray& jpeg);
