#pragma once
#include <QByteArray>
#include <QIODevice>

#include "pictures/DibFormat.h"
#include "toolkit/Palette.h"
#include "toolkit/Surface.h"

// What a BMP file becomes: the rows of an uncompressed or colour-mask file
// in their own format, or the pixels of a run-length-encoded file expanded
// into the display format together with the file's bytes.
struct TBmpImage {
  bool IsDib = false;
  TDib Dib;
  TSurface Surface;
  HPALETTE Palette;
  QByteArray KeptBytes;
};

// Reads a BMP file from the stream's position to its end; no bytes at all
// give an empty picture. Anything the reader cannot take fails with
// "Bitmap image is not valid"; sizes are checked in 64 bits against
// kMaxPicturePixels before any allocation, and a file that ends early
// yields the rows it holds. Memory that cannot be had is EOutOfMemory.
TBmpImage ReadBmp(QIODevice& stream);
