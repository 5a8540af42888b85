// A 64 x 64 picture tiled over 1920 x 1080.
#include <benchmark/benchmark.h>

#include "pictures/Bitmap.h"
#include "render/fill/PictureDraw.h"

namespace {

void BM_DrawPictureTiled(benchmark::State& state) {
  const auto side = static_cast<int32_t>(state.range(0));
  TBitmap picture(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) picture.Canvas().SetPixel(x, y, RGB(static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4), 0x80));
  TBitmap target(1920, 1080);
  for (auto _ : state) {
    DrawPicture(target.Canvas(), Rect(0, 0, 1920, 1080), picture, 0, pdfTile);
    benchmark::DoNotOptimize(target.Surface().Pixel(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}

BENCHMARK(BM_DrawPictureTiled)->Arg(64)->Arg(8)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
