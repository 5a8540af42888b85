// Writing a 1920 x 1080 composition as PNG against ImageMagick's convert
// writing the same picture as PNG from a PPM file. Each iteration times
// both; the "ratio" counter is ours / theirs (goal: at most 1.5). convert's
// time includes starting its process and reading the PPM.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "bench/PhotoLike.h"
#include "bench/Seconds.h"
#include "pictures/PngImage.h"

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

struct TFiles {
  QTemporaryDir dir;
  TBitmap composition{PhotoLike(kWidth, kHeight)};
  QString ppm = dir.filePath(QStringLiteral("composition.ppm"));
  QString ours = dir.filePath(QStringLiteral("ours.png"));
  QString theirs = dir.filePath(QStringLiteral("theirs.png"));
  TFiles() {
    QFile out(ppm);
    if (!out.open(QIODevice::WriteOnly)) std::abort();
    out.write(QStringLiteral("P6\n%1 %2\n255\n").arg(kWidth).arg(kHeight).toLatin1());
    QByteArray row(kWidth * 3, Qt::Uninitialized);
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) {
        const QRgb p = composition.Surface().Pixel(x, y);
        row[3 * x] = static_cast<char>(qRed(p));
        row[3 * x + 1] = static_cast<char>(qGreen(p));
        row[3 * x + 2] = static_cast<char>(qBlue(p));
      }
      out.write(row);
    }
  }
};

void BM_PngWrite1920x1080(benchmark::State& state) {
  TFiles files;
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    auto png = std::make_unique<TPNGImage>();
    const double t = Seconds([&] {
      png->Assign(files.composition);
      png->SaveToFile(files.ours);
    });
    ours += t;
    state.SetIterationTime(t);
    theirs += Seconds([&] {
      if (QProcess::execute(QStringLiteral("convert"), {files.ppm, files.theirs}) != 0)
        state.SkipWithError("convert failed");
    });
  }
  state.counters["convert_ms"] = 1000 * theirs / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / theirs;
  state.counters["ours_kb"] = static_cast<double>(QFile(files.ours).size()) / 1024;
  state.counters["theirs_kb"] = static_cast<double>(QFile(files.theirs).size()) / 1024;
}
BENCHMARK(BM_PngWrite1920x1080)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace
