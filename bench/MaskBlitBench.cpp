// A full-HD mask blit: the mask ANDed in, then the image ORed in, as every
// transparent label paint and masked picture does.
#include <benchmark/benchmark.h>

#include "pictures/Bitmap.h"

static void BM_MaskBlit1920x1080(benchmark::State& state) {
  const TRect area = Rect(0, 0, 1920, 1080);
  TBitmap dest(1920, 1080), image(1920, 1080), mask(1920, 1080);
  dest.Canvas().Brush().SetColor(clTeal);
  dest.Canvas().FillRect(area);
  image.Canvas().Brush().SetColor(clBlack);
  image.Canvas().FillRect(area);
  image.Canvas().Brush().SetColor(clRed);
  image.Canvas().Ellipse(200, 100, 1700, 1000);
  mask.Assign(image);
  mask.Mask(clBlack);
  for (auto _ : state) {
    dest.Canvas().SetCopyMode(SRCAND);
    dest.Canvas().CopyRect(area, mask.Canvas(), area);
    dest.Canvas().SetCopyMode(SRCPAINT);
    dest.Canvas().CopyRect(area, image.Canvas(), area);
    benchmark::DoNotOptimize(dest.Surface().Row(0));
  }
  state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}
BENCHMARK(BM_MaskBlit1920x1080)->Unit(benchmark::kMillisecond);
