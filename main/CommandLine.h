#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// What "vellumo [FILE]" is asked to do.
enum TCommandAction : uint8_t { caRun, caHelp, caVersion, caUsageError };

struct TCommandLine {
  TCommandAction Action = caRun;
  // The picture to open as if double-clicked in the browser; empty for none.
  QString File;
};

// The arguments after the program's name: none, or one picture file
// ("--" before it lets a name start with "-"); or --help or --version
// alone. Anything else is a usage error.
TCommandLine ParseCommandLine(const QStringList& arguments);

// --help's text, --version's line and the usage line of an error, each
// ending in a line end.
QString HelpText();
QString VersionText();
QString UsageLine();

// The arguments handed to Qt: the program's name only, so that nothing the
// user gives is taken for one of Qt's options, followed by "-platform
// xcb;wayland" when the user chose no platform (Platform is the value of
// QT_QPA_PLATFORM): on a Wayland session with XWayland the program runs
// on X11, where it can place its windows, move a frameless one and keep the
// panel on top; with no X display it runs on Wayland. Qt keeps the count
// and the strings for the application's lifetime, so this object must
// outlive the application object.
class TQtArguments {
 public:
  TQtArguments(const char* program, const QByteArray& platform);
  TQtArguments(const TQtArguments&) = delete;
  TQtArguments& operator=(const TQtArguments&) = delete;

  int& Argc() { return argc_; }
  char** Argv() { return pointers_.data(); }

 private:
  std::vector<QByteArray> strings_;
  std::vector<char*> pointers_;
  int argc_ = 0;
};
