// vellumo-render BACKGROUND [options]: see --help.
#include <QGuiApplication>
#include <cstdio>

#include "tools/render/HelpText.h"
#include "tools/render/ParseArguments.h"

namespace {

void Print(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

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
    return 0;
  } catch (const Exception& error) {
    Print(stderr, error.Message() + QLatin1Char('\n'));
    return 2;
  }
}
