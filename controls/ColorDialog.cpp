#include "controls/ColorDialog.h"

#include "toolkit/window/Dialogs.h"

bool TColorDialog::Execute(QWidget* parent) {
  TColorDialogRequest request;
  request.Color = ColorToRGB(color_);
  request.CustomColors = customColors_;
  request.FullOpen = (options_ & ColorDialogOptionBit(cdFullOpen)) != 0;
  if (!Dialogs().ExecuteColorDialog(parent, request)) return false;
  color_ = request.Color;
  customColors_ = request.CustomColors;
  return true;
}
