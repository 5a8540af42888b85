#pragma once
#include <QFileDevice>
#include <QIODevice>
#include <QString>
#include <functional>

// Writes Path through Write into a new temporary file beside it, then
// renames that over Path. On any failure the temporary file is removed and
// an existing Path stays as it was. A folder or an existing file that
// cannot be written gives "Cannot create file %s"; a replaced file keeps
// its permissions, a symbolic link keeps pointing where it did. The data
// reaches the disk before the file takes the name, and the name after, so
// that a power cut never leaves an empty or partial file under it.
void WriteFileReplacing(const QString& path, const std::function<void(QIODevice&)>& write);

// The two steps that make a finished temporary file durable: its written
// data goes to the disk ("Stream write error" when the disk refuses) before
// it is named, and the folder's entries after.
void FlushToDisk(QFileDevice& file);
void SyncFolder(const QString& folder);
