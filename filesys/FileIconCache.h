#pragma once
#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QString>

// The small icons of listed entries, from the platform's file icon
// provider: a folder takes its own; a file the icon of its type, kept per
// lower-case extension (dot included, empty without one) as the first file
// of that extension gave it.
class TFileIconCache {
 public:
  QIcon Icon(const QString& folder, const QString& name, bool isFolder);

 private:
  QFileIconProvider provider_;
  QHash<QString, QIcon> byExtension_;
};
