// vellumo [FILE]: the desktop program; see --help.
#include <cstdio>

#include "main/Application.h"
#include "main/CommandLine.h"
#include "main/Program.h"
#include "pictures/JpegStartup.h"

namespace {

void Print(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // Answered before any window system is asked for, so that they work
  // without a display.
  const TCommandLine command = ParseCommandLine(arguments);
  switch (command.Action) {
    case caHelp:
      Print(stdout, HelpText());
      return 0;
    case caVersion:
      Print(stdout, VersionText());
      return 0;
    case caUsageError:
      Print(stderr, UsageLine());
      return 2;
    case caRun:
      break;
  }
  TQtArguments qtArguments(argv[0], qgetenv("QT_QPA_PLATFORM"));
  TApplication application(qtArguments.Argc(), qtArguments.Argv());
  StartJpegSupport();
  return RunProgram(application, command.File);
}
