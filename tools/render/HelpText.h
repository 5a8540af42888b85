#pragma once
#include <QString>
#include <QStringList>

struct TRenderOption;

// The text of --help: the usage, then every option with its values, range
// and default, from the options table.
QString RenderHelpText();

// The parts of the help that the manual page shows as well, so that the two
// say the same. The description and the note on colours are lines as the
// help wraps them.
QString RenderDescription();
QString RenderListValuesNote();  // what the help's options heading adds in brackets
QString RenderColorNote();
QString RenderExample();  // a folder of photos, the command indented
// "--size POINTS": the option's name and, unless it is a flag, its value.
QString RenderOptionHead(const TRenderOption& option);
// What the help says after the head: its text, the values or the range and
// the default, as units that a line break never splits ("0 to 100").
QStringList RenderOptionUnits(const TRenderOption& option);
