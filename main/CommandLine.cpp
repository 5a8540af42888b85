#include "main/CommandLine.h"

namespace {

const char kHelp[] =
    "Usage: vellumo [FILE]\n"
    "\n"
    "Puts a decorative caption on a photo. The program starts with its picture\n"
    "browser; a double click on a BMP or JPEG file opens the picture with the\n"
    "caption over it and the control panel beside it. With FILE, it starts so and\n"
    "then opens FILE as that double click would, the browser showing the file's\n"
    "folder, so that the compositions saved land beside it.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

}  // namespace

TCommandLine ParseCommandLine(const QStringList& arguments) {
  TCommandLine command;
  bool options = true;
  int files = 0;
  for (const QString& argument : arguments) {
    if (options && argument == QLatin1String("--")) {
      options = false;
    } else if (options && argument.startsWith(QLatin1Char('-'))) {
      if (argument == QLatin1String("--help") && command.Action == caRun) command.Action = caHelp;
      else if (argument == QLatin1String("--version") && command.Action == caRun) command.Action = caVersion;
      else return {caUsageError, {}};
    } else {
      ++files;
      command.File = argument;
    }
  }
  if (files > 1 || (files == 1 && command.Action != caRun) || (files == 1 && command.File.isEmpty()))
    return {caUsageError, {}};
  return command;
}

QString HelpText() { return QString::fromUtf8(kHelp); }

QString VersionText() { return QStringLiteral("vellumo " VELLUMO_VERSION "\n"); }

QString UsageLine() { return QStringLiteral("Usage: vellumo [FILE] (see vellumo --help)\n"); }

TQtArguments::TQtArguments(const char* program, const QByteArray& platform) {
  strings_.emplace_back(program);
  if (platform.isEmpty()) {
    strings_.emplace_back("-platform");
    strings_.emplace_back("xcb;wayland");
  }
  for (QByteArray& string : strings_) pointers_.push_back(string.data());
  pointers_.push_back(nullptr);
  argc_ = static_cast<int>(strings_.size());
}
