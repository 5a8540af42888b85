#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// What kind of medium a volume is on: dtFloppy stands for every removable
// one (a USB stick), dtFixed for a local disk.
enum TDriveType : uint8_t { dtUnknown, dtNoDrive, dtFloppy, dtFixed, dtNetwork, dtCDROM, dtRAM };

// A mounted storage volume as the system reports it.
struct TVolume {
  QString MountPoint;          // "/" or a path without a trailing "/"
  QString Label;               // the file system's name, empty without one
  QByteArray FileSystemType;   // "ext4", "nfs", "tmpfs", ...
  QByteArray Device;           // "/dev/sda1", "server:/export", ...
  bool Removable = false;      // on a USB device
  bool Readable = false;       // its information could be read
  int64_t DeviceId = -1;       // the mount point's device number; -1 when unreadable
  int32_t MountId = -1;        // the system's number of this mount, new for every mount; -1 when unknown
};

// Whether two descriptions are of one mount of one medium.
bool SameMount(const TVolume& a, const TVolume& b);

// Where the folder tree learns the volumes; tests put a fake in its place.
class TVolumeSource {
 public:
  virtual ~TVolumeSource() = default;
  // The mounted storage volumes, pseudo file systems left out, in any order.
  virtual std::vector<TVolume> Volumes() = 0;
  // The volume at MountPoint as it is now; not readable when nothing is
  // mounted there any more.
  virtual TVolume Volume(const QString& mountPoint) = 0;
  // The user's home folder as the environment names it (HOME); none (empty)
  // unless a source says so.
  virtual QString Home() { return {}; }

  // Raised from the event loop when volumes may have been mounted or
  // unmounted, by a source that can tell.
  std::function<void()> OnChange;
};

// The home folder as a place of its own beside Volumes: Home with its links
// resolved; none (empty) when Home is empty or relative, is "/", is no
// folder or is the mount point of one of Volumes.
QString HomePlace(const QString& home, const std::vector<TVolume>& volumes);

// The home place's text: its name, then its path in brackets ("ann (/home/ann)").
QString HomeText(const QString& home);

// Local disks are fixed; NFS and SMB shares network; tmpfs RAM; ISO 9660
// and UDF CD-ROM; whatever is on USB removable; the rest unknown.
TDriveType DriveTypeOf(const TVolume& volume);

// The label lower-cased with its first letter upper-cased, then the mount
// point in brackets ("Data (/mnt/data)", " (/)"); just the bracketed mount
// point when the volume cannot be read ("(/media/cd)").
QString VolumeText(const TVolume& volume);
