#pragma once
#include <QString>
#include <QStringList>
#include <random>

#include "toolkit/window/Dialogs.h"

// Answers every dialog by a seeded choice: OK or Cancel, a colour and
// custom colours, a picture of the world's; keeps the error messages the
// program shows for the invariants to look at.
class TMonkeyDialogs : public TDialogs {
 public:
  TMonkeyDialogs(std::mt19937& random, QStringList pictures) : random_(random), pictures_(std::move(pictures)) {}

  void ShowMessage(QWidget*, const QString& text, const QString&, TMessageKind kind) override {
    if (kind == mkError) Errors << text;
  }
  bool ExecuteColorDialog(QWidget*, TColorDialogRequest& request) override;
  QString ExecuteOpenPictureDialog(QWidget*, const QString&) override;

  QStringList Errors;

 private:
  std::mt19937& random_;
  const QStringList pictures_;
};
