#include "tools/render/CaptionLabel.h"

#include "render/Compose.h"
#include "tools/render/LabelPlacement.h"
#include "tools/render/LabelSettings.h"

TCaptionLabel::TCaptionLabel(const TRenderSettings& settings, const TBitmap& picture)
    : settings_(settings), host_(0, 0) {
  // The composition is painted into a new picture, never through the host's
  // back buffer, so the host needs none. Its colour is the composition
  // window's, which the label follows.
  host_.SetColor(clBtnFace);
  label_.SetParent(&host_);
  ApplyLabelSettings(settings, picture, label_);
}

TRect TCaptionLabel::Fit(TSize picture) {
  if (settings_.FontPercent != 0) label_.Font().SetHeight(PercentFontHeight(picture.cy, settings_.FontPercent));
  const TPoint at = LabelPosition(settings_, {label_.Width(), label_.Height()}, picture);
  label_.SetBounds(at.X, at.Y, label_.Width(), label_.Height());
  return label_.BoundsRect();
}

void TCaptionLabel::PaintOn(TBitmap& pixels, TPoint origin) {
  // The label moves by whole pixels into the part's coordinates for the
  // paint, and back also when painting fails.
  struct TMoved {
    TLMDLabelFill& label;
    TRect at;
    ~TMoved() { label.SetBounds(at.Left, at.Top, at.Width(), at.Height()); }
  } moved{label_, label_.BoundsRect()};
  label_.SetBounds(moved.at.Left - origin.X, moved.at.Top - origin.Y, moved.at.Width(), moved.at.Height());
  PaintControls(pixels, host_);
}
