#include "toolkit/windowless/LMDBaseGraphicControl.h"

TLMDBaseGraphicControl::TLMDBaseGraphicControl() {
  SetControlStyle(ControlStyle() & ~ControlStyleBit(csOpaque));
  SetBounds(Left(), Top(), 30, 30);
}

void TLMDBaseGraphicControl::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  if (transparent) SetControlStyle(ControlStyle() & ~ControlStyleBit(csOpaque));
  else SetControlStyle(ControlStyle() | ControlStyleBit(csOpaque));
  TransparentChanged();
}

void TLMDBaseGraphicControl::RepaintControl() {
  if (transparent_) Invalidate();
  else Repaint();
}
