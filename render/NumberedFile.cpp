#include "render/NumberedFile.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <vector>
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

int SystemOpenUnnamed(const char* folder) { return ::open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666); }

int SystemRenameNoReplace(const char* from, const char* to) {
  return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

// Errors of O_TMPFILE that say the file system or the kernel cannot make a
// file without a name, rather than that the folder cannot take a file.
bool UnnamedUnsupported(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

// Errors by which a file system says it has no such call (a no-replace
// rename, a hard link), rather than that this one failed.
bool CallUnsupported(int error) {
  return error == EINVAL || error == ENOSYS || error == EPERM || error == EOPNOTSUPP;
}

enum TLinkResult : uint8_t { lrDone, lrTaken, lrFailed };

TLinkResult LinkResult() { return errno == EEXIST ? lrTaken : lrFailed; }

// Writes all of Data to Fd.
bool WriteWhole(int fd, const char* data, ssize_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

// Copies the open file From to Fd from its start.
bool CopyWhole(int from, int fd) {
  std::vector<char> buffer(1 << 20);
  for (;;) {
    const ssize_t read = ::read(from, buffer.data(), buffer.size());
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return false;
    if (read == 0) return true;
    if (!WriteWhole(fd, buffer.data(), read)) return false;
  }
}

// Copies the finished file Source to a new file Target, created only if
// nothing of that name exists, and syncs it; a copy that fails midway is
// removed. Source is removed once the copy is whole.
TLinkResult CopyNew(const QByteArray& source, const QByteArray& target) {
  const int from = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
  if (from < 0) return lrFailed;
  const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    const TLinkResult result = LinkResult();
    ::close(from);
    return result;
  }
  const bool whole = CopyWhole(from, fd) && ::fsync(fd) == 0;
  ::close(from);
  if (::close(fd) != 0 || !whole) {
    ::unlink(target.constData());
    return lrFailed;
  }
  ::unlink(source.constData());
  return lrDone;
}

// Gives the finished file Source the name Target in one step unless Target
// exists. Where the file system has no atomic no-replace rename (some network
// file systems), a hard link does the same; where it has neither, a copy.
TLinkResult LinkNew(const TNamingCalls& calls, const QString& source, const QString& target) {
  const QByteArray from = QFile::encodeName(source);
  const QByteArray to = QFile::encodeName(target);
  if (calls.RenameNoReplace(from.constData(), to.constData()) == 0) return lrDone;
  if (!CallUnsupported(errno)) return LinkResult();
  if (calls.Link(from.constData(), to.constData()) == 0) {
    ::unlink(from.constData());
    return lrDone;
  }
  if (!CallUnsupported(errno)) return LinkResult();
  return CopyNew(from, to);
}

// Gives the file without a name open as Fd the name Target unless Target
// exists: through its entry under /proc, or, where /proc is not mounted,
// through the descriptor itself (which needs privileges).
TLinkResult LinkUnnamed(int fd, const QString& target) {
  const QByteArray to = QFile::encodeName(target);
  const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
  if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW) == 0) return lrDone;
  if (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, to.constData(), AT_EMPTY_PATH) == 0) return lrDone;
  return LinkResult();
}

}  // namespace

const TNamingCalls& SystemNamingCalls() {
  static const TNamingCalls calls{SystemOpenUnnamed, SystemRenameNoReplace, ::link};
  return calls;
}

QString NumberedFileName(const QString& folder, int32_t number, const QString& extension) {
  return InFolder(folder, QString::number(number) + extension);
}

int32_t LowestFreeNumber(const QString& folder, const QString& extension, int32_t first) {
  int32_t number = first;
  while (QFileInfo(NumberedFileName(folder, number, extension)).isFile()) ++number;
  return number;
}

TNumberedFileWriter::TNumberedFileWriter(QString folder, QString extension, int32_t first, const TNamingCalls& calls)
    : calls_(calls), folder_(std::move(folder)), extension_(std::move(extension)), first_(first) {
  const QByteArray path = QFile::encodeName(folder_.isEmpty() ? QStringLiteral(".") : folder_);
  const int fd = calls_.OpenUnnamed(path.constData());
  if (fd >= 0) {
    file_ = std::make_unique<QFile>();
    if (!file_->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
      ::close(fd);
      throw CreateError();
    }
    unnamed_ = true;
    return;
  }
  if (!UnnamedUnsupported(errno)) throw CreateError();
  auto temporary = std::make_unique<QTemporaryFile>(InFolder(folder_, QStringLiteral(".vellumo-XXXXXX") + extension_));
  if (!temporary->open()) throw CreateError();
  GiveUsualPermissions(*temporary);
  file_ = std::move(temporary);
}

TNumberedFileWriter::~TNumberedFileWriter() = default;

EFCreateError TNumberedFileWriter::CreateError() const {
  return EFCreateError(NumberedFileName(folder_, LowestFreeNumber(folder_, extension_, first_), extension_));
}

void TNumberedFileWriter::Write(const std::function<void(QIODevice& device)>& write) {
  try {
    write(*file_);
  } catch (const EWriteError&) {
    throw CreateError();
  }
}

void TNumberedFileWriter::Complete() {
  if (complete_) return;
  try {
    FlushToDisk(*file_);
  } catch (const EWriteError&) {
    throw CreateError();
  }
  complete_ = true;
}

TNumberedFile TNumberedFileWriter::Commit(int32_t from) {
  Complete();
  for (int32_t number = LowestFreeNumber(folder_, extension_, std::max(first_, from));;
       number = LowestFreeNumber(folder_, extension_, number + 1)) {
    const QString name = NumberedFileName(folder_, number, extension_);
    switch (unnamed_ ? LinkUnnamed(file_->handle(), name) : LinkNew(calls_, file_->fileName(), name)) {
      case lrDone:
        if (!unnamed_) static_cast<QTemporaryFile&>(*file_).setAutoRemove(false);
        file_->close();
        SyncFolder(folder_);
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

TNumberedFile WriteNumberedFile(const QString& folder, const QString& extension, int32_t first,
                                const std::function<void(QIODevice& device)>& write) {
  TNumberedFileWriter writer(folder, extension, first);
  writer.Write(write);
  return writer.Commit();
}
