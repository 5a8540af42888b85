#pragma once
#include <cstdint>

#include "toolkit/Surface.h"
#include "toolkit/windowless/Component.h"

// A source of pictures that controls can draw from, addressed by a list
// and an image index. This program connects none; controls only keep the
// link and ask it for a picture when it changes.
class TCustomImageList : public TComponent {
 public:
  // The picture at (ListIndex, ImageIndex); a null surface when there is none.
  virtual TSurface Picture(int32_t listIndex, int32_t imageIndex) const = 0;
};
