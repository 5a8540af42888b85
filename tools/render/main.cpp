// vellumo-render BACKGROUND [options]: puts a caption on a picture and
// writes the composition; see --help.
#include <QGuiApplication>
#include <cstdio>
#include <new>

#include "pictures/JpegStartup.h"
#include "tools/render/HelpText.h"
#include "tools/render/ParseArguments.h"
#include "tools/render/RenderJob.h"

namespace {

void Print(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// Standard error carries the system's messages only: Qt's own warnings
// (a missing runtime folder, say) are no business of the user's.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) Print(stderr, message + QLatin1Char('\n'));
}

}  // namespace

int main(int argc, char** argv) {
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
    // The background is decoded while the GUI application starts.
    TRenderJob job(settings);
    // Qt reads options of its own from the command line (-reverse,
    // -platform, ...); a caption such as "-reverse" must stay a caption.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    const TRenderResult result = job.Finish();
    const TRect& label = result.Label;
    Print(stdout, QStringLiteral("wrote %1\nlabel %2,%3 %4x%5\n")
                      .arg(result.Path)
                      .arg(label.Left)
                      .arg(label.Top)
                      .arg(label.Width())
                      .arg(label.Height()));
    return 0;
  } catch (const Exception& error) {
    Print(stderr, error.Message() + QLatin1Char('\n'));
  } catch (const std::bad_alloc&) {
    Print(stderr, QStringLiteral("Out of memory\n"));
  }
  return 2;
}
