#pragma once
#include <cstdint>
#include <functional>

// A millisecond tick count that wraps at 32 bits; differences taken as
// unsigned 32-bit values stay right across the wrap.
using TTickSource = std::function<uint32_t()>;
uint32_t SystemTickCount();
