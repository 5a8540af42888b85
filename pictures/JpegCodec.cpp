// Every libjpeg call sits in a Run* function whose locals have no
// destructors: the library reports errors by longjmp back to its setjmp,
// and the C++ exception is thrown only after the function has returned.
#include "pictures/JpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <exception>
#include <new>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "pictures/Bitmap.h"
#include "pictures/JpegErrors.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Surface.h"

namespace {

constexpr int kReducedColors = 236;

// What the C callbacks of one operation share.
struct TJob {
  TJpegErrorManager error{};
  jpeg_progress_mgr progress{};
  const TJpegProgressHook* hook = nullptr;
  std::exception_ptr failure;  // a C++ error from a progress hook or the bitmap
};

void ProgressMonitor(j_common_ptr cinfo) {
  auto* job = static_cast<TJob*>(cinfo->client_data);
  TJpegProgressState state;
  state.PassCounter = cinfo->progress->pass_counter;
  state.PassLimit = cinfo->progress->pass_limit;
  state.CompletedPasses = cinfo->progress->completed_passes;
  state.TotalPasses = cinfo->progress->total_passes;
  if (cinfo->is_decompressor) {
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    state.Row = static_cast<int32_t>(d->output_scanline);
    state.Width = static_cast<int32_t>(d->output_width);
    state.Height = static_cast<int32_t>(d->output_height);
  } else {
    const auto* c = reinterpret_cast<j_compress_ptr>(cinfo);
    state.Row = static_cast<int32_t>(c->next_scanline);
    state.Width = static_cast<int32_t>(c->image_width);
    state.Height = static_cast<int32_t>(c->image_height);
  }
  bool failed = false;
  try {
    (*job->hook)(state);
  } catch (...) {
    job->failure = std::current_exception();
    failed = true;
  }
  // Outside the handler: nothing of C++ is left to unwind.
  if (failed) std::longjmp(job->error.jump, 1);
}

void Prepare(TJob& job, jpeg_common_struct& common, const TJpegProgressHook* hook) {
  InstallJpegErrors(common, job.error);
  job.hook = hook;
  if (hook && *hook) job.progress.progress_monitor = ProgressMonitor;
}

// Message code of a failed Run*, or the C++ failure.
[[noreturn]] void Fail(const TJob& job) {
  if (job.failure) std::rethrow_exception(job.failure);
  throw EJPEG(job.error.pub.msg_code);
}

// How far a decoding goes, and where its pixels go.
enum TDecodeOutput : uint8_t { doHeaderOnly, doBitmapRows, doDisplayPixels };

// Puts the rows of a stored picture where they lie in the upright one.
struct TUprightWriter {
  TExifOrientation orientation = eoTopLeft;
  TSize stored;
  uint8_t* origin = nullptr;  // upright pixel (0, 0)
  ptrdiff_t rowStep = 0;      // from an upright row to the one below it
  int bytes = 0;              // a pixel

  template <int Bytes>
  static void Scatter(const uint8_t* from, int32_t count, uint8_t* to, ptrdiff_t step) {
    for (int32_t x = 0; x < count; ++x) std::memcpy(to + x * step, from + x * Bytes, Bytes);
  }

  // Row Y of the stored picture: its pixels run along a row or a column of
  // the upright one, one step apart.
  void Write(int32_t y, const uint8_t* row) const {
    const TPoint first = UprightPoint(orientation, {0, y}, stored);
    const TPoint next = UprightPoint(orientation, {1, y}, stored);
    uint8_t* to = origin + first.Y * rowStep + first.X * bytes;
    const ptrdiff_t step = (next.Y - first.Y) * rowStep + (next.X - first.X) * bytes;
    if (bytes == 1) Scatter<1>(row, stored.cx, to, step);
    else if (bytes == 3) Scatter<3>(row, stored.cx, to, step);
    else Scatter<4>(row, stored.cx, to, step);
  }
};

struct TDecodeJob : TJob {
  // Settings and Hook are needed past the header only.
  TDecodeJob(const QByteArray& bytes, TDecodeOutput to, const TJPEGSettings* decodeSettings = nullptr,
             const TJpegProgressHook* hook = nullptr)
      : data(&bytes), settings(decodeSettings), output(to), orientation(ReadExifOrientation(bytes)) {
    Prepare(*this, *reinterpret_cast<jpeg_common_struct*>(&cinfo), hook);
  }

  jpeg_decompress_struct cinfo{};
  const QByteArray* data;
  const TJPEGSettings* settings;
  TDecodeOutput output;
  TExifOrientation orientation;
  TJpegInfo info;
  bool quantized = false;
  TDib dib;             // the output rows, uncleared until the library writes them
  TSurface surface;     // or the output pixels, likewise
  bool sized = false;
  JDIMENSION rowsDone = 0;
  std::vector<JSAMPROW> rows;  // the output's rows, for a picture stored upright
  // Otherwise the band of rows the library writes at a time, and where
  // they go.
  std::vector<uint8_t> band;
  std::vector<JSAMPROW> bandRows;
  TUprightWriter upright;
};

// Runs a step that allocates, keeping a C++ error for after the library is
// closed.
template <typename Step>
bool Guarded(TDecodeJob& job, Step step) {
  try {
    step(job);
    return true;
  } catch (const std::bad_alloc&) {
    job.failure = std::make_exception_ptr(EOutOfMemory());
    return false;
  } catch (...) {
    job.failure = std::current_exception();
    return false;
  }
}

// Once decompression has started: the output's pixels at its upright size,
// and the rows the library writes into. A picture stored otherwise than
// upright starts cleared, since its rows are written across the output.
void SizeRows(TDecodeJob& job) {
  const jpeg_decompress_struct& c = job.cinfo;
  const TSize stored{static_cast<int32_t>(c.output_width), static_cast<int32_t>(c.output_height)};
  const TSize size = UprightSize(job.orientation, stored);
  const bool turned = job.orientation != eoTopLeft;
  TUprightWriter& upright = job.upright;
  if (job.output == doDisplayPixels) {
    job.surface = TSurface::Uncleared(size.cx, size.cy);
    upright.origin = reinterpret_cast<uint8_t*>(job.surface.Row(0));
    upright.rowStep = job.surface.Image().bytesPerLine();
    upright.bytes = 4;
  } else {
    job.dib.BitCount = job.quantized ? 8 : 24;
    if (turned) job.dib.Allocate(size.cx, size.cy);
    else job.dib.AllocateUncleared(size.cx, size.cy);
    // Bottom row first: the row below lies a stride lower.
    upright.origin = job.dib.Row(0);
    upright.rowStep = -static_cast<ptrdiff_t>(job.dib.Stride());
    upright.bytes = job.quantized ? 1 : 3;
  }
  if (turned) {
    upright.orientation = job.orientation;
    upright.stored = stored;
    const auto rowBytes = static_cast<size_t>(stored.cx) * static_cast<size_t>(upright.bytes);
    job.band.resize(rowBytes * static_cast<size_t>(c.rec_outbuf_height));
    for (int r = 0; r < c.rec_outbuf_height; ++r) job.bandRows.push_back(job.band.data() + rowBytes * static_cast<size_t>(r));
  } else {
    job.rows.resize(c.output_height);
    for (int32_t y = 0; y < size.cy; ++y)
      job.rows[static_cast<size_t>(y)] = upright.origin + static_cast<ptrdiff_t>(y) * upright.rowStep;
  }
  job.sized = true;
}

// Once decompression has started: the library's colour map as colour table
// (grey levels for greyscale output).
void TakeColorMap(TDecodeJob& job) {
  const jpeg_decompress_struct& c = job.cinfo;
  const bool grey = c.out_color_components == 1;
  for (int i = 0; i < c.actual_number_of_colors; ++i) {
    const int r = c.colormap[0][i];
    job.dib.ColorTable.push_back(grey ? qRgb(r, r, r) : qRgb(r, c.colormap[1][i], c.colormap[2][i]));
  }
}

void ApplyDecodeSettings(TDecodeJob& job) {
  jpeg_decompress_struct& c = job.cinfo;
  const TJPEGSettings& s = *job.settings;
  c.scale_num = 1;
  c.scale_denom = 1u << s.Scale;
  c.do_block_smoothing = s.Smoothing ? TRUE : FALSE;
  const bool display = job.output == doDisplayPixels;
  job.quantized = !display && JpegDecodesToPalette(job.info, s);
  if (job.quantized) {
    if (s.Grayscale) c.out_color_space = JCS_GRAYSCALE;
    c.quantize_colors = TRUE;
    c.desired_number_of_colors = kReducedColors;
  } else {
    // The display pixels' unused byte comes out as 0xFF, as theirs is.
    c.out_color_space = display ? JCS_EXT_BGRX : JCS_EXT_BGR;
  }
  if (s.Performance == jpBestQuality) {
    c.dct_method = JDCT_FLOAT;
  } else {
    c.dct_method = JDCT_IFAST;
    c.two_pass_quantize = FALSE;
    c.dither_mode = JDITHER_ORDERED;
  }
}

// 0 on success, else the failure is in the job.
int RunDecode(TDecodeJob& job) {
  jpeg_decompress_struct& c = job.cinfo;
  if (setjmp(job.error.jump)) {
    job.rowsDone = c.output_scanline;
    jpeg_destroy_decompress(&c);
    return 1;
  }
  jpeg_create_decompress(&c);
  c.client_data = static_cast<TJob*>(&job);  // the callbacks see the base
  jpeg_mem_src(&c, reinterpret_cast<const unsigned char*>(job.data->constData()),
               static_cast<unsigned long>(job.data->size()));
  jpeg_read_header(&c, TRUE);
  if (!PictureSizeAllowed(c.image_width, c.image_height)) ERREXIT1(&c, JERR_IMAGE_TOO_BIG, JPEG_MAX_DIMENSION);
  job.info.Width = static_cast<int32_t>(c.image_width);
  job.info.Height = static_cast<int32_t>(c.image_height);
  job.info.Grayscale = c.jpeg_color_space == JCS_GRAYSCALE;
  job.info.Progressive = jpeg_has_multiple_scans(&c);
  if (job.output != doHeaderOnly) {
    ApplyDecodeSettings(job);
    if (job.progress.progress_monitor) c.progress = &job.progress;
    // The rows come only once the library has taken the first scan (all
    // scans of a progressive file): a header that promises a huge picture
    // over a broken scan fails before they are allocated.
    jpeg_start_decompress(&c);
    if (!Guarded(job, SizeRows) || (job.quantized && !Guarded(job, TakeColorMap))) {
      jpeg_destroy_decompress(&c);
      return 1;
    }
    while (c.output_scanline < c.output_height) {
      if (job.bandRows.empty()) {
        jpeg_read_scanlines(&c, job.rows.data() + c.output_scanline, c.output_height - c.output_scanline);
      } else {
        const JDIMENSION first = c.output_scanline;
        const JDIMENSION got =
            jpeg_read_scanlines(&c, job.bandRows.data(), static_cast<JDIMENSION>(job.bandRows.size()));
        for (JDIMENSION r = 0; r < got; ++r) job.upright.Write(static_cast<int32_t>(first + r), job.bandRows[r]);
      }
    }
    job.rowsDone = c.output_height;
    jpeg_finish_decompress(&c);
  }
  jpeg_destroy_decompress(&c);
  return 0;
}

struct TEncodeJob : TJob {
  jpeg_compress_struct cinfo{};
  const TJPEGSettings* settings = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  bool fourBytes = false;  // blue, green, red, unused
  std::vector<JSAMPROW> rows;
  unsigned char* buffer = nullptr;  // the library's, freed by us
  unsigned long size = 0;
};

int RunEncode(TEncodeJob& job) {
  jpeg_compress_struct& c = job.cinfo;
  if (setjmp(job.error.jump)) {
    jpeg_destroy_compress(&c);
    return 1;
  }
  jpeg_create_compress(&c);
  c.client_data = static_cast<TJob*>(&job);  // the callbacks see the base
  jpeg_mem_dest(&c, &job.buffer, &job.size);
  c.image_width = static_cast<JDIMENSION>(job.width);
  c.image_height = static_cast<JDIMENSION>(job.height);
  c.input_components = job.fourBytes ? 4 : 3;
  c.in_color_space = job.fourBytes ? JCS_EXT_BGRX : JCS_EXT_BGR;
  jpeg_set_defaults(&c);
  c.dct_method = JDCT_FLOAT;
  jpeg_set_quality(&c, job.settings->CompressionQuality, TRUE);
  if (job.settings->Grayscale) jpeg_set_colorspace(&c, JCS_GRAYSCALE);
  if (job.settings->ProgressiveEncoding) jpeg_simple_progression(&c);
  if (job.progress.progress_monitor) c.progress = &job.progress;
  jpeg_start_compress(&c, TRUE);
  // One band of rows per call, so that progress is reported as it goes.
  const JDIMENSION band = static_cast<JDIMENSION>(c.max_v_samp_factor * DCTSIZE);
  while (c.next_scanline < c.image_height)
    jpeg_write_scanlines(&c, job.rows.data() + c.next_scanline, std::min(band, c.image_height - c.next_scanline));
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return 0;
}

// Frees the library's output buffer on every exit.
struct TOutputBuffer {
  unsigned char*& buffer;
  ~TOutputBuffer() { std::free(buffer); }
};

}  // namespace

TJpegInfo ReadJpegHeader(const QByteArray& data) {
  TDecodeJob job(data, doHeaderOnly);
  if (RunDecode(job) != 0) Fail(job);
  job.info.Orientation = job.orientation;
  return job.info;
}

bool JpegDecodesToPalette(const TJpegInfo& header, const TJPEGSettings& settings) {
  return settings.PixelFormat == jf8Bit || settings.Grayscale || header.Grayscale;
}

bool DecodeJpeg(const QByteArray& data, const TJPEGSettings& settings, TBitmap& bitmap,
                const TJpegProgressHook& progress) {
  TDecodeJob job(data, doBitmapRows, &settings, &progress);
  const bool failed = RunDecode(job) != 0;
  if (job.sized) {
    // The library writes whole rows of pixels: what it never reached, and
    // the padding, is cleared here rather than all rows beforehand (a
    // turned picture started cleared).
    TDib& dib = job.dib;
    if (job.bandRows.empty()) {
      for (auto y = static_cast<int32_t>(job.rowsDone); y < dib.Height; ++y)
        std::memset(dib.Row(y), 0, static_cast<size_t>(dib.Stride()));
      dib.ClearPadding(0, static_cast<int32_t>(job.rowsDone));
    }
    if (job.quantized) {
      auto palette = std::make_shared<TLogPalette>();
      palette->Entries = dib.ColorTable;
      bitmap.SetPalette(std::move(palette));
    }
    bitmap.AssignDib(std::move(dib));
  }
  if (failed) Fail(job);
  return job.quantized;
}

TSurface DecodeJpegToSurface(const QByteArray& data, const TJPEGSettings& settings, const TJpegProgressHook& progress) {
  TDecodeJob job(data, doDisplayPixels, &settings, &progress);
  if (RunDecode(job) != 0) Fail(job);
  return std::move(job.surface);
}

QByteArray EncodeJpeg(const TBitmap& bitmap, const TJPEGSettings& settings, const TJpegProgressHook& progress) {
  TEncodeJob job;
  Prepare(job, *reinterpret_cast<jpeg_common_struct*>(&job.cinfo), &progress);
  TOutputBuffer output{job.buffer};
  job.settings = &settings;
  job.width = bitmap.Width();
  job.height = bitmap.Height();
  job.fourBytes = bitmap.PixelFormat() != pf24bit;
  job.rows.resize(static_cast<size_t>(job.height));
  // Rows as the bitmap holds them: no copy, no channel swapping.
  const TSurface* display = job.fourBytes ? &bitmap.Surface() : nullptr;
  for (int32_t y = 0; y < job.height; ++y)
    job.rows[static_cast<size_t>(y)] = const_cast<JSAMPROW>(
        display ? reinterpret_cast<const JSAMPLE*>(display->Row(y)) : bitmap.ScanLine(y));
  if (RunEncode(job) != 0) Fail(job);
  return QByteArray(reinterpret_cast<const char*>(job.buffer), static_cast<qsizetype>(job.size));
}
