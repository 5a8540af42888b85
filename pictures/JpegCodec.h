#pragma once
#include <QByteArray>
#include <cstdint>

#include "pictures/ExifOrientation.h"
#include "pictures/JpegProgress.h"
#include "pictures/JpegSettings.h"

class TBitmap;
class TSurface;

// What a JPEG file's header says. Width and Height are the stored
// picture's; decoding turns it upright by Orientation (its EXIF tag).
struct TJpegInfo {
  int32_t Width = 0;
  int32_t Height = 0;
  bool Grayscale = false;    // one component
  bool Progressive = false;  // several scans
  TExifOrientation Orientation = eoTopLeft;
};

// Called by a running codec; an exception it throws ends the operation and
// is passed on.
using TJpegProgressHook = std::function<void(const TJpegProgressState&)>;

// The libjpeg glue. Every library error ends the operation with EJPEG,
// "JPEG error #%d" and the library's message code; warnings are silent, so
// damaged data decodes with the library's substitutes. A header asking for
// more than kMaxPicturePixels is the library's "image too big" error,
// raised before anything is allocated for the pixels.

TJpegInfo ReadJpegHeader(const QByteArray& data);

// Whether a picture with this header decodes with reduced colours to 8 bits
// and a palette (greyscale pictures or output, or 8-bit settings) rather
// than to 24 bits.
bool JpegDecodesToPalette(const TJpegInfo& header, const TJPEGSettings& settings);

// Both decoders turn the picture upright by its EXIF orientation: the
// bitmap or surface has the upright size, the library's rows are written to
// where they lie upright, and progress reports the rows of the stored
// picture as the library decodes them.

// Decodes Data into Bitmap: 8 bits per pixel with the library's colour map
// as colour table and palette when colours are reduced (greyscale output,
// or 8-bit settings), else 24 bits, rows decoded in the bitmap's own
// blue-green-red order. The rows are allocated once the library has taken
// the first scan (every scan of a progressive file) and go to the bitmap
// when decoding ends; on a later error it gets the pixels decoded so far and
// zeros for the rest (rows below them in a picture stored upright), on an
// earlier one it stays as it was. Rows that
// cannot be had are EOutOfMemory. Returns whether a palette was made.
bool DecodeJpeg(const QByteArray& data, const TJPEGSettings& settings, TBitmap& bitmap,
                const TJpegProgressHook& progress);

// Decodes Data straight into display pixels: the colours of the 24-bit
// decoding, without its rows. Fails as DecodeJpeg does, keeping nothing.
// ASSUMPTION: the picture does not decode to a palette.
TSurface DecodeJpegToSurface(const QByteArray& data, const TJPEGSettings& settings, const TJpegProgressHook& progress);

// Encodes Bitmap (not empty) as baseline JFIF, or progressive / greyscale
// as Settings say, with the floating-point DCT at the settings' quality.
// A 24-bit bitmap is read as blue-green-red rows, any other format through
// its display pixels as blue-green-red-unused.
QByteArray EncodeJpeg(const TBitmap& bitmap, const TJPEGSettings& settings, const TJpegProgressHook& progress);
