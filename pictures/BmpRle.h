#pragma once
#include <QtGui/qrgb.h>
#include <vector>

#include "pictures/StreamIO.h"
#include "toolkit/Surface.h"

// Expands RLE8 (Rle4 false) or RLE4 rows from Cursor into Surface, bottom
// row first, with Colors as the colour table. Pixels the data never sets
// (deltas, early ends of line or of bitmap) stay as they were; runs and
// deltas that leave the picture are clipped; data that ends early leaves
// the rest unset.
void ExpandRle(TByteCursor& cursor, bool rle4, const std::vector<QRgb>& colors, TSurface& surface);
