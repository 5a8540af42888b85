#pragma once
#include "toolkit/window/HostWidget.h"

class TGraphicControl;

// A host whose one windowless control always covers its whole client area,
// however the host is sized: a hatched background behind a box's children.
class TFilledHost : public THostWidget {
 public:
  TFilledHost(QWidget* parent, TGraphicControl& control);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TGraphicControl& control_;
};
