#pragma once
// Pictures with the statistics of a camera's photos, for the benchmarks
// that read and write them: smooth colour fields under sensor-like grain,
// so that a 12-megapixel JPEG at quality 92 with 4:2:0 chroma (libjpeg's
// default sampling) takes about 3.5 MB, as a phone's does; a smooth
// gradient would take a tenth of that and decode much faster.
#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "pictures/Bitmap.h"
#include "pictures/JpegCodec.h"
#include "toolkit/Surface.h"

inline TSurface PhotoLike(int32_t width, int32_t height) {
  TSurface photo = TSurface::Uncleared(width, height);
  uint32_t noise = 0x9E3779B9u;
  const double scale = 4000.0 / width;  // the same fields whatever the size
  for (int32_t y = 0; y < height; ++y) {
    QRgb* row = photo.Row(y);
    const double fy = y * scale;
    for (int32_t x = 0; x < width; ++x) {
      const double fx = x * scale;
      noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
      const int grain = static_cast<int>(noise % 19) - 9;
      const int r = static_cast<int>(120 + 90 * std::sin(fx * 0.0031) * std::cos(fy * 0.0023)) + grain;
      const int g = static_cast<int>(130 + 80 * std::sin((fx + fy) * 0.0042)) + grain;
      const int b = static_cast<int>(110 + 70 * std::cos(fx * 0.0109 - fy * 0.0071)) + (grain >> 1);
      row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
    }
  }
  return photo;
}

// The photo as a phone's JPEG: quality 92, baseline, 4:2:0.
inline QByteArray PhotoLikeJpeg(int32_t width, int32_t height) {
  TJPEGSettings settings = JPEGDefaults();
  settings.CompressionQuality = 92;
  return EncodeJpeg(TBitmap(PhotoLike(width, height)), settings, {});
}
