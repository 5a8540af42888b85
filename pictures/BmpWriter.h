#pragma once
#include <QByteArray>
#include <QIODevice>

#include "pictures/DibFormat.h"
#include "toolkit/Palette.h"
#include "toolkit/Surface.h"

// The state of a bitmap that the BMP writer reads.
struct TBmpSource {
  const TDib* Dib = nullptr;          // null: the display format, Surface
  const TSurface* Surface = nullptr;
  HPALETTE Palette;
  bool OwnHalftonePalette = false;    // made by the bitmap itself, never written
  const QByteArray* KeptBytes = nullptr;
};

// Writes a BMP file: the kept bytes of a run-length-encoded file unchanged;
// otherwise a 40-byte header (or the 12-byte header of an OS/2 bitmap),
// the masks, the colour table and the rows, bottom row first. The display
// format is written at 32 bits per pixel, blue, green, red and a zero byte.
// An empty bitmap writes nothing.
void WriteBmp(QIODevice& stream, const TBmpSource& source);
