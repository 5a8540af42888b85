#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "toolkit/window/Dialogs.h"

// Stands in for the dialogs while it lives: the colour dialog keeps what
// each opening was given and answers through Answer (Cancel unless set);
// any other dialog fails the test.
class TColorDialogAnswer : public TDialogs {
 public:
  TColorDialogAnswer() : override_(*this) {}

  std::function<bool(TColorDialogRequest& request)> Answer;
  std::vector<TColorDialogRequest> Requests;
  std::vector<QWidget*> Parents;

  void ShowMessage(QWidget*, const QString& text, const QString&, TMessageKind) override {
    ADD_FAILURE() << "message box: " << text.toStdString();
  }
  bool ExecuteColorDialog(QWidget* parent, TColorDialogRequest& request) override {
    Requests.push_back(request);
    Parents.push_back(parent);
    return Answer && Answer(request);
  }
  QString ExecuteOpenPictureDialog(QWidget*, const QString&) override {
    ADD_FAILURE() << "picture dialog";
    return QString();
  }

 private:
  TDialogsOverride override_;
};

// A confirmed dialog: Color chosen, custom slots 0, 1 … set to Custom, the
// others unused.
inline std::function<bool(TColorDialogRequest&)> ConfirmWith(TColor color, std::vector<TColor> custom = {}) {
  return [color, custom](TColorDialogRequest& request) {
    request.Color = color;
    request.CustomColors.fill(-1);
    for (size_t slot = 0; slot < custom.size(); ++slot) request.CustomColors[slot] = custom[slot];
    return true;
  };
}
