#pragma once
#include <QString>
#include <mutex>

// What the tool prints, from any thread: lines on standard output and
// standard error, and a progress line on standard error that is redrawn
// in place and taken away before anything else is printed on the terminal
// (the next redraw brings it back).
class TConsole {
 public:
  // Progress: whether the progress line is drawn at all (standard error
  // is a terminal).
  explicit TConsole(bool progress);

  // Text (whole lines) on standard output, flushed at once.
  void Out(const QString& text);
  // One line on standard error.
  void Err(const QString& line);
  // Draws the progress line in place of the last one.
  void ShowProgress(const QString& line);
  // Takes the progress line away.
  void ClearProgress();

 private:
  void ClearProgressLocked();

  std::mutex mutex_;
  const bool progress_;
  const bool outOnTerminal_;  // standard output shows on the terminal too
  bool shown_ = false;
};
