#include "toolkit/window/ImageView.h"

#include <QPainter>

#include "toolkit/canvas/Canvas.h"

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

void TImageView::SetPicture(const TSurface& picture) {
  picture_ = picture;
  update();
}

TRect TImageView::PictureRect() const {
  return picture_.IsNull() ? TRect{} : ProportionalRect(picture_.Width(), picture_.Height(), width(), height());
}

void TImageView::paintEvent(QPaintEvent*) {
  const TRect place = PictureRect();
  if (place.IsEmpty()) return;
  QPainter painter(this);
  if (place.Width() == picture_.Width() && place.Height() == picture_.Height()) {
    painter.drawImage(place.Left, place.Top, picture_.Image());
    return;
  }
  TSurface stretched = TSurface::Uncleared(place.Width(), place.Height());
  TCanvas(&stretched).CopyRect(stretched.Bounds(), TCanvas(&picture_), picture_.Bounds());
  painter.drawImage(place.Left, place.Top, stretched.Image());
}
