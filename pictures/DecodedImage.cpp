#include "pictures/DecodedImage.h"

#include "pictures/StreamIO.h"

void TDecodedImage::LoadFromStream(QIODevice& stream) {
  QByteArray data = ReadRemaining(stream);
  TSurface pixels = Decode(data);
  data_ = std::move(data);
  SetPixels(std::move(pixels));
}

void TDecodedImage::SaveToStream(QIODevice& stream) { WriteAll(stream, data_); }

void TDecodedImage::CopyFrom(const TDecodedImage& source) {
  data_ = source.data_;
  bitmap_.Assign(source.bitmap_);
  Changed();
}

void TDecodedImage::SetPixels(TSurface pixels) {
  const TBitmap decoded(std::move(pixels));
  bitmap_.Assign(decoded);
  Changed();
}
