// DrawGradient of 236 colours over 1920 x 1080, off-screen, for every style.
#include <benchmark/benchmark.h>

#include <vector>

#include "pictures/Bitmap.h"
#include "render/fill/GradientDraw.h"
#include "render/fill/LMDGradient.h"

namespace {

void BM_DrawGradient(benchmark::State& state) {
  const auto style = static_cast<TLMDGradientStyle>(state.range(0));
  TLMDGradient gradient;
  gradient.SetColor(clYellow);
  gradient.SetEndColor(clNavy);
  gradient.SetColorCount(236);
  TBitmap target(1920, 1080);
  for (auto _ : state) {
    DrawGradient(target.Canvas(), Rect(0, 0, 1920, 1080), style, pdfOffscreen, {}, gradient.RampColors());
    benchmark::DoNotOptimize(target.Surface().Pixel(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}

BENCHMARK(BM_DrawGradient)->DenseRange(0, GradientStyleCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace
