#pragma once
#include <QString>

// The manual page of vellumo-render, section 1, in the man macros (UTF-8),
// made from the same table and texts as --help, so that the two never
// disagree. Version and Date (YYYY-MM-DD) go into its title line.
QString RenderManPage(const QString& version, const QString& date);
