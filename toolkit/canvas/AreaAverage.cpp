#include "toolkit/canvas/AreaAverage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

// The shrink is separable and exact. On each axis the source and the
// destination are measured in units of 1 / gcd(source, dest) of the
// picture's extent: a source pixel is Unit units long, a destination pixel
// Total, so the weights of the source pixels under one destination pixel are
// whole numbers adding up to Total. For each destination row the source rows
// under it are summed with their vertical weights into one row of sums (only
// the columns the rectangle needs); then each destination pixel sums its
// columns with their horizontal weights and divides by Total x Total.
//
// The loops are written on the compiler's generic vectors, which become
// whatever vector instructions the target has; on x86-64 the two hot
// routines get a second copy for AVX2, chosen at load time where the
// processor has it.

#if defined(__x86_64__)
#define AREA_AVERAGE_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define AREA_AVERAGE_CLONES
#endif

namespace {

typedef uint8_t TBytes8 __attribute__((vector_size(8)));
typedef uint16_t TWords8 __attribute__((vector_size(16)));
typedef uint8_t TBytes16 __attribute__((vector_size(16)));
typedef double TDouble4 __attribute__((vector_size(32)));
typedef int32_t TInt4 __attribute__((vector_size(16)));

// Eight sums (two pixels' blue, green, red and unused bytes), and one
// pixel's four.
template <typename Acc>
struct TSumVectors {
  typedef Acc Eight __attribute__((vector_size(8 * sizeof(Acc))));
  typedef Acc Four __attribute__((vector_size(4 * sizeof(Acc))));
};

struct TAxis {
  uint64_t Unit = 1;
  uint64_t Total = 1;
};

TAxis MakeAxis(int32_t source, int32_t dest) {
  const int32_t g = std::gcd(source, dest);
  return {static_cast<uint64_t>(dest / g), static_cast<uint64_t>(source / g)};
}

// The source pixels under one destination pixel: First to First + Count - 1,
// the first weighing FirstWeight, the last LastWeight and those between
// Unit each. A single source pixel has the whole weight as FirstWeight.
struct TSpan {
  int32_t First = 0;
  int32_t Count = 0;
  uint32_t FirstWeight = 0;
  uint32_t LastWeight = 0;

  uint32_t Weight(int32_t i, const TAxis& axis) const {
    return i == 0 ? FirstWeight : i + 1 == Count ? LastWeight : static_cast<uint32_t>(axis.Unit);
  }
};

TSpan SpanOf(const TAxis& axis, int32_t dest) {
  const uint64_t begin = static_cast<uint64_t>(dest) * axis.Total;
  const uint64_t end = begin + axis.Total;
  const uint64_t first = begin / axis.Unit;
  const uint64_t last = (end - 1) / axis.Unit;
  TSpan span;
  span.First = static_cast<int32_t>(first);
  span.Count = static_cast<int32_t>(last - first + 1);
  span.FirstWeight = static_cast<uint32_t>(std::min((first + 1) * axis.Unit, end) - begin);
  span.LastWeight = static_cast<uint32_t>(end - std::max(last * axis.Unit, begin));
  return span;
}

// The horizontal weights of a rectangle's destination columns: Taps a
// column (the most source columns any of them covers; the ones it does not
// cover weigh 0) from its first source column on, counted from the
// rectangle's first source column.
struct TColumnTaps {
  int32_t Taps = 0;
  int32_t FirstColumn = 0;
  int32_t EndColumn = 0;
  std::vector<int32_t> First;
  std::vector<double> Weights;
};

TColumnTaps ColumnTaps(const TAxis& across, int32_t left, int32_t right) {
  std::vector<TSpan> spans;
  for (int32_t x = left; x < right; ++x) spans.push_back(SpanOf(across, x));
  TColumnTaps taps;
  for (const TSpan& span : spans) taps.Taps = std::max(taps.Taps, span.Count);
  taps.FirstColumn = spans.front().First;
  taps.EndColumn = spans.back().First + spans.back().Count;
  taps.Weights.assign(spans.size() * static_cast<size_t>(taps.Taps), 0.0);
  for (size_t i = 0; i < spans.size(); ++i) {
    taps.First.push_back(spans[i].First - taps.FirstColumn);
    for (int32_t k = 0; k < spans[i].Count; ++k)
      taps.Weights[i * static_cast<size_t>(taps.Taps) + static_cast<size_t>(k)] = spans[i].Weight(k, across);
  }
  return taps;
}

// Sums[k] = the sum over the rows r of Weights[r] x Rows[r][k], for the
// Count bytes of the rows, sixteen bytes at a time in two vectors of eight
// sums, which stay in registers while the rows are added up; with Add, the
// sums are added to those already there.
template <typename Acc>
inline __attribute__((always_inline)) void SumRowsOf(Acc* sums, const uint8_t* const* rows, const uint32_t* weights,
                                                     int32_t rowCount, size_t count, bool add) {
  using TEight = typename TSumVectors<Acc>::Eight;
  size_t k = 0;
  for (; k + 16 <= count; k += 16) {
    TEight low = {}, high = {};
    if (add) {
      std::memcpy(&low, sums + k, sizeof low);
      std::memcpy(&high, sums + k + 8, sizeof high);
    }
    for (int32_t r = 0; r < rowCount; ++r) {
      TBytes8 bytes[2];
      std::memcpy(bytes, rows[r] + k, sizeof bytes);
      // Widened in two steps, which compilers turn into vector
      // instructions rather than one byte at a time.
      const Acc weight = static_cast<Acc>(weights[r]);
      low += weight * __builtin_convertvector(__builtin_convertvector(bytes[0], TWords8), TEight);
      high += weight * __builtin_convertvector(__builtin_convertvector(bytes[1], TWords8), TEight);
    }
    std::memcpy(sums + k, &low, sizeof low);
    std::memcpy(sums + k + 8, &high, sizeof high);
  }
  for (; k < count; ++k) {
    Acc sum = add ? sums[k] : 0;
    for (int32_t r = 0; r < rowCount; ++r) sum += static_cast<Acc>(weights[r]) * rows[r][k];
    sums[k] = sum;
  }
}

AREA_AVERAGE_CLONES void SumRows(int32_t* sums, const uint8_t* const* rows, const uint32_t* weights, int32_t rowCount,
                                 size_t count, bool add) {
  SumRowsOf(sums, rows, weights, rowCount, count, add);
}

void SumRows(int64_t* sums, const uint8_t* const* rows, const uint32_t* weights, int32_t rowCount, size_t count,
             bool add) {
  SumRowsOf(sums, rows, weights, rowCount, count, add);
}

// One row of the shrunk picture from the row of sums: each destination
// pixel's taps weighed, and the total divided by Total x Total. The total
// is a whole number below 2^53, exact in a double; its product with the
// rounded reciprocal lies within 2^-43 of the exact mean, while a mean
// that is not exactly halfway between two integers lies at least
// 1 / (2 x Total x Total) >= 2^-40 from halfway (for pictures that fit in
// memory). So adding one half and a nudge of 2^-42 before truncating rounds
// every mean exactly as integer arithmetic would, halves up.
template <typename Acc>
inline __attribute__((always_inline)) void ReduceRowOf(const Acc* sums, const TColumnTaps& taps, double reciprocal,
                                                       QRgb* out) {
  using TFour = typename TSumVectors<Acc>::Four;
  constexpr double kHalfAndNudge = 0.5 + 0x1p-42;
  const double* weights = taps.Weights.data();
  for (size_t x = 0; x < taps.First.size(); ++x, weights += taps.Taps) {
    const Acc* column = sums + static_cast<size_t>(taps.First[x]) * 4;
    TDouble4 total = {};
    for (int32_t k = 0; k < taps.Taps; ++k, column += 4) {
      TFour pixel;
      std::memcpy(&pixel, column, sizeof pixel);
      total += weights[k] * __builtin_convertvector(pixel, TDouble4);
    }
    const TInt4 mean = __builtin_convertvector(total * reciprocal + kHalfAndNudge, TInt4);
    TBytes16 bytes;
    std::memcpy(&bytes, &mean, sizeof bytes);
    const auto packed = __builtin_shufflevector(bytes, bytes, 0, 4, 8, 12);
    uint32_t value;
    std::memcpy(&value, &packed, sizeof value);
    out[x] = value | 0xFF000000u;
  }
}

AREA_AVERAGE_CLONES void ReduceRow(const int32_t* sums, const TColumnTaps& taps, double reciprocal, QRgb* out) {
  ReduceRowOf(sums, taps, reciprocal, out);
}

void ReduceRow(const int64_t* sums, const TColumnTaps& taps, double reciprocal, QRgb* out) {
  ReduceRowOf(sums, taps, reciprocal, out);
}

// Acc holds a column's vertical sum, at most 255 x the vertical Total.
template <typename Acc>
void Shrink(const TSurface& source, const TAxis& across, const TAxis& down, const TRect& rect, TSurface& dest) {
  const TColumnTaps taps = ColumnTaps(across, rect.Left, rect.Right);
  // Four sums a pixel, in its byte order (blue, green, red, unused), and
  // zeros after them for the unused taps of the last columns.
  const size_t count = static_cast<size_t>(taps.EndColumn - taps.FirstColumn) * sizeof(QRgb);
  std::vector<Acc> sums(count + static_cast<size_t>(taps.Taps) * 4, 0);
  const double reciprocal = 1.0 / static_cast<double>(across.Total * down.Total);
  // The source rows under a destination row, taken a block at a time, so
  // that a very tall picture needs no long list of them.
  constexpr int32_t kRowBlock = 16;
  const uint8_t* rows[kRowBlock];
  uint32_t weights[kRowBlock];
  for (int32_t y = rect.Top; y < rect.Bottom; ++y) {
    const TSpan span = SpanOf(down, y);
    for (int32_t block = 0; block < span.Count; block += kRowBlock) {
      const int32_t rowCount = std::min(kRowBlock, span.Count - block);
      for (int32_t r = 0; r < rowCount; ++r) {
        rows[r] = reinterpret_cast<const uint8_t*>(source.Row(span.First + block + r) + taps.FirstColumn);
        weights[r] = span.Weight(block + r, down);
      }
      SumRows(sums.data(), rows, weights, rowCount, count, block > 0);
    }
    ReduceRow(sums.data(), taps, reciprocal, dest.Row(y) + rect.Left);
  }
}

bool Shrinks(const TSurface& source, TSize size) {
  return !source.IsNull() && size.cx >= 1 && size.cy >= 1 && size.cx <= source.Width() && size.cy <= source.Height();
}

}  // namespace

void AreaAverageRect(const TSurface& source, TSize size, const TRect& rect, TSurface& dest) {
  if (!Shrinks(source, size)) return;
  const TRect area = rect.Intersect({0, 0, size.cx, size.cy}).Intersect(dest.Bounds());
  if (area.IsEmpty()) return;
  const TAxis across = MakeAxis(source.Width(), size.cx);
  const TAxis down = MakeAxis(source.Height(), size.cy);
  // All but absurdly tall pictures keep a column's sum in 32 bits.
  if (down.Total <= INT32_MAX / 255)
    Shrink<int32_t>(source, across, down, area, dest);
  else
    Shrink<int64_t>(source, across, down, area, dest);
}

TSurface AreaAverage(const TSurface& source, TSize size) {
  if (!Shrinks(source, size)) return {};
  TSurface shrunk = TSurface::Uncleared(size.cx, size.cy);
  AreaAverageRect(source, size, shrunk.Bounds(), shrunk);
  return shrunk;
}
