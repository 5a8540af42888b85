#include "toolkit/PixelMemory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {

constexpr uintptr_t kSmallPage = 4096;

uintptr_t RoundUp(uintptr_t value, uintptr_t unit) { return (value + unit - 1) & ~(unit - 1); }
uintptr_t RoundDown(uintptr_t value, uintptr_t unit) { return value & ~(unit - 1); }

}  // namespace

void PreparePixelMemory(void* data, size_t bytes) {
  if (bytes < kLargePixelMemory) return;
  const auto start = reinterpret_cast<uintptr_t>(data);
  const uintptr_t hugeBegin = RoundUp(start, kLargePixelMemory);
  const uintptr_t hugeEnd = RoundDown(start + bytes, kLargePixelMemory);
  if (hugeBegin < hugeEnd) madvise(reinterpret_cast<void*>(hugeBegin), hugeEnd - hugeBegin, MADV_HUGEPAGE);
  // Populating leaves the contents alone, also of neighbours sharing the
  // first or last page.
  const uintptr_t begin = RoundDown(start, kSmallPage);
  madvise(reinterpret_cast<void*>(begin), start + bytes - begin, MADV_POPULATE_WRITE);
}

uint8_t* AllocateLargePixelMemory(size_t bytes) {
  // aligned_alloc wants a multiple of the alignment.
  auto* data = static_cast<uint8_t*>(std::aligned_alloc(kLargePixelMemory, RoundUp(bytes, kLargePixelMemory)));
  if (data) PreparePixelMemory(data, bytes);
  return data;
}

void FreeLargePixelMemory(void* data) { std::free(data); }
