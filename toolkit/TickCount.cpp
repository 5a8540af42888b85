#include "toolkit/TickCount.h"

#include <chrono>
#include <utility>

namespace {

TTickSource& Current() {
  static TTickSource current = SystemTickCount;
  return current;
}

}  // namespace

uint32_t SystemTickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

uint32_t TickCount() { return Current()(); }

TTickCountOverride::TTickCountOverride(TTickSource source) : previous_(std::exchange(Current(), std::move(source))) {}

TTickCountOverride::~TTickCountOverride() { Current() = std::move(previous_); }
