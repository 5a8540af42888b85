#pragma once
#include <QString>
#include <future>
#include <memory>

#include "pictures/Bitmap.h"
#include "pictures/Picture.h"
#include "toolkit/Geometry.h"
#include "tools/render/RenderSettings.h"

// What a run wrote: the file's path as it was opened, and the label's
// rectangle in picture coordinates, as the label placed and sized itself.
struct TRenderResult {
  QString Path;
  TRect Label;
};

// One run: loads the background, puts the label on it as the settings say,
// composes the two at the background's size and writes the result. Every
// failure is an Exception with the system's message, and then no file has
// been written. It comes in two steps so that the background is decoded
// while the GUI application starts and the label is set up.
class TRenderJob {
 public:
  // Loads the background and starts decoding it into the composition on
  // another thread. Needs the JPEG support started, not the GUI.
  explicit TRenderJob(TRenderSettings settings);
  TRenderJob(const TRenderJob&) = delete;
  TRenderJob& operator=(const TRenderJob&) = delete;

  // Sets the label up, paints it on the composition and writes the result
  // (a decoding failure is raised here). Needs a running QGuiApplication
  // (fonts). Once only.
  TRenderResult Finish();

 private:
  const TRenderSettings settings_;
  TPicture background_;
  // Declared after the background: an unfinished decoding is waited for,
  // also when the run failed, before the background goes.
  std::future<std::unique_ptr<TBitmap>> composition_;
};
