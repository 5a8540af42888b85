#pragma once
// What the windows' tests share: the program's windows made as start-up
// makes them, dialogs answered by the test, events that claim to come from
// the window system, and pictures written for the occasion.
#include <gtest/gtest.h>

#include <QDir>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "main/Application.h"
#include "main/Program.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Surface.h"
#include "toolkit/window/Dialogs.h"

// Records every message box and answers the colour and picture dialogs
// from queues (an empty queue cancels).
class TRecordingDialogs : public TDialogs {
 public:
  struct TMessage {
    QString Text;
    QString Caption;
    TMessageKind Kind;
  };

  void ShowMessage(QWidget*, const QString& text, const QString& caption, TMessageKind kind) override {
    Messages.push_back({text, caption, kind});
    if (OnMessage) OnMessage();
  }
  bool ExecuteColorDialog(QWidget*, TColorDialogRequest& request) override {
    ColorRequests.push_back(request);
    if (ColorAnswers.empty()) return false;
    request = ColorAnswers.front();
    ColorAnswers.pop_front();
    return true;
  }
  QString ExecuteOpenPictureDialog(QWidget*, const QString& filter) override {
    PictureFilters.push_back(filter);
    if (PictureAnswers.empty()) return QString();
    const QString answer = PictureAnswers.front();
    PictureAnswers.pop_front();
    return answer;
  }

  QStringList MessageTexts() const {
    QStringList texts;
    for (const TMessage& message : Messages) texts << message.Text;
    return texts;
  }

  std::vector<TMessage> Messages;
  std::function<void()> OnMessage;  // runs while the box would be open
  std::vector<TColorDialogRequest> ColorRequests;
  std::deque<TColorDialogRequest> ColorAnswers;
  std::vector<QString> PictureFilters;
  std::deque<QString> PictureAnswers;
};

// An OK of the colour dialog on Color, custom slots 0, 1 ... set to Custom.
inline TColorDialogRequest Chosen(TColor color, std::initializer_list<TColor> custom = {}) {
  TColorDialogRequest answer;
  answer.Color = color;
  std::copy(custom.begin(), custom.end(), answer.CustomColors.begin());
  return answer;
}

inline TApplication& Application() { return *static_cast<TApplication*>(qApp); }

// Delivers Event to Receiver as if the window system had sent it (a
// window manager's restore, close box or Alt+F4).
void SendSpontaneous(QObject* receiver, QEvent& event);

// The program's three windows, fresh for every test, with every dialog
// answered by the test. The browser's list makes the folders it shows the
// process's current folder; the test's is put back afterwards.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : override_(Dialogs_), windows_(std::make_unique<TProgramWindows>(Application())) {}
  ~ProgramTest() override {
    windows_.reset();
    QDir::setCurrent(savedCurrent_);
  }

  TRecordingDialogs Dialogs_;
  QTemporaryDir Dir;

 private:
  const QString savedCurrent_ = QDir::currentPath();
  TDialogsOverride override_;
  std::unique_ptr<TProgramWindows> windows_;
};

// Which of Form4, Form2, Form1 are visible: "4-1" when Form2 is hidden.
QString ShownWindows();

// A display-format picture of that size whose pixels differ from each
// other's neighbours, written as a BMP file; returns its path.
QString WriteTestPicture(const QString& path, int32_t width, int32_t height);
// The pixels WriteTestPicture writes.
TSurface TestPicture(int32_t width, int32_t height);
