#include "monkey/MonkeyWatchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int64_t kSilenceMs = 2000;

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TMonkeyWatchdog::TMonkeyWatchdog() : beat_(NowMs()) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { Beat(); });
  timer_.start(50);
  thread_ = std::thread([this] { Watch(); });
}

TMonkeyWatchdog::~TMonkeyWatchdog() {
  stop_ = true;
  thread_.join();
}

void TMonkeyWatchdog::Beat() { beat_ = NowMs(); }

void TMonkeyWatchdog::SetReport(std::string report) {
  const std::lock_guard<std::mutex> lock(reportLock_);
  report_ = std::move(report);
}

void TMonkeyWatchdog::Watch() {
  while (!stop_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (NowMs() - beat_ <= kSilenceMs) continue;
    const std::lock_guard<std::mutex> lock(reportLock_);
    std::fprintf(stderr, "monkey: the event loop has not answered for %lld ms\n%s\n",
                 static_cast<long long>(NowMs() - beat_), report_.c_str());
    std::fflush(stderr);
    std::_Exit(3);
  }
}
