#include "filesys/FileIconCache.h"

#include <QDir>
#include <QFileInfo>

QIcon TFileIconCache::Icon(const QString& folder, const QString& name, bool isFolder) {
  if (isFolder) return provider_.icon(QFileInfo(QDir(folder), name));
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString extension = dot < 0 ? QString() : name.mid(dot).toLower();
  auto cached = byExtension_.constFind(extension);
  if (cached == byExtension_.constEnd()) cached = byExtension_.insert(extension, provider_.icon(QFileInfo(QDir(folder), name)));
  return *cached;
}
