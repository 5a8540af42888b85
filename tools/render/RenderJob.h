#pragma once
#include <QString>

#include "toolkit/Geometry.h"
#include "tools/render/RenderSettings.h"

// What a run wrote: the file's path as it was opened, and the label's
// rectangle in picture coordinates, as the label placed and sized itself.
struct TRenderResult {
  QString Path;
  TRect Label;
};

// Loads the background, puts the label on it as Settings say, composes the
// two at the background's size and writes the result. Every failure is an
// Exception with the system's message, and then no file has been written.
// Needs a running QGuiApplication (fonts) and the JPEG support started.
TRenderResult RenderComposition(const TRenderSettings& settings);
