#include "filesys/Subfolders.h"

#include <algorithm>

#include "filesys/FolderEntries.h"

namespace {

bool Shown(const TFolderEntry& entry, bool showHidden) {
  return (showHidden || !entry.Name().startsWith(QLatin1Char('.'))) && entry.IsFolder();
}

}  // namespace

QStringList SubfolderNames(const QString& folder, bool showHidden) {
  QStringList names;
  ForEachEntry(folder, [&](const TFolderEntry& entry) {
    if (Shown(entry, showHidden)) names.append(entry.Name());
    return true;
  });
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int caseless = a.compare(b, Qt::CaseInsensitive);
    return caseless != 0 ? caseless < 0 : a < b;
  });
  return names;
}

bool HasSubfolder(const QString& folder, bool showHidden) {
  bool found = false;
  ForEachEntry(folder, [&](const TFolderEntry& entry) {
    found = Shown(entry, showHidden);
    return !found;
  });
  return found;
}
