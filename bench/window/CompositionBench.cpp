// The composition window at work, with a large extruded caption filled
// with a gradient over a full-HD background: a one-pixel drag from the
// mouse event to the shown buffer, a full-window expose, and the save's
// work without its pause and message, each beside the engine's own figure
// for the same work (BM_DragByOnePixel in bench_LabelBench; ComposeControls
// and the write alone here).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstdlib>

#include "bench/DragScene.h"
#include "forms/Unit2.h"
#include "main/Application.h"
#include "main/Program.h"
#include "pictures/Bitmap.h"
#include "render/Compose.h"
#include "render/NumberedFile.h"
#include "toolkit/window/ScreenMetrics.h"

namespace {

// The program's windows with the composition shown as the benchmark's
// scene, at its size on a full-HD screen.
struct TScene {
  TScene() : windows(*static_cast<TApplication*>(qApp)) {
    TBitmap(Photo(1920, 1080)).SaveToFile(dir.filePath("photo.bmp"));
    Form2->LoadBackground(dir.filePath("photo.bmp"));
    QFile::remove(dir.filePath("photo.bmp"));
    Form2->show();
    Form2->FitToBackground();
    DescribeDragLabel(Form2->L1);
    if (!QTest::qWaitForWindowExposed(Form2)) std::abort();
    Form2->Client->repaint();
  }
  void Clear() {
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) QFile::remove(dir.filePath(name));
  }
  TScreenMetricsOverride screen{{QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080), 1}};
  TProgramWindows windows;
  QTemporaryDir dir;
};

void BM_WindowDragByOnePixel(benchmark::State& state) {
  TScene scene;
  QWindow* window = Form2->windowHandle();
  const QPoint grab(Form2->L1.Left() + 40, Form2->L1.Top() + 40);
  QTest::mousePress(window, Qt::LeftButton, {}, grab);
  int32_t step = 1;
  for (auto _ : state) {
    // Back and forth, so that the label stays over the same background.
    QTest::mouseMove(window, QPoint(Form2->L1.Left() + 40 + step, grab.y()));
    step = -step;
    // What the window system's update would repaint: the invalid area.
    QRegion invalid;
    for (const TRect& rect : Form2->Client->InvalidRects()) invalid += QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
    Form2->Client->repaint(invalid);
  }
  QTest::mouseRelease(window, Qt::LeftButton, {}, grab);
}
BENCHMARK(BM_WindowDragByOnePixel)->Unit(benchmark::kMillisecond);

void BM_WindowExpose(benchmark::State& state) {
  TScene scene;
  for (auto _ : state) Form2->Client->repaint();
}
BENCHMARK(BM_WindowExpose)->Unit(benchmark::kMillisecond);

void BM_SaveAsBmp(benchmark::State& state) {
  TScene scene;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Form2->SaveAsBmp(scene.dir.path(), 1));
    state.PauseTiming();
    scene.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SaveAsBmp)->Unit(benchmark::kMillisecond);

// The baseline: composing the background's picture with the controls and
// writing the result, as the engine does it alone.
void BM_ComposeAndWriteBmp(benchmark::State& state) {
  TScene scene;
  TBitmap background(Form2->Image1.Pixels());
  for (auto _ : state) {
    const std::unique_ptr<TBitmap> composition = ComposeControls(background, *Form2->Client);
    benchmark::DoNotOptimize(WriteNumberedFile(scene.dir.path(), QStringLiteral(".bmp"), 1,
                                               [&](QIODevice& device) { composition->SaveToStream(device); }));
    state.PauseTiming();
    scene.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ComposeAndWriteBmp)->Unit(benchmark::kMillisecond);

}  // namespace
