// vellumo-render BACKGROUND [options] [BACKGROUND...]: puts a caption on
// pictures and writes the compositions; see --help.
#include <QString>
#include <cstdio>
#include <malloc.h>
#include <new>

#include "pictures/JpegStartup.h"
#include "tools/render/HelpText.h"
#include "tools/render/ParseArguments.h"
#include "tools/render/RunBackgrounds.h"
#include "tools/render/StopSignals.h"

namespace {

void Print(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// Standard error carries the system's messages only: Qt's own warnings
// (a missing runtime folder, say) are no business of the user's.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) Print(stderr, message + QLatin1Char('\n'));
}

}  // namespace

int main(int argc, char** argv) {
  // Before any thread starts, so that every thread holds them back.
  TStopSignals stopSignals;
  // Each picture's buffers (pixels, coefficients) are freed and asked for
  // again at once by the next picture: the allocator keeps them rather
  // than give them back to the system and have every page faulted in and
  // cleared anew. At most one picture per thread is held.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  try {
    const TRenderSettings settings = ParseArguments(arguments);
    if (settings.Help) {
      Print(stdout, RenderHelpText());
      return 0;
    }
    if (settings.Version) {
      Print(stdout, QStringLiteral("vellumo-render " VELLUMO_VERSION "\n"));
      return 0;
    }
    // Fonts need a GUI application; the tool never shows a window, nor
    // needs the X11 and GLX probing of the offscreen platform. The
    // environment is set before any other thread can read it.
    qInstallMessageHandler(QuietQt);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
    StartJpegSupport();
    return RunBackgrounds(settings, argv[0], stopSignals);
  } catch (const Exception& error) {
    Print(stderr, error.Message() + QLatin1Char('\n'));
  } catch (const std::bad_alloc&) {
    Print(stderr, QStringLiteral("Out of memory\n"));
  }
  return 2;
}
