#include "tools/render/HelpText.h"

#include <QStringList>

#include "tools/render/RenderOptions.h"

namespace {

constexpr int kNameColumn = 2;
constexpr int kHelpColumn = 28;
constexpr int kWidth = 79;

const char kUsage[] = "Usage: vellumo-render BACKGROUND [options] [BACKGROUND...]\n";

const char kDescription[] =
    "Puts the same caption on each BACKGROUND (a BMP, JPEG, PNG, HEIF or WebP\n"
    "picture, by its extension; a JPEG turned upright by its EXIF orientation)\n"
    "and writes each composition, at its picture's size, as n.bmp, n.jpg or\n"
    "n.png with the lowest n for which no such file exists, in the background's\n"
    "folder; the numbers follow the order of the backgrounds. An existing file\n"
    "is never replaced, except by --out. For each background it prints \"wrote\n"
    "PATH\" and \"label LEFT,TOP WIDTHxHEIGHT\" (the label's rectangle in the\n"
    "picture), in the order given.\n"
    "A background that cannot be read or written gets its message on standard\n"
    "error (after its path when there are several) and the others go on; with\n"
    "several backgrounds a last line says \"wrote K of N\". The status is 2 when\n"
    "any failed, and when an option is wrong (then nothing is written), else 0.\n"
    "While it works, a terminal shows its progress on standard error. Stopped\n"
    "by SIGINT or SIGTERM, it starts nothing new, leaves every file it named\n"
    "whole and no temporary file, prints \"wrote K of N\" and exits with 130 or\n"
    "143.\n";

const char kExample[] =
    "Example: the same caption on every photo of a folder, at the bottom right\n"
    "20 pixels in from the edges, its letters a twentieth of each photo's\n"
    "height, written into captioned/ with the rest of each photo as it was:\n"
    "  vellumo-render --keep-jpeg --place bottom-right --margin 20 --size 5% \\\n"
    "    --text 'Summer 2024' --style Shadow --out-dir captioned photos/*.jpg\n";

const char kListValues[] = "list values are also accepted by the control panel's Russian names";

const char kColors[] =
    "COLOR: an identifier (clRed, clBtnFace, ...), $ and eight hexadecimal digits\n"
    "($00BBGGRR), or a decimal number.\n";

// Units laid out from column Indent, at most kWidth wide, a space between
// two on a line; the first line goes on from column Start. A unit is never
// broken, so a list entry or a default stays whole.
QString Wrap(const QStringList& units, int start, int indent) {
  QString out;
  int column = start;
  for (const QString& unit : units) {
    if (column > indent && column + 1 + unit.size() > kWidth) {
      out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
      column = indent;
    } else if (column > indent) {
      out += QLatin1Char(' ');
      ++column;
    }
    out += unit;
    column += unit.size();
  }
  return out;
}

QString Entry(const TRenderOption& option) {
  QString head = QString(kNameColumn, QLatin1Char(' ')) + RenderOptionHead(option);
  if (head.size() + 1 >= kHelpColumn) head += QLatin1Char('\n') + QString(kHelpColumn, QLatin1Char(' '));
  else head = head.leftJustified(kHelpColumn);
  return head + Wrap(RenderOptionUnits(option), kHelpColumn, kHelpColumn) + QLatin1Char('\n');
}

}  // namespace

QString RenderDescription() { return QString::fromUtf8(kDescription); }

QString RenderListValuesNote() { return QString::fromUtf8(kListValues); }

QString RenderColorNote() { return QString::fromUtf8(kColors); }

QString RenderExample() { return QString::fromUtf8(kExample); }

QString RenderOptionHead(const TRenderOption& option) {
  QString head = QString::fromLatin1(option.Name);
  if (option.Argument) head += QLatin1Char(' ') + QString::fromLatin1(option.Argument);
  return head;
}

QStringList RenderOptionUnits(const TRenderOption& option) {
  QStringList units = QString::fromUtf8(option.Help).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (option.Choices) {
    units.last() += QLatin1Char(';');
    units << QStringLiteral("one") << QStringLiteral("of:");
    for (uint8_t i = 0; i < option.Choices->Count; ++i)
      units << ChoiceText(option.Choices->Items[i]) + (i + 1 < option.Choices->Count ? QStringLiteral(",") : QString());
  } else if (option.Kind == okInteger || option.Kind == okPoint) {
    units.last() += QLatin1Char(';');
    units << QStringLiteral("%1 to %2").arg(option.Min).arg(option.Max);
  } else if (option.Kind == okFontSize) {
    units.last() += QLatin1Char(';');
    units << QStringLiteral("%1 to %2,").arg(option.Min).arg(option.Max) << QStringLiteral("or")
          << QStringLiteral("%1% to %2%").arg(kMinFontPercent / 1000.0).arg(kMaxFontPercent / 1000);
  }
  if (option.Default) units << QStringLiteral("[default: %1]").arg(QString::fromUtf8(option.Default));
  return units;
}

QString RenderHelpText() {
  QString help = QString::fromUtf8(kUsage) + QLatin1Char('\n') + RenderDescription() + QLatin1Char('\n') +
                 QStringLiteral("Options (%1):\n").arg(RenderListValuesNote());
  for (const TRenderOption& option : RenderOptions()) help += Entry(option);
  return help + QLatin1Char('\n') + RenderColorNote() + QLatin1Char('\n') + RenderExample();
}
