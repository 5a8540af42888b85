#pragma once
#include "pictures/Bitmap.h"
#include "render/caption/LMDLabelFill.h"
#include "toolkit/Geometry.h"
#include "toolkit/windowless/HeadlessHost.h"
#include "tools/render/RenderSettings.h"

// The caption as one thread composes it: a label on a host of its own, set
// up once from the settings as the control panel would, then fitted to each
// picture and painted on it. Nothing of it is shared with another thread.
class TCaptionLabel {
 public:
  // Needs a running QGuiApplication (fonts). Picture is the picture fill's
  // bitmap, only read. Settings must outlive the label.
  TCaptionLabel(const TRenderSettings& settings, const TBitmap& picture);
  TCaptionLabel(const TCaptionLabel&) = delete;
  TCaptionLabel& operator=(const TCaptionLabel&) = delete;

  // Sizes the letters (--size N%) and places the label for a picture of
  // Picture's size; gives its rectangle in the picture.
  TRect Fit(TSize picture);
  // Paints the label over Pixels, the part of the picture whose top-left
  // corner lies at Origin, exactly as over the whole picture.
  void PaintOn(TBitmap& pixels, TPoint origin);

 private:
  const TRenderSettings& settings_;
  THeadlessHost host_;
  TLMDLabelFill label_;  // after the host, which it leaves first
};
