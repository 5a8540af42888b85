#pragma once
#include <QApplication>

// The application object. Its default handler catches every exception that
// leaves an event handler or a paint and shows its message in an error box
// captioned with the application's title; the program then carries on.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
  // Shows the exception being handled (call inside a catch). While one
  // such box is open, a further error shows nothing: a paint that fails
  // again under the box would otherwise open box after box.
  void ShowException();

 private:
  bool showingException_ = false;
};
