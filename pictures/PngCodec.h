#pragma once
#include <QByteArray>

#include "toolkit/Surface.h"

// The libpng glue. Errors of the library end the operation; the reader's
// is "PNG image is not valid".

// The display pixels of a PNG file of any colour type and bit depth
// (palette, grey, grey with alpha, RGB, RGBA; 1 to 16 bits; interlaced or
// not): 16-bit samples keep their high byte, transparency (an alpha channel
// or a tRNS chunk) is composed over white, and gamma, chromaticity, colour
// profile and text chunks are ignored, so the pixels are the file's values.
// A picture of more than kMaxPicturePixels is refused from its header, and
// the pixels are allocated only after the first row has decoded, so a header
// that promises a huge picture over broken data fails before that.
TSurface DecodePng(const QByteArray& data);

// Pixels (not empty) as a PNG file: 8-bit RGB, not interlaced, zlib level 6,
// no chunk but IHDR, IDAT and IEND. Rows go to the library as the surface
// holds them.
QByteArray EncodePng(const TSurface& pixels);
