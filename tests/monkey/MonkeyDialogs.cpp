#include "monkey/MonkeyDialogs.h"

bool TMonkeyDialogs::ExecuteColorDialog(QWidget*, TColorDialogRequest& request) {
  if (random_() % 3 == 0) return false;
  request.Color = static_cast<TColor>(random_() & 0xFFFFFF);
  request.CustomColors[random_() % request.CustomColors.size()] = static_cast<TColor>(random_() & 0xFFFFFF);
  return true;
}

QString TMonkeyDialogs::ExecuteOpenPictureDialog(QWidget*, const QString&) {
  const size_t choice = random_() % (pictures_.size() + 1);
  return choice == 0 ? QString() : pictures_[static_cast<qsizetype>(choice - 1)];
}
