#include "pictures/PictureFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "toolkit/Exceptions.h"

TPictureFile::TPictureFile(const QString& path) {
  // Non-blocking, so that opening a FIFO with no writer returns at once;
  // what it opened is looked at before a byte is read.
  fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    if (fd_ >= 0) ::close(fd_);
    throw EFOpenError(path);
  }
  size_ = std::min<qint64>(info.st_size, kMaxPictureFileBytes);
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
