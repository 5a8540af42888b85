#include "filesys/FolderEntries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cstring>

namespace {

// Closes a folder stream however the scope is left.
class TFolderStream {
 public:
  explicit TFolderStream(const QString& folder) : stream_(::opendir(QFile::encodeName(folder).constData())) {}
  ~TFolderStream() {
    if (stream_) ::closedir(stream_);
  }
  TFolderStream(const TFolderStream&) = delete;
  TFolderStream& operator=(const TFolderStream&) = delete;
  DIR* Get() const { return stream_; }

 private:
  DIR* stream_;
};

}  // namespace

TFolderEntry::TFolderEntry(int folder, const char* name, unsigned char type)
    : folder_(folder), bytes_(name), name_(QFile::decodeName(name)) {
  // The folder's own type saves a look-up, except for links and where the
  // file system does not tell.
  switch (type) {
    case DT_REG: kind_ = kFile; break;
    case DT_DIR: kind_ = kFolder; break;
    case DT_LNK:
    case DT_UNKNOWN: kind_ = kUnknown; break;
    default: kind_ = kOther;
  }
}

TFolderEntry::TKind TFolderEntry::Kind() const {
  if (kind_ == kUnknown) {
    struct stat status {};
    if (::fstatat(folder_, bytes_, &status, 0) != 0) kind_ = kOther;
    else kind_ = S_ISREG(status.st_mode) ? kFile : S_ISDIR(status.st_mode) ? kFolder : kOther;
  }
  return kind_;
}

bool TFolderEntry::IsWritable() const { return ::faccessat(folder_, bytes_, W_OK, 0) == 0; }

void ForEachEntry(const QString& folder, const std::function<bool(const TFolderEntry& entry)>& visit) {
  const TFolderStream stream(folder);
  if (!stream.Get()) return;
  const int descriptor = ::dirfd(stream.Get());
  while (const dirent* entry = ::readdir(stream.Get())) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    if (!visit(TFolderEntry(descriptor, entry->d_name, entry->d_type))) return;
  }
}
