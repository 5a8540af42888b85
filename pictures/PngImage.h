#pragma once
#include "pictures/DecodedImage.h"

// A PNG picture ("PNG images", .png), read through libpng by the rules of
// DecodePng ("PNG image is not valid" for a broken file). Given a bitmap
// instead, it is saved as an 8-bit RGB PNG of the bitmap's display pixels.
class TPNGImage : public TDecodedImage {
 public:
  QString ClassName() const override { return QStringLiteral("TPNGImage"); }
  std::unique_ptr<TGraphic> Clone() const override;
  // Encodes first when there are no file bytes (after Assign), then writes
  // them.
  void SaveToStream(QIODevice& stream) override;
  // Drops the file bytes and takes a copy of Bitmap's display pixels.
  void Assign(const TBitmap& bitmap);

 protected:
  TSurface Decode(const QByteArray& data) const override;
};
