#pragma once
#include <QtGui/qrgb.h>
#include <vector>

#include "pictures/DibFormat.h"
#include "toolkit/Surface.h"

// Pixel conversions between a device-independent bitmap and the display
// format (32-bit surface).

// The display pixels of Dib. Indices beyond the colour table are black;
// mask channels are scaled to 8 bits with rounding (a 5-bit 31 is 255), an
// empty mask gives 0. Surface keeps its pixels when the new ones cannot be
// had (EOutOfMemory).
void DibToSurface(const TDib& dib, TSurface& surface);

// Fills Dib, whose format fields (BitCount, Compression, Masks, ColorTable)
// are set, with Surface's pixels at Surface's size. Indexed formats take the
// nearest colour of the table. ASSUMPTION: indexed formats have a non-empty
// table.
void SurfaceToDib(const TSurface& surface, TDib& dib);

// Index of the table colour nearest to Pixel (squared RGB distance).
uint8_t NearestColorIndex(const std::vector<QRgb>& table, QRgb pixel);
