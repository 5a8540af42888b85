#pragma once
#include <memory>

class TApplication;
class TForm1;
class TForm2;
class TForm4;

// The program's three windows, created as start-up creates them: the
// picture browser Form4 (the main window), the composition window Form2
// and the control panel Form1, in that order, since the panel's creation
// already writes to the composition's label. They are destroyed in the
// reverse order, also when a later one fails to be made. Closing the
// browser ends Application's message loop.
class TProgramWindows {
 public:
  explicit TProgramWindows(TApplication& application);
  ~TProgramWindows();
  TProgramWindows(const TProgramWindows&) = delete;
  TProgramWindows& operator=(const TProgramWindows&) = delete;

 private:
  // In creation order, so that they go in the reverse one.
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm1> form1_;
};

// Start-up: the title, the name of the desktop entry and the windows'
// icon, the windows, the browser shown, the message loop until the browser
// closes. Returns the program's exit status.
int RunProgram(TApplication& application);
