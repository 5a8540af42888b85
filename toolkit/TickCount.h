#pragma once
#include <cstdint>
#include <functional>

// A millisecond tick count that wraps at 32 bits; differences taken as
// unsigned 32-bit values stay right across the wrap.
using TTickSource = std::function<uint32_t()>;
uint32_t SystemTickCount();

// The tick count the program's pauses read: the system's, unless a test
// has put another source in its place.
uint32_t TickCount();

// Puts Source in place of the tick count for the guard's lifetime.
class TTickCountOverride {
 public:
  explicit TTickCountOverride(TTickSource source);
  ~TTickCountOverride();
  TTickCountOverride(const TTickCountOverride&) = delete;
  TTickCountOverride& operator=(const TTickCountOverride&) = delete;

 private:
  TTickSource previous_;
};
