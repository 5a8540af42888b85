#pragma once
#include "toolkit/window/Dialogs.h"

// The dialogs as the user sees them: QMessageBox, QColorDialog, QFileDialog.
class TPlatformDialogs : public TDialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text, const QString& caption, TMessageKind kind) override;
  bool ExecuteColorDialog(QWidget* parent, TColorDialogRequest& request) override;
  QString ExecuteOpenPictureDialog(QWidget* parent, const QString& filter) override;
};
