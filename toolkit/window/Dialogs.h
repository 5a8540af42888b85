#pragma once
#include <QString>
#include <array>
#include <cstdint>

#include "toolkit/Colors.h"

class QWidget;

enum TMessageKind : uint8_t { mkInformation, mkError };

// What the colour dialog starts with and, after OK, what the user chose:
// the colour (plain 0x00BBGGRR) and the sixteen custom colours, -1 for an
// unused slot.
struct TColorDialogRequest {
  TColor Color = clBlack;
  std::array<TColor, 16> CustomColors;
  bool FullOpen = false;
  TColorDialogRequest() { CustomColors.fill(-1); }
};

// Every modal dialog and message box the program shows goes through here,
// so that tests can answer them. The platform's dialogs are Qt's.
class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // A box with Text and an OK button, captioned Caption; returns once the
  // user has closed it.
  virtual void ShowMessage(QWidget* parent, const QString& text, const QString& caption, TMessageKind kind) = 0;
  // The colour dialog; true when the user confirmed, Request then holding
  // the choice. A cancelled dialog leaves Request as it was.
  virtual bool ExecuteColorDialog(QWidget* parent, TColorDialogRequest& request) = 0;
  // The picture dialog with a preview, for Filter ("Bitmaps (*.bmp)|*.bmp");
  // the chosen file, or empty when the user cancelled.
  virtual QString ExecuteOpenPictureDialog(QWidget* parent, const QString& filter) = 0;
};

// The dialogs the program shows: the platform's, unless a test has put its
// own in their place.
TDialogs& Dialogs();

// Puts Replacement in place of the current dialogs for the guard's
// lifetime.
class TDialogsOverride {
 public:
  explicit TDialogsOverride(TDialogs& replacement);
  ~TDialogsOverride();
  TDialogsOverride(const TDialogsOverride&) = delete;
  TDialogsOverride& operator=(const TDialogsOverride&) = delete;

 private:
  TDialogs* previous_;
};

// The caption of every message box: the application's title.
QString ApplicationTitle();
