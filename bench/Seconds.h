#pragma once
// Wall-clock time of one piece of work, for benchmarks that time parts of
// an iteration themselves.
#include <chrono>

template <typename F>
double Seconds(F&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
