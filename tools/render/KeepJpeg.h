#pragma once
#include <QByteArray>
#include <QString>

#include "pictures/Graphic.h"
#include "toolkit/Geometry.h"
#include "tools/render/CaptionLabel.h"

// --keep-jpeg for one background: the background's own JPEG with the
// caption patched into the blocks it touches (the rest of the photo keeps
// its exact coefficients), or, when that cannot be done, why not.
struct TKeptJpeg {
  QByteArray Data;  // empty when refused
  QString Refusal;  // "a progressive JPEG", ...; empty when kept
};

// Label is the caption's rectangle as Caption was fitted to Background.
// Only a JPEG whose EXIF orientation is 1 (or absent) and whose colours are
// YCbCr, coded sequentially, is kept; reading errors are the reader's.
TKeptJpeg KeepJpeg(TGraphic& background, TCaptionLabel& caption, const TRect& label);
