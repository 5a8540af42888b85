// The filled label as the user drags it: one filled paint of a large
// extruded caption with a gradient, and a one-pixel move of it over a
// full-HD background in the headless host, which repaints only what the
// move uncovers and covers.
#include <benchmark/benchmark.h>

#include "bench/DragScene.h"
#include "toolkit/windowless/HeadlessHost.h"

namespace {

struct TDragScene {
  TDragScene() : Host(1920, 1080) {
    Host.SetBackground(Photo(1920, 1080));
    DescribeDragLabel(Label);
    Label.SetParent(&Host);
    Host.Update();
  }
  THeadlessHost Host;
  TLMDLabelFill Label;
};

void BM_FilledPaint(benchmark::State& state) {
  TDragScene scene;
  TSurface& surface = scene.Host.Surface();
  const TRect bounds = scene.Label.BoundsRect();
  for (auto _ : state) {
    scene.Label.PaintTo(surface, bounds);
    benchmark::DoNotOptimize(surface.Row(bounds.Top));
  }
  state.counters["width"] = bounds.Width();
  state.counters["height"] = bounds.Height();
}
BENCHMARK(BM_FilledPaint)->Unit(benchmark::kMillisecond);

void BM_DragByOnePixel(benchmark::State& state) {
  TDragScene scene;
  int32_t step = 1;
  for (auto _ : state) {
    // Back and forth, so that the label stays over the same background.
    scene.Label.SetLeft(scene.Label.Left() + step);
    step = -step;
    scene.Host.Update();
  }
}
BENCHMARK(BM_DragByOnePixel)->Unit(benchmark::kMillisecond);

}  // namespace
