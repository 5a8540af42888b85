#pragma once
#include <QString>
#include <cstdint>
#include <functional>

// One entry of a folder being read. What it is, is looked up on the first
// question and only then; a link counts as what it points to.
class TFolderEntry {
 public:
  TFolderEntry(int folder, const char* name, unsigned char type);
  // It points into the folder's read buffer and descriptor, which live only
  // while the entry is being visited.
  TFolderEntry(const TFolderEntry&) = delete;
  TFolderEntry& operator=(const TFolderEntry&) = delete;

  // Decoded from the file system's bytes as UTF-8; what is not valid UTF-8
  // becomes U+FFFD, so such a name may not open again.
  const QString& Name() const { return name_; }
  // A regular file, or a link to one.
  bool IsFile() const { return Kind() == kFile; }
  // A folder, or a link to one.
  bool IsFolder() const { return Kind() == kFolder; }
  bool IsWritable() const;

 private:
  enum TKind : uint8_t { kUnknown, kFile, kFolder, kOther };
  TKind Kind() const;

  int folder_;
  const char* bytes_;
  QString name_;
  mutable TKind kind_;
};

// Calls Visit for every entry of Folder but "." and "..", in the folder's
// own order, until Visit returns false. A folder that cannot be read has
// no entries; unlike Qt's listing, names that are not valid UTF-8 are
// entries too.
void ForEachEntry(const QString& folder, const std::function<bool(const TFolderEntry& entry)>& visit);
