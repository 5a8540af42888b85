#pragma once
#include <QString>
#include <functional>
#include <memory>

class TApplication;
class TForm1;
class TForm2;
class TForm4;

// How the three windows are made: by their own constructors, unless a test
// puts makers of its own in their place.
struct TWindowMakers {
  std::function<std::unique_ptr<TForm4>()> MakeForm4;
  std::function<std::unique_ptr<TForm2>()> MakeForm2;
  std::function<std::unique_ptr<TForm1>()> MakeForm1;

  static TWindowMakers Program();
};

// A window of the program together with its global instance, which names
// it exactly as long as it lives, also when a later window fails to be made.
template <typename TWindow>
class TGlobalWindow {
 public:
  TGlobalWindow(TWindow*& global, std::unique_ptr<TWindow> window) : global_(global), window_(std::move(window)) {
    global_ = window_.get();
  }
  ~TGlobalWindow() {
    window_.reset();
    global_ = nullptr;
  }
  TGlobalWindow(const TGlobalWindow&) = delete;
  TGlobalWindow& operator=(const TGlobalWindow&) = delete;

 private:
  TWindow*& global_;
  std::unique_ptr<TWindow> window_;
};

// The program's three windows, created as start-up creates them: the
// picture browser Form4 (the main window), the composition window Form2
// and the control panel Form1, in that order, since the panel's creation
// already writes to the composition's label. They are destroyed in the
// reverse order, also when a later one fails to be made. Closing the
// browser ends Application's message loop.
class TProgramWindows {
 public:
  explicit TProgramWindows(TApplication& application, const TWindowMakers& makers = TWindowMakers::Program());
  ~TProgramWindows();
  TProgramWindows(const TProgramWindows&) = delete;
  TProgramWindows& operator=(const TProgramWindows&) = delete;

 private:
  // In creation order, so that they go in the reverse one.
  TGlobalWindow<TForm4> form4_;
  TGlobalWindow<TForm2> form2_;
  TGlobalWindow<TForm1> form1_;
};

// Start-up: the title, the name of the desktop entry and the windows'
// icon, the windows, the browser shown, File (when given) opened from the
// message loop as the browser's double click on it opens it, the message
// loop until the browser closes. A relative File is taken from the folder
// the program started in. Returns the program's exit status: 1 when a
// window could not be made, after its message has been shown.
int RunProgram(TApplication& application, const QString& file = QString(),
               const TWindowMakers& makers = TWindowMakers::Program());
