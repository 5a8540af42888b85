#pragma once
#include <QString>
#include <QStringList>

// The folders a folder tree shows inside Folder: folders and links to
// folders, hidden ones (a name starting with ".") only with ShowHidden,
// without "." and "..". None for a folder that cannot be read.

// Their names, sorted without regard to case; names equal but for case by
// their exact text.
QStringList SubfolderNames(const QString& folder, bool showHidden);
// Whether there is at least one; looks no further than the first.
bool HasSubfolder(const QString& folder, bool showHidden);
