#pragma once
#include <memory>

#include "pictures/Graphic.h"
#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

// The pixels a preview draws of a picture at a given size: the picture is
// decoded at the smallest size its reader offers that still covers the
// drawn size (a JPEG at 1/8, 1/4, 1/2 or 1/1; other kinds whole), and the
// decoded copy is shrunk to the drawn size by area averaging. The copy is
// kept: drawing at another size decodes again only when the copy does not
// cover that size.
class TPicturePreview {
 public:
  TPicturePreview() = default;
  // A preview of a copy of Graphic (copies share the picture's data).
  explicit TPicturePreview(const TGraphic& graphic);

  bool Empty() const { return !graphic_ || graphic_->Empty(); }
  // The picture's own size, upright.
  TSize Size() const;

  // The pixels to draw at Size, at most the picture's own size: decoded
  // now if the kept copy does not cover it, which may fail with the
  // reader's error. When a kept copy cannot be decoded larger, the error
  // is dropped and the copy itself is given, smaller than Size, to be drawn
  // stretched.
  const TSurface& Pixels(TSize size);
  // The decoded copy the pixels are shrunk from; null before the first
  // drawing.
  const TSurface& Decoded() const { return decoded_; }

 private:
  std::unique_ptr<TGraphic> graphic_;
  TSurface decoded_;
  TSurface shrunk_;
};
