#pragma once
#include <cstddef>
#include <cstdint>

// Memory for a picture's pixels. A photo's pixels touched page by page cost
// thousands of page faults, more time than decoding the photo; large
// buffers are therefore mapped on 2 MB pages where the system allows it and
// faulted in with one call.

// Buffers from this size on get that treatment.
constexpr size_t kLargePixelMemory = size_t(1) << 21;

// Advice for Bytes at Data, a buffer about to be written whole: the 2 MB
// pages it covers entirely become huge pages, and every page is faulted in
// now. Smaller buffers are left alone; advice that the system refuses is
// harmless.
void PreparePixelMemory(void* data, size_t bytes);

// Uncleared memory for Bytes, aligned so that it lies on huge pages from
// its first byte, and prepared as above; null if there is not enough
// memory. Freed with FreeLargePixelMemory. ASSUMPTION: Bytes is at least
// kLargePixelMemory (smaller buffers are better left to the heap).
uint8_t* AllocateLargePixelMemory(size_t bytes);
void FreeLargePixelMemory(void* data);
