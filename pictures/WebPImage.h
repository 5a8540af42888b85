#pragma once
#include "pictures/DecodedImage.h"

// A WebP picture ("WebP images", .webp) read through libwebp, alpha
// composed over white. A broken file, or an animation: "WebP image is not
// valid".
class TWebPImage : public TDecodedImage {
 public:
  QString ClassName() const override { return QStringLiteral("TWebPImage"); }
  std::unique_ptr<TGraphic> Clone() const override;

 protected:
  TSurface Decode(const QByteArray& data) const override;
};
