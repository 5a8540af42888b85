#include "pictures/PicturePreview.h"

#include "toolkit/Exceptions.h"
#include "toolkit/canvas/AreaAverage.h"

namespace {

bool Covers(const TSurface& pixels, TSize size) {
  return !pixels.IsNull() && pixels.Width() >= size.cx && pixels.Height() >= size.cy;
}

}  // namespace

TPicturePreview::TPicturePreview(const TGraphic& graphic) : graphic_(graphic.Clone()) {}

TSize TPicturePreview::Size() const { return graphic_ ? TSize{graphic_->Width(), graphic_->Height()} : TSize{}; }

const TSurface& TPicturePreview::Pixels(TSize size) {
  if (Empty()) return shrunk_;
  if (!Covers(decoded_, size)) {
    try {
      decoded_ = graphic_->PixelsCovering(size);
    } catch (const Exception&) {
      if (decoded_.IsNull()) throw;
      return decoded_;
    }
    // Shrinks come from the copy at hand, whatever was drawn before.
    shrunk_ = TSurface();
  }
  if (decoded_.Width() == size.cx && decoded_.Height() == size.cy) return decoded_;
  if (shrunk_.Width() != size.cx || shrunk_.Height() != size.cy) shrunk_ = AreaAverage(decoded_, size);
  return shrunk_;
}
