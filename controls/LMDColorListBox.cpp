#include "controls/LMDColorListBox.h"

TLMDColorListBox::TLMDColorListBox(QWidget* parent, TLMDColorCBOptions options)
    : TLMDCustomColorListBox(parent, options) {
  Refill();
}

void TLMDColorListBox::SetItemHeight(int32_t height) {
  if (itemHeight_ == height) return;
  itemHeight_ = height;
  DisplayChanged();
}
