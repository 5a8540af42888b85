// Decoding and encoding a 4000 x 3000 JPEG against libjpeg-turbo's own
// tools on the same file: djpeg -dct float and cjpeg -quality 90 -dct
// float. Each iteration times both; the "ratio" counter is ours / theirs
// (goal: at most 1.15). The tools' times include starting their process.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <memory>

#include "bench/Seconds.h"
#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// A photo-like picture: smooth colour fields with fine texture.
bool Paint(TBitmap& b) {
  uint32_t noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(b.ScanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int grain = static_cast<int>(noise >> 28) - 8;
      const int r = static_cast<int>(128 + 100 * std::sin(x * 0.003) * std::cos(y * 0.002)) + grain;
      const int g = static_cast<int>(128 + 90 * std::sin((x + y) * 0.004)) + grain;
      const int bl = static_cast<int>(128 + 80 * std::cos(x * 0.011 - y * 0.007)) + grain;
      row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(bl, 0, 255));
    }
  }
  return true;
}

const TBitmap& Photo() {
  static TBitmap photo(kWidth, kHeight);
  static const bool painted = Paint(photo);
  static_cast<void>(painted);
  return photo;
}

struct TFiles {
  QTemporaryDir dir;
  QString jpeg, ppm, ours, theirs;
  TFiles() {
    jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    ppm = dir.filePath(QStringLiteral("photo.ppm"));
    ours = dir.filePath(QStringLiteral("ours.jpg"));
    theirs = dir.filePath(QStringLiteral("theirs.jpg"));
    TJPEGImage encoder;
    encoder.Assign(Photo());
    encoder.SaveToFile(jpeg);
    QFile out(ppm);
    out.open(QIODevice::WriteOnly);
    out.write(QStringLiteral("P6\n%1 %2\n255\n").arg(kWidth).arg(kHeight).toLatin1());
    QByteArray row(kWidth * 3, Qt::Uninitialized);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const QRgb p = Photo().Surface().Pixel(x, y);
        row[3 * x] = static_cast<char>(qRed(p));
        row[3 * x + 1] = static_cast<char>(qGreen(p));
        row[3 * x + 2] = static_cast<char>(qBlue(p));
      }
      out.write(row);
    }
  }
};

TFiles& Files() {
  static TFiles files;
  return files;
}

void RunTool(benchmark::State& state, const QString& tool, const QStringList& arguments) {
  if (QProcess::execute(tool, arguments) != 0) state.SkipWithError(qPrintable(tool + QStringLiteral(" failed")));
}

void BM_JpegDecode4000x3000(benchmark::State& state) {
  TFiles& files = Files();
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    // The picture is freed outside the timed part.
    auto jpeg = std::make_unique<TJPEGImage>();
    const double t = Seconds([&] {
      jpeg->LoadFromFile(files.jpeg);
      jpeg->DIBNeeded();
    });
    jpeg.reset();
    ours += t;
    state.SetIterationTime(t);
    theirs += Seconds([&] {
      RunTool(state, QStringLiteral("djpeg"), {QStringLiteral("-dct"), QStringLiteral("float"), QStringLiteral("-outfile"),
                                               QStringLiteral("/dev/null"), files.jpeg});
    });
  }
  state.counters["djpeg_ms"] = 1000 * theirs / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / theirs;
}
BENCHMARK(BM_JpegDecode4000x3000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_JpegEncode4000x3000(benchmark::State& state) {
  TFiles& files = Files();
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    auto jpeg = std::make_unique<TJPEGImage>();
    const double t = Seconds([&] {
      jpeg->Assign(Photo());
      jpeg->SaveToFile(files.ours);
    });
    jpeg.reset();
    ours += t;
    state.SetIterationTime(t);
    theirs += Seconds([&] {
      RunTool(state, QStringLiteral("cjpeg"), {QStringLiteral("-quality"), QStringLiteral("90"), QStringLiteral("-dct"),
                                               QStringLiteral("float"), QStringLiteral("-outfile"), files.theirs, files.ppm});
    });
  }
  state.counters["cjpeg_ms"] = 1000 * theirs / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / theirs;
}
BENCHMARK(BM_JpegEncode4000x3000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace
