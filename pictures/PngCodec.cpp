// Every libpng call sits in a Run* function whose locals have no
// destructors: the library reports errors by longjmp back to its setjmp, and
// the C++ exception is thrown only after the function has returned.
#include "pictures/PngCodec.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <exception>
#include <new>
#include <vector>

#include "pictures/DecodedImage.h"
#include "pictures/DibFormat.h"
#include "toolkit/Exceptions.h"

namespace {

EInvalidGraphic PngNotValid() { return EInvalidGraphic(QStringLiteral("PNG image is not valid")); }

[[noreturn]] void ErrorExit(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Warning(png_structp, png_const_charp) {}

// A C++ step (allocating memory) run from inside a Run* function: its error
// is kept for after the library is closed.
template <typename Job, typename Step>
bool Guarded(Job& job, Step step) {
  try {
    step();
    return true;
  } catch (const std::bad_alloc&) {
    job.failure = std::make_exception_ptr(EOutOfMemory());
  } catch (...) {
    job.failure = std::current_exception();
  }
  return false;
}

struct TReadJob {
  const QByteArray* data = nullptr;
  size_t position = 0;
  png_structp png = nullptr;
  png_infop info = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int passes = 1;
  bool alpha = false;
  std::vector<uint8_t> firstRow;
  TSurface pixels;
  std::exception_ptr failure;
};

void ReadBytes(png_structp png, png_bytep out, size_t count) {
  auto* job = static_cast<TReadJob*>(png_get_io_ptr(png));
  if (count > static_cast<size_t>(job->data->size()) - job->position) png_error(png, "file ends early");
  std::memcpy(out, job->data->constData() + job->position, count);
  job->position += count;
}

// After the header: the library's transformations into 8-bit blue, green,
// red and alpha (or 0xFF) bytes, which are the display pixels' order.
void SetUpTransforms(TReadJob& job) {
  png_structp png = job.png;
  png_read_info(png, job.info);
  const png_uint_32 width = png_get_image_width(png, job.info);
  const png_uint_32 height = png_get_image_height(png, job.info);
  if (!PictureSizeAllowed(width, height)) png_error(png, "too many pixels");
  job.width = static_cast<int32_t>(width);
  job.height = static_cast<int32_t>(height);
  if (png_get_bit_depth(png, job.info) == 16) png_set_strip_16(png);
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // pictures without alpha
  job.passes = png_set_interlace_handling(png);
  png_read_update_info(png, job.info);
  if (png_get_rowbytes(png, job.info) != static_cast<size_t>(width) * 4) png_error(png, "unexpected row layout");
  job.alpha = (png_get_color_type(png, job.info) & PNG_COLOR_MASK_ALPHA) != 0;
}

// 0 on success, else the failure is in the job (or the file is not valid).
int RunDecode(TReadJob& job) {
  job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, ErrorExit, Warning);
  if (!job.png) return 1;
  job.info = png_create_info_struct(job.png);
  if (!job.info) {
    png_destroy_read_struct(&job.png, nullptr, nullptr);
    return 1;
  }
  if (setjmp(png_jmpbuf(job.png))) {
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return 1;
  }
  png_set_read_fn(job.png, &job, ReadBytes);
  SetUpTransforms(job);
  if (!Guarded(job, [&] { job.firstRow.resize(static_cast<size_t>(job.width) * 4); })) {
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return 1;
  }
  png_read_row(job.png, job.firstRow.data(), nullptr);
  if (!Guarded(job, [&] {
        job.pixels = TSurface::Uncleared(job.width, job.height);
        std::memcpy(job.pixels.Row(0), job.firstRow.data(), job.firstRow.size());
      })) {
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return 1;
  }
  // With interlacing, every pass goes over every row; the library fills in
  // the pixels of each pass and keeps the others.
  for (int pass = 0; pass < job.passes; ++pass)
    for (int32_t y = pass == 0 ? 1 : 0; y < job.height; ++y)
      png_read_row(job.png, reinterpret_cast<png_bytep>(job.pixels.Row(y)), nullptr);
  png_read_end(job.png, nullptr);
  png_destroy_read_struct(&job.png, &job.info, nullptr);
  return 0;
}

struct TWriteJob {
  const TSurface* pixels = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  QByteArray out;
  std::exception_ptr failure;
};

void WriteBytes(png_structp png, png_bytep data, size_t count) {
  auto* job = static_cast<TWriteJob*>(png_get_io_ptr(png));
  const bool written =
      Guarded(*job, [&] { job->out.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count)); });
  // Outside the handler: nothing of C++ is left to unwind.
  if (!written) png_error(png, "out of memory");
}

void Flush(png_structp) {}

int RunEncode(TWriteJob& job) {
  job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job, ErrorExit, Warning);
  if (!job.png) return 1;
  job.info = png_create_info_struct(job.png);
  if (!job.info) {
    png_destroy_write_struct(&job.png, nullptr);
    return 1;
  }
  if (setjmp(png_jmpbuf(job.png))) {
    png_destroy_write_struct(&job.png, &job.info);
    return 1;
  }
  png_set_write_fn(job.png, &job, WriteBytes, Flush);
  const TSurface& pixels = *job.pixels;
  png_set_IHDR(job.png, job.info, static_cast<png_uint_32>(pixels.Width()), static_cast<png_uint_32>(pixels.Height()),
               8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(job.png, 6);
  png_write_info(job.png, job.info);
  // The surface's blue, green, red, unused bytes: the last is left out.
  png_set_bgr(job.png);
  png_set_filler(job.png, 0, PNG_FILLER_AFTER);
  for (int32_t y = 0; y < pixels.Height(); ++y)
    png_write_row(job.png, reinterpret_cast<png_const_bytep>(pixels.Row(y)));
  png_write_end(job.png, nullptr);
  png_destroy_write_struct(&job.png, &job.info);
  return 0;
}

}  // namespace

TSurface DecodePng(const QByteArray& data) {
  TReadJob job;
  job.data = &data;
  if (RunDecode(job) != 0) {
    if (job.failure) std::rethrow_exception(job.failure);
    throw PngNotValid();
  }
  if (job.alpha)
    for (int32_t y = 0; y < job.height; ++y) {
      QRgb* row = job.pixels.Row(y);
      for (int32_t x = 0; x < job.width; ++x) row[x] = OverWhite(row[x]);
    }
  return std::move(job.pixels);
}

QByteArray EncodePng(const TSurface& pixels) {
  TWriteJob job;
  job.pixels = &pixels;
  if (RunEncode(job) != 0) {
    // Writing to memory fails only for want of it.
    if (job.failure) std::rethrow_exception(job.failure);
    throw EOutOfMemory();
  }
  return std::move(job.out);
}
