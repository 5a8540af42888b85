#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>

#include "toolkit/Colors.h"
#include "toolkit/Surface.h"

// "0xRRGGBB" for readable pixel failures.
inline std::string PixelText(QRgb pixel) {
  return QStringLiteral("0x%1").arg(pixel & 0xFFFFFF, 6, 16, QLatin1Char('0')).toStdString();
}

// The surface pixel at (x, y) is exactly the colour.
inline ::testing::AssertionResult PixelIs(const TSurface& surface, int x, int y, TColor color) {
  const QRgb want = ColorToPixel(color);
  const QRgb got = surface.Pixel(x, y) | 0xFF000000u;
  if (got == want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << PixelText(got) << ", expected "
                                       << PixelText(want);
}

// The surface holding Image's pixels (converted to RGB32).
inline TSurface SurfaceOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  TSurface surface(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y)
    std::copy_n(reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), rgb.width(), surface.Row(y));
  return surface;
}

// A new surface filled with one colour.
inline TSurface FilledSurface(int width, int height, TColor color) {
  TSurface surface(width, height);
  surface.Image().fill(ColorToPixel(color));
  return surface;
}

// The smallest rectangle holding the pixels that differ from Ground.
inline TRect InkBox(const TSurface& surface, TColor ground = clWhite) {
  const QRgb g = ColorToPixel(ground);
  TRect box;
  for (int32_t y = 0; y < surface.Height(); ++y)
    for (int32_t x = 0; x < surface.Width(); ++x)
      if ((surface.Pixel(x, y) | 0xFF000000u) != g) box = box.Union({x, y, x + 1, y + 1});
  return box;
}

// The two surfaces hold the same pixels inside Rect.
inline ::testing::AssertionResult SameArea(const TSurface& got, const TSurface& want, const TRect& rect) {
  for (int32_t y = rect.Top; y < rect.Bottom; ++y)
    for (int32_t x = rect.Left; x < rect.Right; ++x)
      if ((got.Pixel(x, y) | 0xFF000000u) != (want.Pixel(x, y) | 0xFF000000u))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << PixelText(got.Pixel(x, y))
                                             << ", expected " << PixelText(want.Pixel(x, y));
  return ::testing::AssertionSuccess();
}

// The two surfaces have the same size and the same pixels, unused byte
// included.
inline ::testing::AssertionResult SameSurface(const TSurface& got, const TSurface& want) {
  if (got.Width() != want.Width() || got.Height() != want.Height())
    return ::testing::AssertionFailure() << "size " << got.Width() << " x " << got.Height() << ", expected "
                                         << want.Width() << " x " << want.Height();
  int differing = 0;
  int firstX = -1, firstY = -1;
  for (int32_t y = 0; y < got.Height(); ++y)
    for (int32_t x = 0; x < got.Width(); ++x)
      if (got.Pixel(x, y) != want.Pixel(x, y) && differing++ == 0) firstX = x, firstY = y;
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " pixels differ, first at (" << firstX << ", " << firstY
                                       << "): " << std::hex << got.Pixel(firstX, firstY) << " instead of "
                                       << want.Pixel(firstX, firstY);
}
