// The windows' benchmarks run inside the program's application object on
// the offscreen platform.
#include <benchmark/benchmark.h>

#include "main/Application.h"
#include "pictures/JpegStartup.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  TApplication application(qtArgc, argv);
  application.setApplicationName(QStringLiteral("Vellumo 2.0"));
  StartJpegSupport();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
