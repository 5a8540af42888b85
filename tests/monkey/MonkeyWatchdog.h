#pragma once
#include <QObject>
#include <QTimer>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

// Fails the process when the event loop has not come back for two
// seconds: a thread looks at a heartbeat that a timer of the loop's own
// (and every input) renews, and on silence prints Report's last text and
// ends the process, since the stuck thread cannot.
class TMonkeyWatchdog {
 public:
  TMonkeyWatchdog();
  ~TMonkeyWatchdog();
  TMonkeyWatchdog(const TMonkeyWatchdog&) = delete;
  TMonkeyWatchdog& operator=(const TMonkeyWatchdog&) = delete;

  void Beat();
  // What to print should the loop stop answering.
  void SetReport(std::string report);

 private:
  void Watch();

  std::atomic<int64_t> beat_;
  std::atomic<bool> stop_{false};
  std::mutex reportLock_;
  std::string report_;
  QTimer timer_;
  std::thread thread_;
};
