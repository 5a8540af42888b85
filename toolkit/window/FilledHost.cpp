#include "toolkit/window/FilledHost.h"

#include "toolkit/windowless/Control.h"

TFilledHost::TFilledHost(QWidget* parent, TGraphicControl& control) : THostWidget(parent), control_(control) {
  control_.SetParent(this);
}

void TFilledHost::resizeEvent(QResizeEvent* event) {
  THostWidget::resizeEvent(event);
  control_.SetBounds(0, 0, width(), height());
}
