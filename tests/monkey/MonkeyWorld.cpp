#include "monkey/MonkeyWorld.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "filesys/Volumes.h"
#include "forms/Unit4.h"
#include "main/Program.h"
#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "pictures/PngCodec.h"
#include "support/widget/ProgramTestSupport.h"

namespace {

// The world's root as the tree's one volume, and no home folder.
class TWorldVolume : public TVolumeSource {
 public:
  explicit TWorldVolume(QString root) : root_(std::move(root)) {}
  std::vector<TVolume> Volumes() override { return {Volume(root_)}; }
  TVolume Volume(const QString& mountPoint) override {
    return {mountPoint, QStringLiteral("World"), "ext4", "/dev/world", false, mountPoint == root_, 1};
  }

 private:
  const QString root_;
};

QByteArray JpegBytes(int32_t width, int32_t height) {
  TJPEGImage jpeg;
  jpeg.Assign(TBitmap(TestPicture(width, height)));
  return jpeg.SaveToBytes();
}

QByteArray BmpBytes(int32_t width, int32_t height) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  TBitmap(TestPicture(width, height)).SaveToStream(buffer);
  return bytes;
}

}  // namespace

TMonkeyWorld::TMonkeyWorld()
    : root_(QFileInfo(dir_.path()).canonicalFilePath()),
      savedCurrent_(QDir::currentPath()) {
  QDir(root_).mkpath(QStringLiteral("sub"));
  // Two ways back up: a tree that walks by itself would read 2^n folders
  // n levels down, not n.
  QFile::link(QStringLiteral(".."), root_ + QStringLiteral("/sub/loop"));
  QFile::link(QStringLiteral(".."), root_ + QStringLiteral("/sub/back"));
  Write(QStringLiteral("wide.bmp"), BmpBytes(160, 90));
  Write(QStringLiteral("tall.jpg"), JpegBytes(60, 110));
  Write(QStringLiteral("PHOTO.JPG"), JpegBytes(120, 80));
  Write(QStringLiteral("sub/tiny.bmp"), BmpBytes(3, 2));
  Write(QStringLiteral("screen.png"), EncodePng(TestPicture(90, 70)));
  Write(QStringLiteral("corrupt.jpg"), JpegBytes(40, 40).left(300));
  Write(QStringLiteral("broken.webp"), QByteArray("RIFF\x20\0\0\0WEBPVP8 ", 16));
  Write(QStringLiteral("locked.bmp"), BmpBytes(8, 8));
  ::chmod(QFile::encodeName(root_ + QStringLiteral("/locked.bmp")).constData(), 0);
  QDir::setCurrent(root_);
}

TMonkeyWorld::~TMonkeyWorld() { QDir::setCurrent(savedCurrent_); }

std::unique_ptr<TProgramWindows> TMonkeyWorld::MakeWindows(TApplication& application) const {
  TWindowMakers makers = TWindowMakers::Program();
  makers.MakeForm4 = [root = root_] { return std::make_unique<TForm4>(std::make_unique<TWorldVolume>(root)); };
  return std::make_unique<TProgramWindows>(application, makers);
}

void TMonkeyWorld::Write(const QString& name, const QByteArray& bytes) {
  QFile file(root_ + QLatin1Char('/') + name);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  made_ << name;
}
