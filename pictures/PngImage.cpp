#include "pictures/PngImage.h"

#include "pictures/PngCodec.h"

std::unique_ptr<TGraphic> TPNGImage::Clone() const {
  auto copy = std::make_unique<TPNGImage>();
  copy->CopyFrom(*this);
  return copy;
}

void TPNGImage::SaveToStream(QIODevice& stream) {
  if (data_.isEmpty() && !Empty()) data_ = EncodePng(Bitmap().Surface());
  TDecodedImage::SaveToStream(stream);
}

void TPNGImage::Assign(const TBitmap& bitmap) {
  data_.clear();
  SetPixels(bitmap.Surface());
}

TSurface TPNGImage::Decode(const QByteArray& data) const { return DecodePng(data); }
