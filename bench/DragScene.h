#pragma once
// The scene the drag benchmarks share: a full-HD background with detail in
// every pixel, as a photo has, and a large extruded caption filled with a
// 17-colour elliptic gradient.
#include "render/caption/LMDLabelFill.h"
#include "render/fill/LMDGradient.h"
#include "toolkit/Surface.h"

inline TSurface Photo(int32_t width, int32_t height) {
  TSurface photo(width, height);
  for (int32_t y = 0; y < height; ++y) {
    QRgb* row = photo.Row(y);
    for (int32_t x = 0; x < width; ++x) row[x] = qRgb(x * 7 & 0xFF, y * 3 & 0xFF, (x ^ y) & 0xFF);
  }
  return photo;
}

// Gives Label the caption and effect of the scene and puts it at (700, 400).
inline void DescribeDragLabel(TLMDLabelFill& label) {
  label.SetCaption(QStringLiteral("Текстъ!"));
  label.Font().SetSize(72);
  label.Font().SetColor(clRed);
  label.FontFX().SetStyle(tdExtrudeEnh);
  label.FontFX().SetShadowDepth(50);
  label.FontFX().SetOrientation(toTopRight);
  TLMDGradient& gradient = label.FillObject().Gradient();
  gradient.ColorList() = {clBlue, clBlack};
  gradient.SetStyle(gstElliptic);
  gradient.SetColorCount(17);
  label.FillObject().SetStyle(sfGradient);
  label.SetBounds(700, 400, label.Width(), label.Height());
}
