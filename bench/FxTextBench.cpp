// DrawFxText of a large caption: the deepest enhanced extrusion (255 copies
// and the face) against the plain text, each call on a new picture of the
// label's size, as a filled label paints, so that every call rasterises the
// text afresh.
#include <benchmark/benchmark.h>

#include <memory>

#include "pictures/Bitmap.h"
#include "render/caption/LMDFXCaption.h"
#include "render/caption/LMDFxText.h"

namespace {

const QString kText = QStringLiteral("Текстъ!");

void DrawCaption(benchmark::State& state, TLMDThreeDStyle style) {
  TFont font;
  font.SetName(QStringLiteral("Liberation Sans"));
  font.SetSize(72);
  font.SetColor(clRed);
  TLMDFxCaption caption;
  caption.SetStyle(style);
  caption.SetShadowDepth(255);
  caption.SetShadowColor(clNavy);
  caption.SetLightColor(clAqua);
  TCanvas scratch;
  TRect size{0, 0, 0, 0};
  CalcFxTextRect(scratch, kText, &caption, size, font, false, true, 0, 0);
  for (auto _ : state) {
    state.PauseTiming();
    auto bitmap = std::make_unique<TBitmap>(size.Width(), size.Height());
    bitmap->Canvas().SetFont(font);
    bitmap->Canvas().Brush().SetColor(clBtnFace);
    state.ResumeTiming();
    DrawFxText(bitmap->Canvas(), kText, &caption, size, DT_WORDBREAK | DT_EXPANDTABS, FxDrawFlagBit(fxdEnabled));
    benchmark::DoNotOptimize(bitmap->Surface().Row(0));
  }
  state.counters["width"] = size.Width();
  state.counters["height"] = size.Height();
}

void BM_FxTextExtrudeEnh255(benchmark::State& state) { DrawCaption(state, tdExtrudeEnh); }
void BM_FxTextNone(benchmark::State& state) { DrawCaption(state, tdNone); }

}  // namespace

BENCHMARK(BM_FxTextExtrudeEnh255)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FxTextNone)->Unit(benchmark::kMillisecond);
