// Writing a 1920 x 1080 capture as a 32-bit BMP file, flushed to the disk
// before it takes its name, against a copy of a file of the same size:
// "ratio" is ours / a plain copy (cp), "ratio_synced" ours / a copy flushed
// to the disk as well (cp, then sync of that file). Each iteration times
// all three. Goal: ratio_synced at most 2 (a copy that is not flushed
// cannot be matched by a write that must reach the disk).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "bench/Seconds.h"
#include "pictures/Bitmap.h"

namespace {

void BM_BmpWrite1920x1080(benchmark::State& state) {
  QTemporaryDir dir;
  TBitmap capture(1920, 1080);
  for (int y = 0; y < 1080; ++y) {
    auto* row = reinterpret_cast<QRgb*>(capture.ScanLine(y));
    for (int x = 0; x < 1920; ++x) row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
  }
  const QString ours = dir.filePath(QStringLiteral("capture.bmp"));
  const std::string source = dir.filePath(QStringLiteral("source.bin")).toStdString();
  const std::string copy = dir.filePath(QStringLiteral("copy.bin")).toStdString();
  {
    QFile file(QString::fromStdString(source));
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(54 + 4 * 1920 * 1080, '\x5A'));
  }
  const auto cp = [&] { std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing); };
  double mine = 0, copying = 0, syncing = 0;
  for (auto _ : state) {
    const double t = Seconds([&] { capture.SaveToFile(ours); });
    mine += t;
    state.SetIterationTime(t);
    copying += Seconds(cp);
    syncing += Seconds([&] {
      cp();
      const int fd = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC);
      ::fsync(fd);
      ::close(fd);
    });
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["copy_ms"] = 1000 * copying / iterations;
  state.counters["copy_sync_ms"] = 1000 * syncing / iterations;
  state.counters["ratio"] = mine / copying;
  state.counters["ratio_synced"] = mine / syncing;
}
BENCHMARK(BM_BmpWrite1920x1080)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
