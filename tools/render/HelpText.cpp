#include "tools/render/HelpText.h"

#include <QStringList>

#include "tools/render/RenderOptions.h"

namespace {

constexpr int kNameColumn = 2;
constexpr int kHelpColumn = 28;
constexpr int kWidth = 79;

const char kUsage[] = "Usage: vellumo-render BACKGROUND [options]\n";

const char kDescription[] =
    "Puts a caption on BACKGROUND (a BMP, JPEG, PNG, HEIF or WebP picture, by its\n"
    "extension; a JPEG turned upright by its EXIF orientation) and writes the\n"
    "composition, at the picture's size, as n.bmp, n.jpg or n.png with the\n"
    "lowest n for which no such file exists, in the background's folder. An\n"
    "existing file is never replaced, except by --out. On success it prints\n"
    "\"wrote PATH\" and \"label LEFT,TOP WIDTHxHEIGHT\" (the label's rectangle in\n"
    "the picture); on any error, the message on standard error and status 2,\n"
    "and no file is written.\n";

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
  }
  if (option.Default) units << QStringLiteral("[default: %1]").arg(QString::fromUtf8(option.Default));
  return units;
}

QString RenderHelpText() {
  QString help = QString::fromUtf8(kUsage) + QLatin1Char('\n') + RenderDescription() + QLatin1Char('\n') +
                 QStringLiteral("Options (%1):\n").arg(RenderListValuesNote());
  for (const TRenderOption& option : RenderOptions()) help += Entry(option);
  return help + QLatin1Char('\n') + RenderColorNote();
}
