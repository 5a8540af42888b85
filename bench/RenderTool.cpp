// Where vellumo-render's time goes on its benchmark job (a 72-point caption
// with a shadow and a blue-to-black gradient fill over a 1920 × 1080 JPEG,
// saved as JPEG quality 90), stage by stage inside one process: decoding the
// background into the composition, the caption, and encoding.
// bench/render-vs-imagemagick.sh times the whole process against other tools.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "render/Compose.h"
#include "render/caption/LMDLabelFill.h"
#include "toolkit/windowless/HeadlessHost.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A photo-like background: smooth colour fields with fine grain, as JPEG.
QByteArray PhotoJpeg() {
  TBitmap photo(kWidth, kHeight);
  uint32_t noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(photo.ScanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int grain = static_cast<int>(noise >> 27) - 16;
      const int r = static_cast<int>(128 + 100 * std::sin(x * 0.003) * std::cos(y * 0.002)) + grain;
      const int g = static_cast<int>(128 + 90 * std::sin((x + y) * 0.004)) + grain;
      const int b = static_cast<int>(128 + 80 * std::cos(x * 0.011 - y * 0.007)) + grain;
      row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
    }
  }
  TJPEGImage jpeg;
  jpeg.Assign(photo);
  return jpeg.SaveToBytes();
}

const QByteArray& Photo() {
  static const QByteArray bytes = PhotoJpeg();
  return bytes;
}

std::unique_ptr<TJPEGImage> Loaded() {
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->LoadFromBytes(Photo());
  return jpeg;
}

// The label as the tool sets it up for the job.
void SetUp(TLMDLabelFill& label) {
  TFont font;
  font.Assign(label.Font());
  font.SetName(QStringLiteral("Arial"));
  font.SetSize(72);
  font.SetColor(clRed);
  label.SetFont(font);
  label.FontFX().SetStyle(tdShadow);
  label.FontFX().SetShadowDepth(3);
  label.FontFX().SetShadowColor(clBtnShadow);
  TLMDFillObject fill;
  fill.SetStyle(sfGradient);
  fill.Gradient().SetTwoColors(false);
  fill.Gradient().ColorList() = {clBlue, clBlack};
  fill.Gradient().SetColorCount(17);
  label.SetFillObject(fill);
  label.SetBrushBackColor(clBtnFace);
  label.SetCaption(QStringLiteral("Vellumo caption"));
  label.SetBounds(100, 120, label.Width(), label.Height());
}

// Reading the header and decoding into the picture's 24-bit bitmap, as
// drawing the picture in a window does.
void BM_DecodeBitmap(benchmark::State& state) {
  for (auto _ : state) {
    auto jpeg = Loaded();
    benchmark::DoNotOptimize(jpeg->Bitmap().Width());
    state.PauseTiming();
    jpeg.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DecodeBitmap)->Unit(benchmark::kMillisecond);

// Reading the header and decoding straight into a new composition, as the
// tool does.
void BM_NewComposition(benchmark::State& state) {
  for (auto _ : state) {
    auto jpeg = Loaded();
    auto composition = NewComposition(*jpeg);
    benchmark::DoNotOptimize(composition->Width());
    state.PauseTiming();
    composition.reset();
    jpeg.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_NewComposition)->Unit(benchmark::kMillisecond);

// Setting the label up (it measures itself at each change) and painting it
// onto a composition.
void BM_Caption(benchmark::State& state) {
  TSurface composition(kWidth, kHeight);
  const TRect area = composition.Bounds();
  for (auto _ : state) {
    THeadlessHost host(0, 0);
    TLMDLabelFill label;
    label.SetParent(&host);
    SetUp(label);
    label.PaintTo(composition, area);
  }
}
BENCHMARK(BM_Caption)->Unit(benchmark::kMillisecond);

// Handing the composition to a JPEG picture and saving it at quality 90.
void BM_Encode(benchmark::State& state) {
  auto jpeg = Loaded();
  TBitmap composition;
  composition.Assign(jpeg->Bitmap());
  composition.SetPixelFormat(pf32bit);
  for (auto _ : state) {
    TJPEGImage encoder;
    encoder.Assign(composition);
    benchmark::DoNotOptimize(encoder.SaveToBytes().size());
  }
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);

}  // namespace
