#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "toolkit/window/Dialogs.h"

// Stands in for the dialogs while it lives: the colour dialog keeps what
// each opening was given and answers through Answer (Cancel unless set);
// any other dialog fails the test.
class TColorDialogAnswer : public TDialogs {
 public:
  std::function<bool(TColorDialogRequest& request)> Answer;
  std::vector<TColorDialogRequest> Requests;
  std::vector<QWidget*> Parents;

  void ShowMessage(QWidget*, const QString& text, const QString&, TMessageKind) override {
    ADD_FAILURE() << text.toStdString();
  }
  QString ExecuteOpenPictureDialog(QWidget*, const QString&) override {
    ADD_FAILURE() << "picture dialog";
    return QString();
  }
  bool ExecuteColorDialog(QWidget* parent, TColorDialogRequest& request) override {
    Requests.push_back(request);
    Parents.push_back(parent);
    return Answer && Answer(request);
  }

 private:
  TDialogsOverride override_{*this};
};

// OK on Color, with custom slots 0, 1 … set to Custom and the others unused.
inline std::function<bool(TColorDialogRequest&)> ConfirmWith(TColor color, std::vector<TColor> custom = {}) {
  return [color, custom](TColorDialogRequest& request) {
    request.Color = color;
    request.CustomColors.fill(-1);
    std::copy(custom.begin(), custom.end(), request.CustomColors.begin());
    return true;
  };
}
