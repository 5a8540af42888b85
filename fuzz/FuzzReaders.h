#pragma once
// What the reader fuzzers do with one input, shared with the regression
// test that replays the inputs kept under tests/data/fuzz/. A reader may
// refuse the bytes with one of our exceptions; anything else (a crash, a
// sanitizer report, a foreign exception, a written file that does not read
// back) is a fault.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include <webp/decode.h>

#include "pictures/Bitmap.h"
#include "pictures/ExifThumbnail.h"
#include "pictures/HeifImage.h"
#include "pictures/Jpeg.h"
#include "pictures/JpegCodec.h"
#include "pictures/JpegPatch.h"
#include "pictures/PngCodec.h"
#include "pictures/PngImage.h"
#include "pictures/WebPImage.h"
#include "toolkit/Exceptions.h"

namespace fuzz {

// Pictures above this are read but not converted or decoded further, so
// that a run spends its time on parsing rather than on filling memory.
constexpr int64_t kFullWorkPixels = int64_t(1) << 22;

inline bool Small(const TGraphic& graphic) {
  return static_cast<int64_t>(graphic.Width()) * graphic.Height() <= kFullWorkPixels;
}

inline void ExerciseBmpReader(const uint8_t* data, size_t size) {
  TBitmap bitmap;
  try {
    bitmap.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  } catch (const Exception&) {
    return;
  }
  if (!Small(bitmap)) return;
  bitmap.Surface();
  // What we write, we read back.
  TBitmap again;
  try {
    again.LoadFromBytes(bitmap.SaveToBytes());
  } catch (const Exception&) {
    std::abort();
  }
  if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height()) std::abort();
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The header, the EXIF orientation, and for a small picture the decoding
// into a bitmap and a reduced one into display pixels, both turned upright.
inline void ExerciseJpegReader(const uint8_t* data, size_t size) {
  TJPEGImage jpeg;
  try {
    jpeg.LoadFromBytes(Bytes(data, size));
  } catch (const Exception&) {
    return;
  }
  if (!Small(jpeg)) return;
  TJPEGImage reduced;
  reduced.Assign(jpeg);
  try {
    jpeg.DIBNeeded();
  } catch (const Exception&) {
  }
  try {
    reduced.PixelsCovering({reduced.Width() / 4, reduced.Height() / 4});
  } catch (const Exception&) {
  }
}

// Loading decodes these kinds whole: pictures claiming more than the work
// limit are left out by their header, which the readers' own size checks
// come before.
inline bool SmallPngHeader(const uint8_t* data, size_t size) {
  if (size < 24) return true;
  const auto be32 = [data](size_t at) {
    return static_cast<int64_t>(data[at]) << 24 | data[at + 1] << 16 | data[at + 2] << 8 | data[at + 3];
  };
  // Each side may be up to 2^32 - 1: the product is compared by division.
  const int64_t width = be32(16);
  return width == 0 || be32(20) <= kFullWorkPixels / width;
}

inline bool SmallWebPHeader(const uint8_t* data, size_t size) {
  int width = 0, height = 0;
  return !WebPGetInfo(data, size, &width, &height) || static_cast<int64_t>(width) * height <= kFullWorkPixels;
}

// A PNG that decodes is written again and reads back to the same pixels.
inline void ExercisePngReader(const uint8_t* data, size_t size) {
  if (!SmallPngHeader(data, size)) return;
  TPNGImage png;
  try {
    png.LoadFromBytes(Bytes(data, size));
  } catch (const Exception&) {
    return;
  }
  if (png.Empty()) return;
  const TSurface& pixels = png.Bitmap().Surface();
  TSurface again;
  try {
    again = DecodePng(EncodePng(pixels));
  } catch (const Exception&) {
    std::abort();
  }
  if (again.Width() != pixels.Width() || again.Height() != pixels.Height()) std::abort();
  for (int32_t y = 0; y < pixels.Height(); ++y)
    for (int32_t x = 0; x < pixels.Width(); ++x)
      if (again.Pixel(x, y) != pixels.Pixel(x, y)) std::abort();
}

inline void ExerciseHeifReader(const uint8_t* data, size_t size) {
  THEIFImage heif;
  try {
    heif.LoadFromBytes(Bytes(data, size));
  } catch (const Exception&) {
  }
}

inline void ExerciseWebPReader(const uint8_t* data, size_t size) {
  if (!SmallWebPHeader(data, size)) return;
  TWebPImage webp;
  try {
    webp.LoadFromBytes(Bytes(data, size));
  } catch (const Exception&) {
  }
}

// A JPEG changed in place, as --keep-jpeg changes it: what is written reads
// back at the source's size. The bytes also go through the Exif thumbnail
// remover as an Exif block.
inline void ExerciseJpegPatcher(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  DropExifThumbnail(QByteArray("Exif\0\0", 6) + bytes);
  QByteArray patched;
  TJpegInfo header;
  try {
    header = ReadJpegHeader(bytes);
    if (int64_t(header.Width) * header.Height > kFullWorkPixels) return;
    TJpegPatcher patcher(bytes);
    if (patcher.Refusal() != jpNone) return;
    patched = patcher.Patch({3, 5, 40, 21}, [](TSurface& pixels, TPoint) { pixels.Image().fill(0xFF20A040u); });
  } catch (const Exception&) {
    return;
  }
  try {
    const TJpegInfo again = ReadJpegHeader(patched);
    if (again.Width != header.Width || again.Height != header.Height || again.Progressive) std::abort();
    DecodeJpegToSurface(patched, JPEGDefaults(), {});
  } catch (const Exception&) {
    std::abort();
  }
}

}  // namespace fuzz
