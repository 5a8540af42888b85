#include "pictures/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "pictures/FileFormats.h"
#include "toolkit/Exceptions.h"

namespace {

// The descriptor of the regular file at Path, opened for reading, and its
// size. Non-blocking, so that opening a FIFO with no writer returns at once;
// what it opened is looked at before a byte is read.
int OpenRegularFile(const QString& path, qint64& size) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    if (fd >= 0) ::close(fd);
    throw EFOpenError(path);
  }
  size = info.st_size;
  return fd;
}

}  // namespace

QString PictureFileExtension(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? QString() : name.mid(dot + 1);
}

bool IsPictureFile(const QString& path) { return FileFormats().FindExtension(PictureFileExtension(path)) != nullptr; }

int64_t PictureFileSize(const QString& path) {
  qint64 size = 0;
  ::close(OpenRegularFile(path, size));
  return size;
}

TPictureFile::TPictureFile(const QString& path) {
  qint64 size = 0;
  fd_ = OpenRegularFile(path, size);
  size_ = std::min<qint64>(size, kMaxPictureFileBytes);
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

TPictureFile::~TPictureFile() { ::close(fd_); }

qint64 TPictureFile::readData(char* data, qint64 maxSize) {
  const qint64 count = std::min(maxSize, size_ - pos());
  if (count <= 0) return 0;
  for (;;) {
    const ssize_t got = ::pread(fd_, data, static_cast<size_t>(count), static_cast<off_t>(pos()));
    if (got >= 0) return got;
    if (errno != EINTR) return -1;
  }
}

qint64 TPictureFile::writeData(const char*, qint64) { return -1; }
