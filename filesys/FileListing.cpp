#include "filesys/FileListing.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

#include "filesys/FolderEntries.h"
#include "filesys/Wildcard.h"

namespace {

bool MatchesAny(const QString& name, const QStringList& masks) {
  return std::any_of(masks.begin(), masks.end(), [&](const QString& mask) { return MatchesMask(name, mask); });
}

bool Kept(const TFolderEntry& entry, bool folder, TFileType fileType) {
  TFileType attributes = 0;
  if (folder) attributes |= FileAttrBit(ftDirectory);
  if (entry.Name().startsWith(QLatin1Char('.'))) attributes |= FileAttrBit(ftHidden);
  constexpr TFileType kSkippedOutside =
      FileAttrBit(ftHidden) | FileAttrBit(ftSystem) | FileAttrBit(ftVolumeID) | FileAttrBit(ftDirectory);
  if (attributes & kSkippedOutside & ~fileType) return false;
  if (fileType & FileAttrBit(ftNormal)) return true;
  // Asking for write access costs a call per entry: only when it decides.
  if ((fileType & FileAttrBit(ftReadOnly)) && !entry.IsWritable()) attributes |= FileAttrBit(ftReadOnly);
  return (attributes & fileType) != 0;
}

}  // namespace

std::vector<TRzFileInfo> ListFolder(const QString& folder, const QStringList& masks, TFileType fileType,
                                    const std::function<void(size_t taken)>& taken) {
  std::vector<TRzFileInfo> files;
  // The masks come first, so that only the names they match are looked at
  // further.
  ForEachEntry(folder, [&](const TFolderEntry& entry) {
    if (!MatchesAny(entry.Name(), masks)) return true;
    const bool isFolder = entry.IsFolder();
    if (!isFolder && !entry.IsFile()) return true;
    if (!Kept(entry, isFolder, fileType)) return true;
    files.push_back({entry.Name(), isFolder, QIcon()});
    if (taken) taken(files.size());
    return true;
  });
  return files;
}

void SortFiles(std::vector<TRzFileInfo>& files) {
  if (files.size() < 2) return;
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  // Keys of the case-folded names: the C locale's keys would tell case
  // apart otherwise.
  std::vector<QCollatorSortKey> keys;
  keys.reserve(files.size());
  for (const TRzFileInfo& file : files) keys.push_back(collator.sortKey(file.Name.toCaseFolded()));
  std::vector<size_t> order(files.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (files[a].Folder != files[b].Folder) return files[a].Folder;
    const int byLocale = keys[a].compare(keys[b]);
    return byLocale != 0 ? byLocale < 0 : files[a].Name < files[b].Name;
  });
  std::vector<TRzFileInfo> sorted;
  sorted.reserve(files.size());
  for (size_t index : order) sorted.push_back(std::move(files[index]));
  files = std::move(sorted);
}
