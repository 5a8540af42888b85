#pragma once
#include "toolkit/Geometry.h"

// How a picture shows shrunk to a view, each axis on its own: Picture
// pixels become View device pixels (View at most Picture), device pixel x
// showing the mean of the picture's area [x * P / V, (x + 1) * P / V), as
// area averaging makes it. A device point maps back to the picture pixel
// under its centre. With View equal to Picture both ways are the identity.
// ASSUMPTION: both sizes are at least 1 x 1.
class TViewScale {
 public:
  TViewScale() = default;
  TViewScale(TSize picture, TSize view) : picture_(picture), view_(view) {}

  TSize Picture() const { return picture_; }
  TSize View() const { return view_; }
  bool IsIdentity() const { return picture_ == view_; }

  // floor((d + 0.5) / s) on each axis, s = View / Picture; also for points
  // outside the view.
  TPoint ToPicture(TPoint device) const;
  // The device pixels whose areas meet Rect of the picture.
  TRect ToView(const TRect& rect) const;

 private:
  TSize picture_{1, 1};
  TSize view_{1, 1};
};
