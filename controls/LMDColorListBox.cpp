#include "controls/LMDColorListBox.h"

TLMDColorListBox::TLMDColorListBox(QWidget* parent) : TLMDCustomColorListBox(parent) { Refill(); }

void TLMDColorListBox::SetItemHeight(int32_t height) {
  if (itemHeight_ == height) return;
  itemHeight_ = height;
  DisplayChanged();
}
