#pragma once
#include <QWidget>
#include <cstdint>

#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

// Where an image control with Center and Proportional on (Stretch off)
// draws a Width x Height picture in a ClientWidth x ClientHeight area: at
// its own size when it fits, never enlarged; otherwise the long side fills
// the area and the other follows the aspect ratio (a float), truncated,
// and if that still does not fit, the other way round. Centred, the
// halves truncated. Empty for an empty picture.
TRect ProportionalRect(int32_t width, int32_t height, int32_t clientWidth, int32_t clientHeight);

// Shows a picture as such an image control does, its place worked out
// again at every paint and the picture stretched to it nearest-pixel from
// the pixels it was given; around it the parent shows through.
class TImageView : public QWidget {
 public:
  explicit TImageView(QWidget* parent = nullptr);

  const TSurface& Picture() const { return picture_; }
  // A null surface shows nothing.
  void SetPicture(const TSurface& picture);
  // Where the picture is drawn now.
  TRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TSurface picture_;
};
