#pragma once

// SIGINT and SIGTERM held back from the moment this exists, in this thread
// and every thread it starts afterwards, so that neither interrupts a
// write: they wait until Take collects them. Make it before any thread.
class TStopSignals {
 public:
  TStopSignals();
  TStopSignals(const TStopSignals&) = delete;
  TStopSignals& operator=(const TStopSignals&) = delete;

  // A stop signal that has arrived (SIGINT or SIGTERM), collected, or 0.
  int Take();
};
