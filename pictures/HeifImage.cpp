#include "pictures/HeifImage.h"

#include <libheif/heif.h>

#include <algorithm>
#include <memory>

#include "pictures/DibFormat.h"
#include "toolkit/Exceptions.h"

namespace {

EInvalidGraphic HeifNotValid() { return EInvalidGraphic(QStringLiteral("HEIF image is not valid")); }
EInvalidGraphic HeifNotSupported() { return EInvalidGraphic(QStringLiteral("HEIF image is not supported")); }

// A coding or kind of image libheif has no decoder for is not supported;
// any other error means the file is broken.
void Check(const heif_error& error) {
  if (error.code == heif_error_Ok) return;
  if (error.code == heif_error_Memory_allocation_error) throw EOutOfMemory();
  if (error.code == heif_error_Unsupported_feature) throw HeifNotSupported();
  throw HeifNotValid();
}

// The coding a file's main brand names, for the brands of HEVC and AV1.
heif_compression_format BrandCoding(const QByteArray& data) {
  const heif_brand2 brand = heif_read_main_brand(reinterpret_cast<const uint8_t*>(data.constData()),
                                                 static_cast<int>(std::min<qsizetype>(data.size(), 64)));
  for (const char* hevc : {"heic", "heix", "heim", "heis", "hevc", "hevx"})
    if (brand == heif_fourcc_to_brand(hevc)) return heif_compression_HEVC;
  for (const char* av1 : {"avif", "avis"})
    if (brand == heif_fourcc_to_brand(av1)) return heif_compression_AV1;
  return heif_compression_undefined;
}

struct TFreeContext {
  void operator()(heif_context* context) const { heif_context_free(context); }
};
struct TReleaseHandle {
  void operator()(const heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct TReleaseImage {
  void operator()(const heif_image* image) const { heif_image_release(image); }
};
struct TFreeOptions {
  void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

}  // namespace

std::unique_ptr<TGraphic> THEIFImage::Clone() const {
  auto copy = std::make_unique<THEIFImage>();
  copy->CopyFrom(*this);
  return copy;
}

TSurface THEIFImage::Decode(const QByteArray& data) const {
  const heif_compression_format coding = BrandCoding(data);
  if (coding != heif_compression_undefined && !heif_have_decoder_for_format(coding)) throw HeifNotSupported();

  const std::unique_ptr<heif_context, TFreeContext> context(heif_context_alloc());
  if (!context) throw EOutOfMemory();
  // The bytes outlive the context, which reads them in place.
  Check(heif_context_read_from_memory_without_copy(context.get(), data.constData(), static_cast<size_t>(data.size()),
                                                   nullptr));
  heif_image_handle* primary = nullptr;
  Check(heif_context_get_primary_image_handle(context.get(), &primary));
  const std::unique_ptr<heif_image_handle, TReleaseHandle> handle(primary);
  // The size after the file's transformations, checked before anything is
  // decoded.
  if (!PictureSizeAllowed(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get())))
    throw HeifNotValid();
  const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
  // A file may hold its colours multiplied by alpha already (libheif gives
  // them as stored); over white they then only gain 255 - alpha.
  const bool premultiplied = alpha && heif_image_handle_is_premultiplied_alpha(handle.get()) != 0;

  const std::unique_ptr<heif_decoding_options, TFreeOptions> options(heif_decoding_options_alloc());
  if (!options) throw EOutOfMemory();
  options->convert_hdr_to_8bit = 1;
  heif_image* decoded = nullptr;
  Check(heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get()));
  const std::unique_ptr<heif_image, TReleaseImage> image(decoded);

  const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
  const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
  const int bytes = alpha ? 4 : 3;
  int stride = 0;
  const uint8_t* plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
  if (!plane || !PictureSizeAllowed(width, height) ||
      heif_image_get_bits_per_pixel(image.get(), heif_channel_interleaved) != 8 * bytes || stride < width * bytes)
    throw HeifNotValid();

  TSurface pixels = TSurface::Uncleared(width, height);
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* from = plane + static_cast<ptrdiff_t>(y) * stride;
    QRgb* to = pixels.Row(y);
    if (premultiplied)
      for (int32_t x = 0; x < width; ++x, from += 4)
        to[x] = PremultipliedOverWhite(qRgba(from[0], from[1], from[2], from[3]));
    else if (alpha)
      for (int32_t x = 0; x < width; ++x, from += 4) to[x] = OverWhite(qRgba(from[0], from[1], from[2], from[3]));
    else
      for (int32_t x = 0; x < width; ++x, from += 3) to[x] = qRgb(from[0], from[1], from[2]);
  }
  return pixels;
}
