// The filled label as the user drags it: one filled paint of a large
// extruded caption with a gradient, and a one-pixel move of it over a
// full-HD background in the headless host, which repaints only what the
// move uncovers and covers.
#include <benchmark/benchmark.h>

#include "render/caption/LMDLabelFill.h"
#include "render/fill/LMDGradient.h"
#include "toolkit/HeadlessHost.h"

namespace {

// A background with detail in every pixel, as a photo has.
TSurface Photo(int32_t width, int32_t height) {
  TSurface photo(width, height);
  for (int32_t y = 0; y < height; ++y) {
    QRgb* row = photo.Row(y);
    for (int32_t x = 0; x < width; ++x) row[x] = qRgb(x * 7 & 0xFF, y * 3 & 0xFF, (x ^ y) & 0xFF);
  }
  return photo;
}

struct TDragScene {
  TDragScene() : Host(1920, 1080) {
    Host.SetBackground(Photo(1920, 1080));
    Label.SetCaption(QStringLiteral("Текстъ!"));
    Label.Font().SetSize(72);
    Label.Font().SetColor(clRed);
    Label.FontFX().SetStyle(tdExtrudeEnh);
    Label.FontFX().SetShadowDepth(50);
    Label.FontFX().SetOrientation(toTopRight);
    TLMDGradient& gradient = Label.FillObject().Gradient();
    gradient.ColorList() = {clBlue, clBlack};
    gradient.SetStyle(gstElliptic);
    gradient.SetColorCount(17);
    Label.FillObject().SetStyle(sfGradient);
    Label.SetBounds(700, 400, Label.Width(), Label.Height());
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
