// Every libjpeg call sits in a Run* function whose locals have no
// destructors; the C++ side (the painter, the markers, the exceptions) runs
// between them. The source's decompressor lives through all of them: its
// coefficient arrays are what the last step writes.
#include "pictures/JpegPatch.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include <jerror.h>

#include "pictures/DibFormat.h"
#include "pictures/ExifThumbnail.h"
#include "pictures/JpegCodec.h"
#include "pictures/JpegErrors.h"
#include "toolkit/Exceptions.h"

// The source, read as coefficients; its bytes stay while the library may
// read them.
struct TJpegSource {
  QByteArray data;
  TJpegErrorManager error{};
  jpeg_decompress_struct cinfo{};
  bool created = false;
  TJpegPatchRefusal refusal = jpNone;
  jvirt_barray_ptr* blocks = nullptr;
  ~TJpegSource() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

namespace {

constexpr int kExif = JPEG_APP0 + 1;
constexpr int kIccProfile = JPEG_APP0 + 2;

using TSource = TJpegSource;

// A compressor writing into memory that the library allocates.
struct TOutput {
  TJpegErrorManager error{};
  jpeg_compress_struct cinfo{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  ~TOutput() { std::free(buffer); }
  QByteArray Bytes() const { return QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size)); }
};

// A marker to write: its code and its body.
struct TMarker {
  int code;
  QByteArray body;
};

// One component's array of 8 x 8 blocks, and the decompressor or
// compressor whose memory manager serves it.
struct TBlockArray {
  j_common_ptr owner;
  jvirt_barray_ptr array;
  JDIMENSION width;
  JDIMENSION height;
};

JDIMENSION DivideUp(JDIMENSION a, JDIMENSION b) { return (a + b - 1) / b; }

// The blocks across and down that the library keeps for a component of a
// picture Width x Height: whole MCUs' worth of the blocks it needs.
JDIMENSION BlocksAcross(const jpeg_component_info& comp, int maxH, JDIMENSION width) {
  const JDIMENSION needed = DivideUp(width * JDIMENSION(comp.h_samp_factor), JDIMENSION(maxH * DCTSIZE));
  return DivideUp(needed, JDIMENSION(comp.h_samp_factor)) * JDIMENSION(comp.h_samp_factor);
}
JDIMENSION BlocksDown(const jpeg_component_info& comp, int maxV, JDIMENSION height) {
  const JDIMENSION needed = DivideUp(height * JDIMENSION(comp.v_samp_factor), JDIMENSION(maxV * DCTSIZE));
  return DivideUp(needed, JDIMENSION(comp.v_samp_factor)) * JDIMENSION(comp.v_samp_factor);
}

TBlockArray SourceArray(TSource& s, int ci) {
  const jpeg_decompress_struct& c = s.cinfo;
  const jpeg_component_info& comp = c.comp_info[ci];
  return {reinterpret_cast<j_common_ptr>(&s.cinfo), s.blocks[ci],
          BlocksAcross(comp, c.max_h_samp_factor, c.image_width),
          BlocksDown(comp, c.max_v_samp_factor, c.image_height)};
}

// Copies the blocks of Count (in blocks) from From at FromAt to To at ToAt,
// as far as both arrays reach. Every row of To from ToAt.Y on is written in
// order, as the library's arrays require of a writer.
void CopyBlocks(const TBlockArray& from, TPoint fromAt, const TBlockArray& to, TPoint toAt, TSize count) {
  const auto fx = JDIMENSION(fromAt.X), fy = JDIMENSION(fromAt.Y), tx = JDIMENSION(toAt.X), ty = JDIMENSION(toAt.Y);
  const JDIMENSION across =
      std::min({JDIMENSION(count.cx), from.width - std::min(from.width, fx), to.width - std::min(to.width, tx)});
  const JDIMENSION down =
      std::min({JDIMENSION(count.cy), from.height - std::min(from.height, fy), to.height - std::min(to.height, ty)});
  for (JDIMENSION row = 0; row < down; ++row) {
    JBLOCKROW source = from.owner->mem->access_virt_barray(from.owner, from.array, fy + row, 1, FALSE)[0];
    JBLOCKROW target = to.owner->mem->access_virt_barray(to.owner, to.array, ty + row, 1, TRUE)[0];
    std::memcpy(target + tx, source + fx, across * sizeof(JBLOCK));
  }
}

TJpegPatchRefusal RefusalOf(const jpeg_decompress_struct& c) {
  switch (c.jpeg_color_space) {
    case JCS_YCbCr:
      if (c.num_components != 3) return jpColorSpace;
      break;
    case JCS_GRAYSCALE:
      return jpGrayscale;
    case JCS_CMYK:
    case JCS_YCCK:
      return jpCmyk;
    default:
      return jpColorSpace;
  }
  return c.progressive_mode ? jpProgressive : jpNone;
}

int RunReadSource(TSource& s) {
  jpeg_decompress_struct& c = s.cinfo;
  if (setjmp(s.error.jump)) return 1;
  jpeg_create_decompress(&c);
  s.created = true;
  jpeg_mem_src(&c, reinterpret_cast<const unsigned char*>(s.data.constData()),
               static_cast<unsigned long>(s.data.size()));
  jpeg_save_markers(&c, kExif, 0xFFFF);
  jpeg_save_markers(&c, kIccProfile, 0xFFFF);
  jpeg_read_header(&c, TRUE);
  if (!PictureSizeAllowed(c.image_width, c.image_height)) ERREXIT1(&c, JERR_IMAGE_TOO_BIG, JPEG_MAX_DIMENSION);
  s.refusal = RefusalOf(c);
  if (s.refusal == jpNone) s.blocks = jpeg_read_coefficients(&c);
  return 0;
}

// A compressor with the source's colour space, sampling and quantisation,
// for a picture Width x Height, writing into Out's memory.
void StartLike(TOutput& out, TSource& s, JDIMENSION width, JDIMENSION height) {
  jpeg_create_compress(&out.cinfo);
  jpeg_mem_dest(&out.cinfo, &out.buffer, &out.size);
  jpeg_copy_critical_parameters(&s.cinfo, &out.cinfo);
  out.cinfo.image_width = width;
  out.cinfo.image_height = height;
}

// The MCUs of Mcus (a rectangle in MCU units), copied into a JPEG of their
// own of Pixels' size.
int RunExtract(TOutput& out, TSource& s, const TRect& mcus, const TRect& pixels) {
  jpeg_compress_struct& c = out.cinfo;
  if (setjmp(out.error.jump)) {
    jpeg_destroy_compress(&c);
    return 1;
  }
  StartLike(out, s, JDIMENSION(pixels.Width()), JDIMENSION(pixels.Height()));
  jvirt_barray_ptr arrays[MAX_COMPONENTS];
  const int maxH = s.cinfo.max_h_samp_factor, maxV = s.cinfo.max_v_samp_factor;
  for (int ci = 0; ci < c.num_components; ++ci) {
    const jpeg_component_info& comp = c.comp_info[ci];
    arrays[ci] = c.mem->request_virt_barray(reinterpret_cast<j_common_ptr>(&c), JPOOL_IMAGE, TRUE,
                                            BlocksAcross(comp, maxH, c.image_width),
                                            BlocksDown(comp, maxV, c.image_height), JDIMENSION(comp.v_samp_factor));
  }
  c.mem->realize_virt_arrays(reinterpret_cast<j_common_ptr>(&c));
  for (int ci = 0; ci < c.num_components; ++ci) {
    const jpeg_component_info& comp = c.comp_info[ci];
    const TBlockArray to{reinterpret_cast<j_common_ptr>(&c), arrays[ci], BlocksAcross(comp, maxH, c.image_width),
                         BlocksDown(comp, maxV, c.image_height)};
    CopyBlocks(SourceArray(s, ci), {mcus.Left * comp.h_samp_factor, mcus.Top * comp.v_samp_factor}, to, {},
               {int32_t(to.width), int32_t(to.height)});
  }
  jpeg_write_coefficients(&c, arrays);
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return 0;
}

// Pixels encoded as the source would encode them.
int RunEncode(TOutput& out, TSource& s, TSurface& pixels) {
  jpeg_compress_struct& c = out.cinfo;
  if (setjmp(out.error.jump)) {
    jpeg_destroy_compress(&c);
    return 1;
  }
  StartLike(out, s, JDIMENSION(pixels.Width()), JDIMENSION(pixels.Height()));
  c.input_components = 4;
  c.in_color_space = JCS_EXT_BGRX;
  c.dct_method = JDCT_FLOAT;
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels.Row(int32_t(c.next_scanline)));
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return 0;
}

// A decompressor of a patch.
struct TInput {
  TJpegErrorManager error{};
  jpeg_decompress_struct cinfo{};
};

// The coefficients of the MCUs Touched of the patch Encoded, whose MCU
// (0, 0) is the source's MCU Origin, put in place of the source's.
int RunPaste(TInput& in, TSource& s, const QByteArray& encoded, const TRect& touched, TPoint origin) {
  jpeg_decompress_struct& c = in.cinfo;
  if (setjmp(in.error.jump)) {
    jpeg_destroy_decompress(&c);
    return 1;
  }
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, reinterpret_cast<const unsigned char*>(encoded.constData()),
               static_cast<unsigned long>(encoded.size()));
  jpeg_read_header(&c, TRUE);
  jvirt_barray_ptr* arrays = jpeg_read_coefficients(&c);
  for (int ci = 0; ci < c.num_components; ++ci) {
    const jpeg_component_info& comp = c.comp_info[ci];
    const int h = comp.h_samp_factor, v = comp.v_samp_factor;
    const TBlockArray from{reinterpret_cast<j_common_ptr>(&c), arrays[ci],
                           BlocksAcross(comp, c.max_h_samp_factor, c.image_width),
                           BlocksDown(comp, c.max_v_samp_factor, c.image_height)};
    CopyBlocks(from, {touched.Left * h, touched.Top * v}, SourceArray(s, ci),
               {(origin.X + touched.Left) * h, (origin.Y + touched.Top) * v},
               {touched.Width() * h, touched.Height() * v});
  }
  jpeg_destroy_decompress(&c);
  return 0;
}

int RunWrite(TOutput& out, TSource& s, const std::vector<TMarker>& markers) {
  jpeg_compress_struct& c = out.cinfo;
  if (setjmp(out.error.jump)) {
    jpeg_destroy_compress(&c);
    return 1;
  }
  StartLike(out, s, s.cinfo.image_width, s.cinfo.image_height);
  // Neither is copied with the critical parameters.
  c.restart_interval = s.cinfo.restart_interval;
  c.arith_code = FALSE;
  c.optimize_coding = FALSE;
  jpeg_write_coefficients(&c, s.blocks);
  for (const TMarker& marker : markers)
    jpeg_write_marker(&c, marker.code, reinterpret_cast<const JOCTET*>(marker.body.constData()),
                      static_cast<unsigned int>(marker.body.size()));
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return 0;
}

// The markers the result keeps, in the source's order.
std::vector<TMarker> KeptMarkers(const jpeg_decompress_struct& c) {
  std::vector<TMarker> kept;
  for (jpeg_saved_marker_ptr m = c.marker_list; m; m = m->next) {
    const QByteArray body(reinterpret_cast<const char*>(m->data), static_cast<qsizetype>(m->data_length));
    if (m->marker == kExif && body.startsWith(QByteArray("Exif\0\0", 6)))
      kept.push_back({kExif, DropExifThumbnail(body)});
    else if (m->marker == kIccProfile && body.startsWith(QByteArray("ICC_PROFILE\0", 12)))
      kept.push_back({kIccProfile, body});
  }
  return kept;
}

[[noreturn]] void Fail(const TJpegErrorManager& error) { throw EJPEG(error.pub.msg_code); }

}  // namespace

TJpegPatcher::TJpegPatcher(const QByteArray& source) : source_(std::make_unique<TSource>()) {
  TSource& s = *source_;
  s.data = source;
  InstallJpegErrors(*reinterpret_cast<jpeg_common_struct*>(&s.cinfo), s.error);
  if (RunReadSource(s) != 0) Fail(s.error);
}

TJpegPatcher::~TJpegPatcher() = default;

TJpegPatchRefusal TJpegPatcher::Refusal() const { return source_->refusal; }

QByteArray TJpegPatcher::Patch(const TRect& area, const TJpegPatchPainter& paint) {
  TSource& s = *source_;
  const auto width = int32_t(s.cinfo.image_width), height = int32_t(s.cinfo.image_height);
  const int32_t mcuWidth = s.cinfo.max_h_samp_factor * DCTSIZE, mcuHeight = s.cinfo.max_v_samp_factor * DCTSIZE;
  const TRect painted = area.Intersect({0, 0, width, height});
  if (!painted.IsEmpty()) {
    // The touched MCUs, and the patch: one MCU more on every side.
    const TRect touched{painted.Left / mcuWidth, painted.Top / mcuHeight, (painted.Right + mcuWidth - 1) / mcuWidth,
                        (painted.Bottom + mcuHeight - 1) / mcuHeight};
    const TRect mcus = TRect{touched.Left - 1, touched.Top - 1, touched.Right + 1, touched.Bottom + 1}.Intersect(
        {0, 0, (width + mcuWidth - 1) / mcuWidth, (height + mcuHeight - 1) / mcuHeight});
    const TRect pixels =
        TRect{mcus.Left * mcuWidth, mcus.Top * mcuHeight, mcus.Right * mcuWidth, mcus.Bottom * mcuHeight}.Intersect(
            {0, 0, width, height});
    QByteArray patch;
    {
      TOutput extract;
      InstallJpegErrors(*reinterpret_cast<jpeg_common_struct*>(&extract.cinfo), extract.error);
      if (RunExtract(extract, s, mcus, pixels) != 0) Fail(extract.error);
      patch = extract.Bytes();
    }
    TSurface decoded = DecodeJpegToSurface(patch, JPEGDefaults(), {});
    paint(decoded, {pixels.Left, pixels.Top});
    TOutput encoded;
    InstallJpegErrors(*reinterpret_cast<jpeg_common_struct*>(&encoded.cinfo), encoded.error);
    if (RunEncode(encoded, s, decoded) != 0) Fail(encoded.error);
    TInput in;
    InstallJpegErrors(*reinterpret_cast<jpeg_common_struct*>(&in.cinfo), in.error);
    if (RunPaste(in, s, encoded.Bytes(), touched.Offset(-mcus.Left, -mcus.Top), {mcus.Left, mcus.Top}) != 0)
      Fail(in.error);
  }
  const std::vector<TMarker> markers = KeptMarkers(s.cinfo);
  TOutput out;
  InstallJpegErrors(*reinterpret_cast<jpeg_common_struct*>(&out.cinfo), out.error);
  if (RunWrite(out, s, markers) != 0) Fail(out.error);
  return out.Bytes();
}
