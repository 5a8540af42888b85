#pragma once
#include <QIODevice>
#include <QString>
#include <functional>

// Writes Path through Write into a new temporary file beside it, then
// renames that over Path. On any failure the temporary file is removed and
// an existing Path stays as it was. A folder or an existing file that
// cannot be written gives "Cannot create file %s"; a replaced file keeps
// its permissions, a symbolic link keeps pointing where it did.
void WriteFileReplacing(const QString& path, const std::function<void(QIODevice&)>& write);
