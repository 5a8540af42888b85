#include "filesys/Subfolders.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>

namespace {

QDir::Filters Subfolders(bool showHidden) {
  return QDir::Dirs | QDir::NoDotAndDotDot | (showHidden ? QDir::Hidden : QDir::Filters());
}

}  // namespace

QStringList SubfolderNames(const QString& folder, bool showHidden) {
  QStringList names = QDir(folder).entryList(Subfolders(showHidden), QDir::Unsorted);
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int caseless = a.compare(b, Qt::CaseInsensitive);
    return caseless != 0 ? caseless < 0 : a < b;
  });
  return names;
}

bool HasSubfolder(const QString& folder, bool showHidden) {
  return QDirIterator(folder, Subfolders(showHidden)).hasNext();
}
