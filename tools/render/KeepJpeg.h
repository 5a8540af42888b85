#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

#include "pictures/Graphic.h"
#include "pictures/JpegPatch.h"
#include "toolkit/Geometry.h"
#include "tools/render/CaptionLabel.h"

// --keep-jpeg for one background: its own JPEG with the caption patched
// into the blocks the caption touches (the rest of the photo keeps its
// exact coefficients), when that can be done. Only a JPEG whose colours
// are YCbCr, coded sequentially, is kept; reading errors are the reader's.
class TKeptJpeg {
 public:
  // Reads the coefficients of a background that can be kept.
  explicit TKeptJpeg(TGraphic& background);

  // Why the background cannot be kept ("a progressive JPEG", ...); empty
  // when it can.
  const QString& Refusal() const { return refusal_; }
  // The JPEG with the caption, as Caption was fitted to the background
  // with its label at Label. Once only, and only when nothing refuses.
  QByteArray Patch(TCaptionLabel& caption, const TRect& label);

 private:
  QString refusal_;
  std::unique_ptr<TJpegPatcher> patcher_;
};
