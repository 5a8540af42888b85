#include "filesys/SystemVolumes.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <map>


namespace {

// Whether the block device sits below a USB controller.
bool OnUsb(const QByteArray& device) {
  if (!device.startsWith("/dev/")) return false;
  const QString node = QFileInfo(QFile::decodeName(device)).canonicalFilePath();
  const QString inTree = QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(node).fileName()).canonicalFilePath();
  return inTree.contains(QLatin1String("/usb"));
}

TVolume Describe(const QStorageInfo& storage) {
  TVolume volume;
  volume.MountPoint = storage.rootPath();
  volume.Label = storage.name();
  volume.FileSystemType = storage.fileSystemType();
  volume.Device = storage.device();
  volume.Removable = OnUsb(volume.Device);
  struct stat status {};
  const bool statted = ::stat(QFile::encodeName(volume.MountPoint).constData(), &status) == 0;
  volume.Readable = statted && storage.isValid() && storage.isReady();
  volume.DeviceId = volume.Readable ? static_cast<int64_t>(status.st_dev) : -1;
  return volume;
}

class TSystemVolumes : public TVolumeSource {
 public:
  std::vector<TVolume> Volumes() override {
    QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();
    // Qt takes a root that is on no device (a container's overlay) for a
    // pseudo file system; it is the root all the same.
    const auto isRoot = [](const QStorageInfo& storage) { return storage.isRoot(); };
    if (std::none_of(mounted.begin(), mounted.end(), isRoot)) mounted.prepend(QStorageInfo::root());
    // A mount point mounted over again shows the last volume; one that is
    // a file (a bind-mounted file) holds no folders.
    std::map<QString, TVolume> byMountPoint;
    for (const QStorageInfo& storage : mounted) {
      if (QFileInfo(storage.rootPath()).isDir()) byMountPoint[storage.rootPath()] = Describe(storage);
    }
    std::vector<TVolume> volumes;
    for (auto& entry : byMountPoint) volumes.push_back(std::move(entry.second));
    return volumes;
  }

  TVolume Volume(const QString& mountPoint) override {
    const QStorageInfo storage(mountPoint);
    if (storage.rootPath() == mountPoint) return Describe(storage);
    TVolume gone;
    gone.MountPoint = mountPoint;
    return gone;
  }
};

}  // namespace

std::unique_ptr<TVolumeSource> SystemVolumes() { return std::make_unique<TSystemVolumes>(); }
