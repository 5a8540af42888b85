#include "controls/LMDColorComboBox.h"

TLMDColorComboBox::TLMDColorComboBox(QWidget* parent) : TLMDCustomColorComboBox(parent) { SetDropDownCount(8); }
