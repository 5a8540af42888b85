#pragma once
#include "controls/LMDCustomColorComboBox.h"

// The colour combo box the control panel places; DropDownCount is how many
// items its open list shows.
class TLMDColorComboBox : public TLMDCustomColorComboBox {
 public:
  explicit TLMDColorComboBox(QWidget* parent = nullptr);

  void SetDropDownCount(int32_t count) { setMaxVisibleItems(count); }
};
