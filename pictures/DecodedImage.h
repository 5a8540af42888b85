#pragma once
#include <QByteArray>
#include <algorithm>

#include "pictures/Bitmap.h"
#include "pictures/Graphic.h"

// A picture kind whose file is decoded whole when it is read (PNG, HEIF,
// WebP): the file's bytes, written back unchanged when the picture is
// saved, and the upright display pixels they decode to, any transparency
// composed over white (a composition is opaque).
class TDecodedImage : public TGraphic {
 public:
  int32_t Width() const override { return bitmap_.Width(); }
  int32_t Height() const override { return bitmap_.Height(); }
  void Draw(TCanvas& canvas, const TRect& rect) override { bitmap_.Draw(canvas, rect); }
  TSurface DisplayCopy() override { return bitmap_.DisplayCopy(); }

  // Takes every byte from the stream's position to its end and decodes
  // them; a failure (the kind's own message) leaves the picture as it was.
  void LoadFromStream(QIODevice& stream) override;
  // Writes the bytes as read; nothing for an empty picture.
  void SaveToStream(QIODevice& stream) override;

  // The decoded pixels, in the display format.
  const TBitmap& Bitmap() const { return bitmap_; }
  const QByteArray& Data() const { return data_; }

 protected:
  // The pixels Data decodes to, or the kind's error.
  virtual TSurface Decode(const QByteArray& data) const = 0;
  // Becomes a copy of Source (the bytes shared, the pixels shared until
  // either side writes).
  void CopyFrom(const TDecodedImage& source);
  void SetPixels(TSurface pixels);

  QByteArray data_;

 private:
  TBitmap bitmap_;
};

// A pixel with an alpha channel (0xAARRGGBB) composed over white: each
// channel c becomes (c x a + 255 x (255 - a)) / 255, rounded to nearest, and
// the pixel is opaque.
inline QRgb OverWhite(QRgb pixel) {
  const uint32_t a = qAlpha(pixel);
  const auto over = [a](uint32_t c) { return (c * a + 255 * (255 - a) + 127) / 255; };
  return qRgb(static_cast<int>(over(qRed(pixel))), static_cast<int>(over(qGreen(pixel))),
              static_cast<int>(over(qBlue(pixel))));
}

// The same for a pixel whose channels are already multiplied by its alpha:
// each becomes c + 255 - a, at most 255.
inline QRgb PremultipliedOverWhite(QRgb pixel) {
  const int white = 255 - qAlpha(pixel);
  return qRgb(std::min(qRed(pixel) + white, 255), std::min(qGreen(pixel) + white, 255),
              std::min(qBlue(pixel) + white, 255));
}
