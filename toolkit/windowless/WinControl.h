#pragma once
#include "toolkit/windowless/Component.h"

// A control with a window of its own, which can take the keyboard focus.
// The window binding implements it on a widget; windowless controls refer
// to one (a label's FocusControl) only through this interface.
class TWinControl : public TComponent {
 public:
  virtual bool CanFocus() const = 0;
  virtual void SetFocus() = 0;
};
