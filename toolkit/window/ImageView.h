#pragma once
#include <QWidget>
#include <cstdint>

#include "pictures/PicturePreview.h"
#include "toolkit/Geometry.h"

// Where an image control with Center and Proportional on (Stretch off)
// draws a Width x Height picture in a ClientWidth x ClientHeight area: at
// its own size when it fits, never enlarged; otherwise the long side fills
// the area and the other follows the aspect ratio (a float), truncated,
// and if that still does not fit, the other way round. Centred, the
// halves truncated. Empty for an empty picture.
TRect ProportionalRect(int32_t width, int32_t height, int32_t clientWidth, int32_t clientHeight);

// Shows a picture as such an image control does, its place worked out
// again at every paint and the picture drawn there from its preview: each
// drawn pixel the mean of the picture pixels it covers. Around it the parent
// shows through.
class TImageView : public QWidget {
 public:
  explicit TImageView(QWidget* parent = nullptr);

  const TPicturePreview& Picture() const { return preview_; }
  // An empty preview shows nothing. A preview that has already given its
  // pixels for the view's place is drawn without decoding again.
  void SetPicture(TPicturePreview preview);
  // Where the picture is drawn now.
  TRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPicturePreview preview_;
};
