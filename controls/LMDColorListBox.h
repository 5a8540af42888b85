#pragma once
#include "controls/LMDCustomColorListBox.h"

// The colour list box the control panel places, with the height of its
// items (16 pixels at first).
class TLMDColorListBox : public TLMDCustomColorListBox {
 public:
  TLMDColorListBox(QWidget* parent, TLMDColorCBOptions options);

  int32_t ItemHeight() const override { return itemHeight_; }
  void SetItemHeight(int32_t height);

 private:
  int32_t itemHeight_ = 16;
};
