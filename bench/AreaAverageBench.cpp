// Shrinking a 12-megapixel photo (4000 x 3000) to a 1386 x 1040 view by
// area averaging, whole and as a label-sized repaint. Each iteration of the
// whole shrink also times Qt's smooth scaling of the same pixels (area
// averaging too, with approximate weights) on one thread; the "ratio"
// counter is ours / Qt's. Goal: a few milliseconds, at most Qt's time.
#include <benchmark/benchmark.h>

#include <QThreadPool>
#include <cstdint>

#include "bench/PhotoLike.h"
#include "bench/Seconds.h"
#include "toolkit/canvas/AreaAverage.h"

namespace {

constexpr int32_t kWidth = 4000;
constexpr int32_t kHeight = 3000;
constexpr TSize kView{1386, 1040};

// Photo-like: smooth colour fields under fine grain.
const TSurface& Photo() {
  static const TSurface photo = PhotoLike(kWidth, kHeight);
  return photo;
}

void BM_AreaAverageWhole(benchmark::State& state) {
  const TSurface& photo = Photo();
  TSurface view = TSurface::Uncleared(kView.cx, kView.cy);
  // Qt shares a large smooth scaling among its pool's threads.
  QThreadPool::globalInstance()->setMaxThreadCount(1);
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    const double t = Seconds([&] { AreaAverageRect(photo, kView, view.Bounds(), view); });
    ours += t;
    state.SetIterationTime(t);
    theirs += Seconds([&] {
      const QImage scaled = photo.Image().scaled(kView.cx, kView.cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      benchmark::DoNotOptimize(scaled.constBits());
    });
  }
  state.counters["qt_ms"] = 1000 * theirs / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / theirs;
}
BENCHMARK(BM_AreaAverageWhole)->UseManualTime()->Unit(benchmark::kMillisecond);

// A repaint of a label-sized area in the middle of the view.
void BM_AreaAverageRepaint300x120(benchmark::State& state) {
  const TSurface& photo = Photo();
  TSurface view = TSurface::Uncleared(kView.cx, kView.cy);
  const TRect area = Bounds(500, 400, 300, 120);
  for (auto _ : state) {
    AreaAverageRect(photo, kView, area, view);
    benchmark::DoNotOptimize(view.Pixel(500, 400));
  }
}
BENCHMARK(BM_AreaAverageRepaint300x120)->Unit(benchmark::kMicrosecond);

}  // namespace
