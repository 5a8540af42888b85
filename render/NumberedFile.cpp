#include "render/NumberedFile.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "pictures/SafeFile.h"
#include "pictures/StreamIO.h"
#include "toolkit/Exceptions.h"

namespace {

// Folder + "/" + Name; the root, which ends in "/" already, gets no second
// one, and an empty folder is the current one.
QString InFolder(const QString& folder, const QString& name) {
  if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

// The process's file mode creation mask, read without changing it: setting
// it to read it back would give files that another thread creates
// meanwhile the wrong permissions.
std::optional<mode_t> CreationMask() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (!line.startsWith("Umask:")) continue;
    bool ok = false;
    const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
    if (ok) return static_cast<mode_t>(mask);
  }
  return std::nullopt;
}

// A temporary file is private to its owner; the finished picture gets the
// permissions any new file of the user gets. Where the mask cannot be read
// it stays private.
void GiveUsualPermissions(QFile& file) {
  if (const std::optional<mode_t> mask = CreationMask()) ::fchmod(file.handle(), 0666 & ~*mask);
}

enum TLinkResult : uint8_t { lrDone, lrTaken, lrFailed };

// Gives the finished file Source the name Target in one step unless Target
// exists. Where the file system has no atomic no-replace rename (some network
// file systems), a hard link does the same.
TLinkResult LinkNew(const QString& source, const QString& target) {
  const QByteArray from = QFile::encodeName(source);
  const QByteArray to = QFile::encodeName(target);
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return lrDone;
  if (errno == EINVAL || errno == ENOSYS) {
    if (::link(from.constData(), to.constData()) == 0) {
      ::unlink(from.constData());
      return lrDone;
    }
  }
  return errno == EEXIST ? lrTaken : lrFailed;
}

}  // namespace

QString NumberedFileName(const QString& folder, int32_t number, const QString& extension) {
  return InFolder(folder, QString::number(number) + extension);
}

int32_t LowestFreeNumber(const QString& folder, const QString& extension, int32_t first) {
  int32_t number = first;
  while (QFileInfo(NumberedFileName(folder, number, extension)).isFile()) ++number;
  return number;
}

TNumberedFile WriteNumberedFile(const QString& folder, const QString& extension, int32_t first,
                                const std::function<void(QIODevice& device)>& write) {
  const auto failure = [&] {
    return EFCreateError(NumberedFileName(folder, LowestFreeNumber(folder, extension, first), extension));
  };
  QTemporaryFile file(InFolder(folder, QStringLiteral(".vellumo-XXXXXX") + extension));
  if (!file.open()) throw failure();
  GiveUsualPermissions(file);
  write(file);
  FlushToDisk(file);
  file.close();
  for (int32_t number = LowestFreeNumber(folder, extension, first);;
       number = LowestFreeNumber(folder, extension, number + 1)) {
    const QString name = NumberedFileName(folder, number, extension);
    switch (LinkNew(file.fileName(), name)) {
      case lrDone:
        file.setAutoRemove(false);
        SyncFolder(folder);
        return {name, number};
      case lrTaken:
        // Another writer took the number, or something that is no file (a
        // folder, a dangling link) holds the name: go on to the next.
        continue;
      case lrFailed:
        throw EFCreateError(name);
    }
  }
}
