#pragma once
#include <QString>
#include <cstdint>
#include <functional>

#include "pictures/Picture.h"
#include "toolkit/Surface.h"

// An image control's picture together with the pixels that drawing the
// whole picture gives, made once per picture: a JPEG decodes once,
// however often and at whatever size it is shown afterwards.
class TImage {
 public:
  const TPicture& Picture() const { return picture_; }
  // The picture's own size (0 × 0 without one).
  int32_t Width() const { return picture_.Width(); }
  int32_t Height() const { return picture_.Height(); }
  // The picture's pixels at its own size; a null surface without a picture.
  const TSurface& Pixels() const { return pixels_; }

  // Loads and decodes a picture file, the reader chosen by extension. Any
  // failure, of reading or of decoding, keeps the picture and the pixels
  // as they were.
  void LoadFromFile(const QString& path);
  // The same for a composition's background, which must have pixels.
  void LoadBackgroundFromFile(const QString& path);

  // A new picture and its pixels have been taken.
  std::function<void()> OnChange;

 private:
  // Decodes Loaded and takes it.
  void Take(TPicture& loaded);

  TPicture picture_;
  TSurface pixels_;
};
