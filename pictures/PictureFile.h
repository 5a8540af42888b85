#pragma once
#include <QIODevice>
#include <QString>
#include <cstdint>

#include "pictures/DibFormat.h"

// No picture within kMaxPicturePixels needs more of its file than this: 4
// bytes a pixel (32-bit rows, run-length codes of single pixels, or the
// scans of a JPEG at any quality in practice) and room for the headers,
// colour tables and markers before them.
constexpr int64_t kMaxPictureFileBytes = 4 * kMaxPicturePixels + (int64_t(1) << 20);

// What the picture holder and the picture browser call a picture file:
// one whose extension, the text after the last "." of the path's final
// component, names a kind in the picture registry, in any letter case.
QString PictureFileExtension(const QString& path);
bool IsPictureFile(const QString& path);

// The size in bytes of the file, opened for reading as TPictureFile opens
// it: anything but a regular file (or a link to one) is "Cannot open file
// %s".
int64_t PictureFileSize(const QString& path);

// A picture file opened for reading. Anything but a regular file (or a
// link to one) is refused at once, without waiting for a writer or a
// device: a FIFO, a socket, a device, a folder, a dangling link all fail
// with "Cannot open file %s". The device ends after kMaxPictureFileBytes,
// so a longer file is read only that far (its size reads as that many
// bytes).
class TPictureFile : public QIODevice {
 public:
  explicit TPictureFile(const QString& path);
  ~TPictureFile() override;
  TPictureFile(const TPictureFile&) = delete;
  TPictureFile& operator=(const TPictureFile&) = delete;

  bool isSequential() const override { return false; }
  qint64 size() const override { return size_; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 maxSize) override;

 private:
  int fd_ = -1;
  qint64 size_ = 0;
};
