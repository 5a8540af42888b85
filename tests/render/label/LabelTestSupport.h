#pragma once
#include <QString>
#include <memory>

#include "render/caption/LMDLabelFill.h"
#include "support/PixelAssert.h"
#include "toolkit/windowless/HeadlessHost.h"

// Each test file gets its own copy, so that no helper here can clash with
// another file's helper of the same name in the one test program.
namespace {

// A host with a grey background and a label on it, placed at (10, 10).
struct TLabelScene {
  explicit TLabelScene(const QString& caption, int32_t width = 400, int32_t height = 200, TTrueTypeTest test = {})
      : Host(width, height), Label(std::move(test)) {
    Host.SetColor(clGray);
    Label.SetCaption(caption);
    Label.SetLeft(10);
    Label.SetTop(10);
    Label.SetParent(&Host);
  }
  // Repaints everything and returns the host's pixels.
  const TSurface& Render() {
    Host.Invalidate(Host.Surface().Bounds());
    Host.Update();
    return Host.Surface();
  }
  THeadlessHost Host;
  TLMDLabelFill Label;
};


// Counts the pixels of Rect equal to Color.
inline int CountPixels(const TSurface& surface, const TRect& rect, TColor color) {
  const QRgb want = ColorToPixel(color);
  int count = 0;
  for (int32_t y = rect.Top; y < rect.Bottom; ++y)
    for (int32_t x = rect.Left; x < rect.Right; ++x)
      if ((surface.Pixel(x, y) | 0xFF000000u) == want) ++count;
  return count;
}

}  // namespace
