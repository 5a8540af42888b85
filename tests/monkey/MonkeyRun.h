#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "monkey/MonkeyDialogs.h"
#include "monkey/MonkeyWatchdog.h"
#include "monkey/MonkeyWorld.h"
#include "toolkit/TickCount.h"
#include "toolkit/window/Dialogs.h"

class QWidget;
class TProgramWindows;

// One run of the event fuzzer: Events inputs made from Seed, given to the
// program's visible windows as a person gives them, the invariants checked
// after each. Deterministic: a seed replays the same run.
class TMonkeyRun {
 public:
  TMonkeyRun(uint32_t seed, int32_t events);
  ~TMonkeyRun();

  // Empty when every invariant held; otherwise the invariant broken, the
  // seed and the last 20 inputs.
  QString Run();
  // Every input given, one line each.
  const QStringList& Inputs() const { return inputs_; }

 private:
  struct TTarget;
  void Start();
  // One input and the invariants after it.
  void Step();
  void NestedInput();
  void Input();
  TTarget PickTarget();
  void Click(const TTarget& target, Qt::MouseButton button, bool twice);
  void Drag(const TTarget& from);
  void Wheel(const TTarget& target);
  void Key();
  void Close();
  void PostInputsIntoThePause(const TTarget& target);
  QString Check();
  QStringList Files() const;
  QString CheckFiles();
  void Note(const QString& input);
  QString Report(const QString& broken) const;

  const uint32_t seed_;
  const int32_t events_;
  std::mt19937 random_;
  TMonkeyWorld world_;
  TMonkeyDialogs dialogs_;
  const TDialogsOverride override_;
  // The save's pause passes in ten reads of the clock.
  const TTickCountOverride clock_;
  std::unique_ptr<TMonkeyWatchdog> watchdog_;
  std::unique_ptr<TProgramWindows> windows_;
  bool ended_ = false;
  int32_t given_ = 0;
  int32_t outerInputs_ = 0;
  // The event loop level at which each input running now began.
  std::vector<int32_t> stepLoopLevels_;
  QString failure_;
  QStringList inputs_;
  QStringList files_;  // relative to the world's root
  int32_t errorsSeen_ = 0;
  // Owns the run's pending zero-time timers: gone first, it takes with it
  // those a finished run leaves, which would reach a run no longer there.
  QObject timers_;
};
