#include "pictures/WebPImage.h"

#include <webp/decode.h>

#include "pictures/DibFormat.h"
#include "toolkit/Exceptions.h"

namespace {

EInvalidGraphic WebPNotValid() { return EInvalidGraphic(QStringLiteral("WebP image is not valid")); }

}  // namespace

std::unique_ptr<TGraphic> TWebPImage::Clone() const {
  auto copy = std::make_unique<TWebPImage>();
  copy->CopyFrom(*this);
  return copy;
}

TSurface TWebPImage::Decode(const QByteArray& data) const {
  const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
  const auto size = static_cast<size_t>(data.size());
  WebPBitstreamFeatures features;
  if (WebPGetFeatures(bytes, size, &features) != VP8_STATUS_OK || features.has_animation ||
      !PictureSizeAllowed(features.width, features.height))
    throw WebPNotValid();
  // Blue, green, red, alpha bytes: the display pixels' order, opaque where
  // the picture has no alpha.
  TSurface pixels = TSurface::Uncleared(features.width, features.height);
  QImage& image = pixels.Image();
  if (!WebPDecodeBGRAInto(bytes, size, image.bits(), static_cast<size_t>(image.sizeInBytes()), image.bytesPerLine()))
    throw WebPNotValid();
  if (features.has_alpha)
    for (int32_t y = 0; y < pixels.Height(); ++y) {
      QRgb* row = pixels.Row(y);
      for (int32_t x = 0; x < pixels.Width(); ++x) row[x] = OverWhite(row[x]);
    }
  return pixels;
}
