#pragma once
#include <QIcon>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

// Which entries a file list shows. Hidden entries are those whose name
// starts with "."; read-only ones those the user cannot write. The system,
// volume-label and archive attributes never occur.
enum TFileAttr : uint8_t { ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal };
using TFileType = uint8_t;  // bit n for the attribute of ordinal n
constexpr TFileType FileAttrBit(TFileAttr attr) { return static_cast<TFileType>(1u << attr); }

// One listed entry.
struct TRzFileInfo {
  QString Name;
  bool Folder = false;
  QIcon Icon;
};

// The entries of Folder that match one of Masks (tried in order, each name
// taken once) and that FileType keeps: an entry with a hidden or folder
// attribute outside FileType is skipped; the rest are kept when FileType
// holds ftNormal or when they have an attribute in it. Only regular files
// and folders are entries, links to them included; FIFOs, sockets, devices
// and broken links never are. Names that are not valid UTF-8 are listed as
// well as they decode. A folder that cannot be read has none.
// Taken runs after each entry taken with the number taken so far. The
// entries come in the folder's own order, without icons.
std::vector<TRzFileInfo> ListFolder(const QString& folder, const QStringList& masks, TFileType fileType,
                                    const std::function<void(size_t taken)>& taken);

// Folders before files, then by name in the user's locale without regard
// to case; names equal but for case by their exact text.
void SortFiles(std::vector<TRzFileInfo>& files);
