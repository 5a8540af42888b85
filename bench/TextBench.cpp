// One DrawTextEx of a short Cyrillic caption at 72 points, the size the
// caption effects draw up to 256 times per paint.
#include <benchmark/benchmark.h>

#include "toolkit/canvas/Canvas.h"

namespace {

const QString kCaption = QString::fromUtf8("Текстъ!");

void UseCaptionFont(TCanvas& canvas) {
  canvas.Font().SetName("Arial");
  canvas.Font().SetSize(72);
  canvas.Font().SetColor(clNavy);
}

// A text not drawn just before: layout, glyph rendering and blending.
void BM_DrawTextEx72pt(benchmark::State& state) {
  TSurface surface(400, 140);
  TCanvas canvas(&surface);
  UseCaptionFont(canvas);
  const QString texts[2] = {kCaption, QString::fromUtf8("Текстъ?")};
  int i = 0;
  for (auto _ : state) {
    TRect r{0, 0, 400, 140};
    benchmark::DoNotOptimize(canvas.DrawTextEx(texts[i ^= 1], r, DT_CENTER));
  }
}
BENCHMARK(BM_DrawTextEx72pt)->Unit(benchmark::kMicrosecond);

// The same text again at another place, as the copies of an effect are.
void BM_DrawTextEx72ptRepeated(benchmark::State& state) {
  TSurface surface(400, 140);
  TCanvas canvas(&surface);
  UseCaptionFont(canvas);
  int step = 0;
  for (auto _ : state) {
    TRect r{step, step, 380 + step, 120 + step};
    step = (step + 1) % 20;
    benchmark::DoNotOptimize(canvas.DrawTextEx(kCaption, r, DT_CENTER));
  }
}
BENCHMARK(BM_DrawTextEx72ptRepeated)->Unit(benchmark::kMicrosecond);

// A fresh canvas each time, as the label's text picture is on every paint:
// the face is resolved and the glyphs looked up again.
void BM_DrawTextEx72ptNewCanvas(benchmark::State& state) {
  TSurface surface(400, 140);
  for (auto _ : state) {
    TCanvas canvas(&surface);
    UseCaptionFont(canvas);
    TRect r{0, 0, 400, 140};
    benchmark::DoNotOptimize(canvas.DrawTextEx(kCaption, r, DT_CENTER));
  }
}
BENCHMARK(BM_DrawTextEx72ptNewCanvas)->Unit(benchmark::kMicrosecond);

// Measuring, as the label does on every change.
void BM_CalcRect72pt(benchmark::State& state) {
  TCanvas canvas;
  UseCaptionFont(canvas);
  for (auto _ : state) {
    TRect r{0, 0, 0, 0};
    benchmark::DoNotOptimize(canvas.DrawTextEx(kCaption, r, DT_CALCRECT | DT_EXPANDTABS));
  }
}
BENCHMARK(BM_CalcRect72pt);

// A rotated line, as the caption's turned text is drawn.
void BM_ExtTextOut72ptTurned(benchmark::State& state) {
  TSurface surface(400, 400);
  TCanvas canvas(&surface);
  UseCaptionFont(canvas);
  TLogFont turned = canvas.Font().Handle();
  const QString texts[2] = {kCaption, QString::fromUtf8("Текстъ?")};
  int i = 0;
  for (auto _ : state) {
    turned.Escapement = 300;
    canvas.Font().SetHandle(turned);
    canvas.ExtTextOut(40, 300, texts[i ^= 1]);
  }
}
BENCHMARK(BM_ExtTextOut72ptTurned)->Unit(benchmark::kMicrosecond);

}  // namespace
