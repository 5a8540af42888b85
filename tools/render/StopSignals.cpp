#include "tools/render/StopSignals.h"

#include <csignal>
#include <ctime>
#include <pthread.h>

namespace {

sigset_t StopSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

TStopSignals::TStopSignals() {
  const sigset_t set = StopSet();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

int TStopSignals::Take() {
  const sigset_t set = StopSet();
  const timespec now{0, 0};
  const int signal = sigtimedwait(&set, nullptr, &now);
  return signal > 0 ? signal : 0;
}
