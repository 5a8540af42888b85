#pragma once
#include "pictures/DecodedImage.h"

// A HEIF picture ("HEIF images", .heic and .heif) read through libheif: the
// file's primary image, turned and mirrored as the file's transformations
// say (its EXIF orientation is never applied on top), alpha composed over
// white. A broken file, or one without a primary image: "HEIF image is not
// valid"; a coding this libheif cannot decode: "HEIF image is not
// supported".
class THEIFImage : public TDecodedImage {
 public:
  QString ClassName() const override { return QStringLiteral("THEIFImage"); }
  std::unique_ptr<TGraphic> Clone() const override;

 protected:
  TSurface Decode(const QByteArray& data) const override;
};
