#pragma once
#include <QRect>
#include <QtGlobal>

#include "toolkit/Geometry.h"
#include "toolkit/window/ScreenMetrics.h"

// Where a window that shows a picture goes on a screen, and at what scale.
struct TViewFit {
  // The window's client area on the screen, in logical pixels.
  QRect Client;
  // The picture's size on the screen in device pixels, at most its own.
  TSize View;
  // Device pixels per logical pixel, as the screen had it.
  qreal Ratio = 1;
};

// A picture that fits the screen's available area in device pixels is
// shown 1:1 in device pixels, in a client area of its size divided by the
// ratio, rounded up, centred on the screen (each half truncated, the
// corner never left of or above the screen's). A larger one is shrunk to
// the largest size that keeps its aspect ratio inside the available area,
// rounded down to whole logical pixels (at least one), and centred in that
// area. ASSUMPTION: the picture is at least 1 x 1.
TViewFit FitView(TSize picture, const TScreenMetrics& screen);
