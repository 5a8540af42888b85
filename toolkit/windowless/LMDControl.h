#pragma once
#include "toolkit/windowless/Control.h"

// A windowless control that reports the mouse entering and leaving it,
// only while it is enabled.
class TLMDControl : public TGraphicControl {
 public:
  QString ClassName() const override { return QStringLiteral("TLMDControl"); }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

 protected:
  void CMMouseEnter() override;
  void CMMouseLeave() override;
};
