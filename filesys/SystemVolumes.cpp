#include "filesys/SystemVolumes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStorageInfo>
#include <algorithm>
#include <map>

#include "filesys/MountTable.h"

namespace {

const char kMountTable[] = "/proc/self/mountinfo";

// Whether the block device sits below a USB controller.
bool OnUsb(const QByteArray& device) {
  if (!device.startsWith("/dev/")) return false;
  const QString node = QFileInfo(QFile::decodeName(device)).canonicalFilePath();
  const QString inTree = QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(node).fileName()).canonicalFilePath();
  return inTree.contains(QLatin1String("/usb"));
}

// The storage mounts, "/" among them even where the table cannot be read.
std::vector<TMount> ListedMounts() {
  QFile table(QString::fromLatin1(kMountTable));
  const QByteArray text = table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
  std::vector<TMount> mounts = StorageMounts(ParseMountTable(text));
  const auto isRoot = [](const TMount& mount) { return mount.MountPoint == QLatin1String("/"); };
  if (std::none_of(mounts.begin(), mounts.end(), isRoot)) {
    const QStorageInfo root = QStorageInfo::root();
    TMount mount;
    mount.Root = mount.MountPoint = QStringLiteral("/");
    mount.FileSystemType = root.fileSystemType();
    mount.Source = root.device();
    mounts.insert(mounts.begin(), mount);
  }
  return mounts;
}

// Looks at the mounted medium: whether it answers, its device and label.
TVolume Describe(const TMount& mount) {
  TVolume volume;
  volume.MountPoint = mount.MountPoint;
  volume.FileSystemType = mount.FileSystemType;
  volume.Device = mount.Source;
  volume.MountId = mount.Id;
  volume.Removable = OnUsb(volume.Device);
  const QByteArray path = QFile::encodeName(volume.MountPoint);
  struct stat status {};
  struct statvfs space {};
  volume.Readable = ::stat(path.constData(), &status) == 0 && ::statvfs(path.constData(), &space) == 0;
  if (!volume.Readable) return volume;
  volume.DeviceId = static_cast<int64_t>(status.st_dev);
  const QStorageInfo storage(volume.MountPoint);
  if (storage.rootPath() == volume.MountPoint) volume.Label = storage.name();
  return volume;
}

bool SameEntry(const TVolume& volume, const TMount& mount) {
  return volume.MountPoint == mount.MountPoint && volume.Device == mount.Source &&
         volume.FileSystemType == mount.FileSystemType;
}

class TSystemVolumes : public TVolumeSource {
 public:
  TSystemVolumes() : table_(::open(kMountTable, O_RDONLY | O_CLOEXEC)) {
    // The table tells of a mount or an unmount by POLLPRI. It is always
    // readable, so a notifier for reading would fire without end.
    if (table_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(table_, QSocketNotifier::Exception);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
      if (OnChange) OnChange();
    });
  }
  ~TSystemVolumes() override {
    notifier_.reset();
    if (table_ >= 0) ::close(table_);
  }
  TSystemVolumes(const TSystemVolumes&) = delete;
  TSystemVolumes& operator=(const TSystemVolumes&) = delete;

  std::vector<TVolume> Volumes() override {
    // A mount that stands is looked at once: a table that changes often
    // (a share that comes and goes) costs a read of the table, not a look
    // at every medium.
    std::map<int32_t, TVolume> described;
    std::vector<TVolume> volumes;
    for (const TMount& mount : ListedMounts()) {
      const auto known = described_.find(mount.Id);
      const bool same = known != described_.end() && SameEntry(known->second, mount);
      volumes.push_back(same ? known->second : Describe(mount));
      described[mount.Id] = volumes.back();
    }
    described_ = std::move(described);
    return volumes;
  }

  TVolume Volume(const QString& mountPoint) override {
    for (const TMount& mount : ListedMounts()) {
      if (mount.MountPoint == mountPoint) return Describe(mount);
    }
    TVolume gone;
    gone.MountPoint = mountPoint;
    return gone;
  }

  QString Home() override { return qEnvironmentVariable("HOME"); }

 private:
  const int table_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::map<int32_t, TVolume> described_;
};

}  // namespace

std::unique_ptr<TVolumeSource> SystemVolumes() { return std::make_unique<TSystemVolumes>(); }
