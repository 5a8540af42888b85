#include "toolkit/windowless/LMDControl.h"

void TLMDControl::CMMouseEnter() {
  TGraphicControl::CMMouseEnter();
  if (Enabled() && OnMouseEnter) OnMouseEnter(this);
}

void TLMDControl::CMMouseLeave() {
  TGraphicControl::CMMouseLeave();
  if (Enabled() && OnMouseExit) OnMouseExit(this);
}
