#include "pictures/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "pictures/StreamIO.h"
#include "toolkit/Exceptions.h"

namespace {

// Removes the temporary file unless it has been renamed into place.
class TTemporaryFile {
 public:
  TTemporaryFile(const QDir& folder, const QString& targetName, const QString& path) {
    for (int attempt = 0; attempt < 16; ++attempt) {
      const quint32 tag = QRandomGenerator::global()->generate();
      file_.setFileName(folder.filePath(QStringLiteral(".%1.%2.tmp").arg(targetName).arg(tag, 8, 16, QLatin1Char('0'))));
      // New only: never reuses a name, and takes the default permissions.
      if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return;
      if (!file_.exists()) break;
    }
    throw EFCreateError(path);
  }
  ~TTemporaryFile() {
    if (!committed_) file_.remove();
  }
  QFile& File() { return file_; }
  void Committed() { committed_ = true; }

 private:
  QFile file_;
  bool committed_ = false;
};

}  // namespace

void WriteFileReplacing(const QString& path, const std::function<void(QIODevice&)>& write) {
  const QFileInfo given(path);
  const QFileInfo target(given.isSymLink() && given.exists() ? given.symLinkTarget() : given.absoluteFilePath());
  if (target.exists() && (target.isDir() || !target.isWritable())) throw EFCreateError(path);
  TTemporaryFile temporary(target.absoluteDir(), target.fileName(), path);
  QFile& file = temporary.File();
  write(file);
  FlushToDisk(file);
  if (target.exists()) file.setPermissions(target.permissions());
  file.close();
  if (file.error() != QFileDevice::NoError) throw EWriteError();
  if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
    throw EFCreateError(path);
  temporary.Committed();
  SyncFolder(target.absolutePath());
}

void FlushToDisk(QFileDevice& file) {
  if (!file.flush() || file.error() != QFileDevice::NoError || ::fsync(file.handle()) != 0) throw EWriteError();
}

void SyncFolder(const QString& folder) {
  // The file is complete and named by now: a folder that cannot be synced
  // (some file systems refuse) is no failure of the save.
  const int fd = ::open(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData(),
                        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
