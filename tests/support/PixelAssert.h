#pragma once
#include <gtest/gtest.h>

#include <QString>

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

// A new surface filled with one colour.
inline TSurface FilledSurface(int width, int height, TColor color) {
  TSurface surface(width, height);
  surface.Image().fill(ColorToPixel(color));
  return surface;
}
