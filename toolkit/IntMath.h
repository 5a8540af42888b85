#pragma once
#include <cstdint>

// The integer rules every drawing routine shares.

// a * b / c with a 64-bit intermediate, rounded to nearest with halves away
// from zero; -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// Nearest integer, halves to even.
int64_t Round(double x);

// Integer division truncating toward zero (C++ already does; named so that
// call sites read like the rules they implement).
inline int32_t Div(int32_t a, int32_t b) { return a / b; }

// Truncation toward zero of a floating value.
int64_t Trunc(double x);
