#include "tools/render/Console.h"

#include <cstdio>
#include <unistd.h>

namespace {

void Put(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// Back to the start of the line, and the line cleared to its end.
constexpr char kClearLine[] = "\r\033[K";

}  // namespace

TConsole::TConsole(bool progress) : progress_(progress), outOnTerminal_(::isatty(STDOUT_FILENO)) {}

void TConsole::Out(const QString& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (outOnTerminal_) ClearProgressLocked();
  Put(stdout, text);
  std::fflush(stdout);
}

void TConsole::Err(const QString& line) {
  std::lock_guard<std::mutex> lock(mutex_);
  ClearProgressLocked();
  Put(stderr, line + QLatin1Char('\n'));
}

void TConsole::ShowProgress(const QString& line) {
  if (!progress_) return;
  std::lock_guard<std::mutex> lock(mutex_);
  std::fputs(kClearLine, stderr);
  Put(stderr, line);
  std::fflush(stderr);
  shown_ = true;
}

void TConsole::ClearProgress() {
  std::lock_guard<std::mutex> lock(mutex_);
  ClearProgressLocked();
}

void TConsole::ClearProgressLocked() {
  if (!shown_) return;
  std::fputs(kClearLine, stderr);
  std::fflush(stderr);
  shown_ = false;
}
