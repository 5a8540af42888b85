#include "toolkit/Alignment.h"

TRect AlignRectInRect(TLMDAlignment alignment, const TRect& sizeRect, const TRect& container) {
  const int32_t w = sizeRect.Width();
  const int32_t h = sizeRect.Height();
  const int32_t row = alignment / 3;
  const int32_t column = alignment % 3;
  const int32_t dy = row == 0 ? 0 : row == 1 ? (container.Height() - h) / 2 : container.Height() - h;
  const int32_t dx = column == 0 ? 0 : column == 1 ? (container.Width() - w) / 2 : container.Width() - w;
  return Bounds(container.Left + dx, container.Top + dy, w, h);
}
