#include "tools/render/RunBackgrounds.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QThread>
#include <optional>
#include <unistd.h>

#include "pictures/Bitmap.h"
#include "tools/render/Batch.h"
#include "tools/render/Console.h"
#include "tools/render/Progress.h"

namespace {

// At most ten redraws of the progress line a second; as often the run
// looks for a stop signal.
constexpr std::chrono::milliseconds kTick(100);

}  // namespace

int RunBackgrounds(const TRenderSettings& settings, char* program, TStopSignals& stopSignals) {
  TBitmap picture;
  if (!settings.Picture.isEmpty()) picture.LoadFromFile(settings.Picture);
  const auto total = static_cast<int32_t>(settings.Backgrounds.size());
  TConsole console(total > 1 && ::isatty(STDERR_FILENO));
  QElapsedTimer clock;
  clock.start();

  // Qt keeps the arguments it was given for the application's life. It
  // reads options of its own from them (-reverse, -platform, ...), so it
  // gets the program's name alone: a caption such as "-reverse" stays one.
  int qtArgc = 1;
  char* qtArgv[] = {program, nullptr};
  // Qt takes the first thread that asks for its thread data as the main
  // thread, the one the application must be made on: this one asks now,
  // before any worker makes a file object.
  QThread::currentThread();
  std::optional<QGuiApplication> application;
  // Declared after the application: the workers are gone before it goes.
  TBatch batch(settings, picture, console);
  application.emplace(qtArgc, qtArgv);
  // The font database is read once here, before the workers look up faces.
  QFontInfo(QFont(settings.FontName)).family();
  batch.FontsReady();

  int stoppedBy = 0;
  while (!batch.WaitFor(kTick)) {
    if ((stoppedBy = stopSignals.Take()) != 0) {
      batch.Stop();
      while (!batch.WaitFor(kTick)) {
      }
      break;
    }
    console.ShowProgress(ProgressLine(batch.Done(), total, clock.elapsed() / 1000.0));
  }
  console.ClearProgress();
  if (stoppedBy != 0 || total > 1) console.Out(QStringLiteral("wrote %1 of %2\n").arg(batch.Written()).arg(total));
  if (stoppedBy != 0) return 128 + stoppedBy;
  return batch.Failed() > 0 ? 2 : 0;
}
