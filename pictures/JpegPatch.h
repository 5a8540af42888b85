#pragma once
#include <QByteArray>
#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

// What keeps a JPEG from being changed in place, block by block.
enum TJpegPatchRefusal : uint8_t {
  jpNone,        // nothing: it can be
  jpGrayscale,   // one component
  jpCmyk,        // four components (CMYK or YCCK)
  jpColorSpace,  // colour components other than YCbCr
  jpProgressive  // progressive scans, which cost more to rewrite than to encode anew
};

// Paints on Pixels, the decoded piece of a picture whose top-left corner
// lies at Origin in the picture.
using TJpegPatchPainter = std::function<void(TSurface& pixels, TPoint origin)>;

struct TJpegSource;

// A JPEG to be changed in place: the pixels of an area (in picture
// coordinates; what lies outside the picture is ignored) of a sequential
// colour JPEG are changed through a painter, without decoding and encoding
// the rest of the picture:
// - the source's DCT coefficients are read, and a small JPEG is made of the
//   MCUs that the area touches with one MCU of margin around them, so that
//   its decoded pixels in the touched MCUs equal those of the whole
//   picture's decoding (TJPEGImage's, with the default settings);
// - the painter gets those pixels and their origin (MCU-aligned, so a
//   pattern aligned to the picture's origin stays aligned);
// - they are encoded with the source's quantisation tables and sampling,
//   and the coefficients of the touched MCUs replace the source's;
// - the result is written as one baseline scan with standard Huffman
//   tables and the source's sampling, quantisation and restart interval,
//   with the library's own JFIF marker, the source's Exif block without
//   its thumbnail, and its ICC profile; other markers are dropped.
// Every 8 x 8 block outside the touched MCUs keeps the source's exact
// coefficients. Errors of the library are EJPEG ("JPEG error #%d"); an
// error of the painter passes through.
class TJpegPatcher {
 public:
  // Reads the header and, unless the JPEG is refused, the coefficients.
  explicit TJpegPatcher(const QByteArray& source);
  ~TJpegPatcher();
  TJpegPatcher(const TJpegPatcher&) = delete;
  TJpegPatcher& operator=(const TJpegPatcher&) = delete;

  // What keeps this JPEG from being changed in place, or jpNone.
  TJpegPatchRefusal Refusal() const;
  // The JPEG with Area changed by Paint. Once only, and not when refused.
  QByteArray Patch(const TRect& area, const TJpegPatchPainter& paint);

 private:
  std::unique_ptr<TJpegSource> source_;
};
