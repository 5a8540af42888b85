#include "toolkit/window/ImageView.h"

#include <QPainter>

TRect ProportionalRect(int32_t width, int32_t height, int32_t clientWidth, int32_t clientHeight) {
  if (width <= 0 || height <= 0) return {};
  int32_t drawnWidth = width;
  int32_t drawnHeight = height;
  if (width > clientWidth || height > clientHeight) {
    const double ratio = static_cast<double>(width) / height;
    if (width > height) {
      drawnWidth = clientWidth;
      drawnHeight = static_cast<int32_t>(clientWidth / ratio);
      if (drawnHeight > clientHeight) {
        drawnWidth = static_cast<int32_t>(ratio * clientHeight);
        drawnHeight = clientHeight;
      }
    } else {
      drawnHeight = clientHeight;
      drawnWidth = static_cast<int32_t>(ratio * clientHeight);
      if (drawnWidth > clientWidth) {
        drawnHeight = static_cast<int32_t>(clientWidth / ratio);
        drawnWidth = clientWidth;
      }
    }
  }
  return Bounds((clientWidth - drawnWidth) / 2, (clientHeight - drawnHeight) / 2, drawnWidth, drawnHeight);
}

TImageView::TImageView(QWidget* parent) : QWidget(parent) {}

void TImageView::SetPicture(TPicturePreview preview) {
  preview_ = std::move(preview);
  update();
}

TRect TImageView::PictureRect() const {
  const TSize size = preview_.Size();
  return preview_.Empty() ? TRect{} : ProportionalRect(size.cx, size.cy, width(), height());
}

void TImageView::paintEvent(QPaintEvent*) {
  const TRect place = PictureRect();
  if (place.IsEmpty()) return;
  const TSurface& pixels = preview_.Pixels({place.Width(), place.Height()});
  QPainter painter(this);
  // Pixels smaller than the place are a copy that could not be decoded
  // larger: stretched, it still shows the picture.
  painter.drawImage(QRect(place.Left, place.Top, place.Width(), place.Height()), pixels.Image());
}
