#pragma once
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "toolkit/Geometry.h"

// How a camera stored a photo relative to its upright view: the EXIF
// orientation tag's eight values, named by where the stored first row and
// first column lie in the upright picture (eoRightTop, 6: the first row is
// the right side and the first column the top, a portrait photo of a phone
// held upright).
enum TExifOrientation : uint8_t {
  eoTopLeft = 1,      // as stored
  eoTopRight = 2,     // mirrored left to right
  eoBottomRight = 3,  // turned half round
  eoBottomLeft = 4,   // mirrored top to bottom
  eoLeftTop = 5,      // mirrored along the main diagonal
  eoRightTop = 6,     // stored turned a quarter anticlockwise: shown turned clockwise
  eoRightBottom = 7,  // mirrored along the other diagonal
  eoLeftBottom = 8    // stored turned a quarter clockwise: shown turned anticlockwise
};

// The orientation a JPEG file's EXIF block gives: tag 0x0112 of IFD0 in the
// first APP1 segment that starts "Exif\0\0", in either byte order, a SHORT
// with a count of 1. Anything missing, unreadable or out of range gives
// eoTopLeft; the bytes are only read within the segment, and no link of IFDs
// is followed. Never fails.
TExifOrientation ReadExifOrientation(const uint8_t* data, size_t size);
inline TExifOrientation ReadExifOrientation(const QByteArray& jpeg) {
  return ReadExifOrientation(reinterpret_cast<const uint8_t*>(jpeg.constData()), static_cast<size_t>(jpeg.size()));
}

// Whether the upright picture's width is the stored height (5 to 8).
inline bool SwapsAxes(TExifOrientation orientation) { return orientation >= eoLeftTop; }

// The upright size of a picture stored at Stored.
TSize UprightSize(TExifOrientation orientation, TSize stored);
// Where the stored pixel At of a picture stored at Stored lies upright.
TPoint UprightPoint(TExifOrientation orientation, TPoint at, TSize stored);
// The upright rectangle of the stored pixels of Rect.
TRect UprightRect(TExifOrientation orientation, const TRect& rect, TSize stored);
