// Peak memory of the first load of a 50-megapixel baseline JPEG into the
// composition window and a BMP save of it, against the budget of three
// pictures' pixels (the decoded photo, the window's buffer and the saved
// composition: 3 x 4 x w x h bytes) plus the file's size plus 32 MB. The
// "of_budget" counter is rise / budget (goal: at most 1). A process's peak
// only grows, so this runs alone in its program, and the photo is made in
// a child process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "main/Application.h"
#include "main/Program.h"
#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "toolkit/window/ScreenMetrics.h"

namespace {

constexpr int32_t kWidth = 8192;
constexpr int32_t kHeight = 6144;

// Bytes the process holds now, and the most it has held.
double ResidentBytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) : 0;
}

double PeakBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024;
}

// Writes the photo from a child process, whose memory is its own.
void WritePhoto(const QString& path) {
  const pid_t child = fork();
  if (child == 0) {
    TSurface photo = TSurface::Uncleared(kWidth, kHeight);
    for (int32_t y = 0; y < kHeight; ++y) {
      QRgb* row = photo.Row(y);
      for (int32_t x = 0; x < kWidth; ++x) row[x] = qRgb(x * 255 / kWidth, y * 255 / kHeight, (x ^ y) & 0x3F);
    }
    TJPEGImage jpeg;
    jpeg.Assign(TBitmap(std::move(photo)));
    jpeg.SaveToFile(path);
    _exit(0);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
}

void BM_PeakMemoryOfA50MegapixelLoadAndSave(benchmark::State& state) {
  const TScreenMetricsOverride screen({QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040), 1});
  QTemporaryDir dir;
  const QString path = dir.filePath("photo.jpg");
  WritePhoto(path);
  const TProgramWindows windows(*static_cast<TApplication*>(qApp));
  Form4->RzDirectoryTree1->SetCurrentFolder(dir.path());
  double rise = 0;
  for (auto _ : state) {
    const double before = ResidentBytes();
    Form2->LoadBackground(path);
    Form2->show();
    Form2->FitToBackground();
    if (!QTest::qWaitForWindowExposed(Form2)) std::abort();
    Form2->Client->repaint();
    Form2->SaveAsBmp(dir.path(), 1);
    rise = PeakBytes() - before;
  }
  const double budget = 3.0 * 4 * kWidth * kHeight + static_cast<double>(QFileInfo(path).size()) + 32.0 * 1024 * 1024;
  state.counters["rise_mb"] = rise / (1024 * 1024);
  state.counters["budget_mb"] = budget / (1024 * 1024);
  state.counters["of_budget"] = rise / budget;
}
BENCHMARK(BM_PeakMemoryOfA50MegapixelLoadAndSave)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
