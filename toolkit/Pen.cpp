#include "toolkit/Pen.h"

#include "toolkit/Store.h"

void TPen::SetColor(TColor color) {
  if (Store(color_, color)) Changed();
}

void TPen::SetWidth(int32_t width) {
  if (Store(width_, width)) Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (Store(style_, style)) Changed();
}

void TPen::Assign(const TPen& source) {
  if (&source == this) return;
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  Changed();
}

void TPen::Changed() {
  if (OnChange) OnChange();
}
