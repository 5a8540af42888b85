#include "tools/render/ManPage.h"

#include <QStringList>

#include "tools/render/HelpText.h"
#include "tools/render/RenderOptions.h"

namespace {

// Text as roff prints it literally: the backslash, the hyphen (which roff
// would set as a typographic hyphen, and which options must keep) and the
// quotes escaped; a line that would start with a control character is
// guarded. Line breaks stay, and roff fills the lines anew.
QString Roff(const QString& text) {
  QString out;
  bool lineStart = true;
  for (const QChar c : text) {
    if (lineStart && c == QLatin1Char('.')) out += QStringLiteral("\\&");
    if (c == QLatin1Char('\\')) out += QStringLiteral("\\e");
    else if (c == QLatin1Char('-')) out += QStringLiteral("\\-");
    else if (c == QLatin1Char('\'')) out += QStringLiteral("\\(aq");
    else if (c == QLatin1Char('`')) out += QStringLiteral("\\(ga");
    else out += c;
    lineStart = c == QLatin1Char('\n');
  }
  return out;
}

// The help's units joined by spaces; the spaces inside a unit cannot break.
QString RoffUnits(const QStringList& units) {
  QStringList out;
  for (const QString& unit : units) out << Roff(unit).replace(QLatin1Char(' '), QStringLiteral("\\ "));
  return out.join(QLatin1Char(' '));
}

// The head in bold, its value's name in italics: "\fB\-\-size\fR \fIPOINTS\fR".
QString Tag(const TRenderOption& option) {
  QString tag = QStringLiteral("\\fB%1\\fR").arg(Roff(QString::fromLatin1(option.Name)));
  if (option.Argument) tag += QStringLiteral(" \\fI%1\\fR").arg(Roff(QString::fromLatin1(option.Argument)));
  return tag;
}

// The help's example: its text filled, the command (the lines the help
// indents by two) kept as it is, indented.
QString ExampleSection(const QString& example) {
  QString text;
  QString command;
  for (const QString& line : example.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    if (line.startsWith(QLatin1String("  "))) command += line.mid(2) + QLatin1Char('\n');
    else text += line + QLatin1Char('\n');
  }
  return Roff(text) + QStringLiteral(".PP\n.RS 4\n.nf\n") + Roff(command) + QStringLiteral(".fi\n.RE\n");
}

QString Sentence(QString text) {
  text[0] = text[0].toUpper();
  return text + QLatin1Char('.');
}

}  // namespace

QString RenderManPage(const QString& version, const QString& date) {
  QString page = QStringLiteral(
                     ".\\\" -*- coding: UTF-8 -*-\n"
                     ".\\\" Made by the build from the options of vellumo-render.\n"
                     ".TH VELLUMO\\-RENDER 1 %1 \"Vellumo %2\" \"User Commands\"\n"
                     ".nh\n"
                     ".ad l\n"
                     ".SH NAME\n"
                     "vellumo\\-render \\- put a decorative caption on a picture\n"
                     ".SH SYNOPSIS\n"
                     ".B vellumo\\-render\n"
                     ".I BACKGROUND\n"
                     ".RI [ options ]\n"
                     ".RI [ BACKGROUND ...]\n"
                     ".SH DESCRIPTION\n")
                     .arg(date, version);
  page += Roff(RenderDescription());
  page += QStringLiteral(".SH OPTIONS\n") + Roff(Sentence(RenderListValuesNote())) + QLatin1Char('\n');
  for (const TRenderOption& option : RenderOptions())
    page += QStringLiteral(".TP\n") + Tag(option) + QLatin1Char('\n') + RoffUnits(RenderOptionUnits(option)) + QLatin1Char('\n');
  page += QStringLiteral(".SH COLORS\n") + Roff(RenderColorNote());
  page += QStringLiteral(".SH EXAMPLES\n") + ExampleSection(RenderExample());
  page += QStringLiteral(".SH SEE ALSO\n.BR vellumo (1)\n");
  return page;
}
