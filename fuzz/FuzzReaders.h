#pragma once
// What the reader fuzzers do with one input, shared with the regression
// test that replays the inputs kept under tests/data/fuzz/. A reader may
// refuse the bytes with one of our exceptions; anything else (a crash, a
// sanitizer report, a foreign exception, a written file that does not read
// back) is a fault.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "pictures/Bitmap.h"
#include "pictures/ExifThumbnail.h"
#include "pictures/Jpeg.h"
#include "pictures/JpegCodec.h"
#include "pictures/JpegPatch.h"
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

inline void ExerciseJpegReader(const uint8_t* data, size_t size) {
  TJPEGImage jpeg;
  try {
    jpeg.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (Small(jpeg)) jpeg.DIBNeeded();
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
