#pragma once
#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "render/NumberedFile.h"
#include "toolkit/Geometry.h"
#include "tools/render/CaptionLabel.h"
#include "tools/render/RenderSettings.h"

// One background composed and encoded: its file written but not yet
// named, so that the names can be taken in the order of the backgrounds.
struct TComposedPicture {
  TRect Label;   // the label's rectangle in the picture
  QString Note;  // why --keep-jpeg encoded it in full; empty otherwise
  QString Folder;
  std::unique_ptr<TNumberedFileWriter> File;  // the numbered file, unnamed
  QByteArray Bytes;                           // with --out: what the file gets

  // Sends the numbered file to the disk and names it, the lowest free
  // number from First on, or writes --out; gives what was written (number 0
  // for --out).
  TNumberedFile Commit(const TRenderSettings& settings, int32_t first);
};

// Gives the caption to paint with, or null when the run has stopped
// before the fonts could be had.
using TCaptionSource = std::function<TCaptionLabel*()>;

// Loads Background, fits the caption to it, composes the two as the
// window's export does (or, with --keep-jpeg, patches a JPEG's own data)
// and encodes the result. Gives nothing when Stop is set between its steps.
// Every failure is an Exception with the system's message, and then no
// file is left.
std::optional<TComposedPicture> ComposePicture(const TRenderSettings& settings, const QString& background,
                                               const TCaptionSource& caption, const std::atomic<bool>& stop);
