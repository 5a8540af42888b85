#include "toolkit/Brush.h"

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // Choosing a colour makes a clear brush paint again.
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  // A style asks for a hatch or solid brush, not a pattern: choosing one
  // drops the pattern even when the style itself stays.
  if (style == style_ && pattern_.IsNull()) return;
  style_ = style;
  pattern_ = TSurface();
  Changed();
}

void TBrush::SetBitmap(const TSurface& pattern) {
  pattern_ = pattern;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  if (&source == this) return;
  color_ = source.color_;
  style_ = source.style_;
  pattern_ = source.pattern_;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange();
}
