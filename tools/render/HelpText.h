#pragma once
#include <QString>

// The text of --help: the usage, then every option with its values, range
// and default, from the options table.
QString RenderHelpText();
