#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
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
};

// Where the folder tree learns the volumes; tests put a fake in its place.
class TVolumeSource {
 public:
  virtual ~TVolumeSource() = default;
  // The mounted storage volumes, pseudo file systems left out, in any order.
  virtual std::vector<TVolume> Volumes() = 0;
  // The volume at MountPoint as it is now; not readable when nothing is
  // mounted there any more.
  virtual TVolume Volume(const QString& mountPoint) = 0;
};

// Local disks are fixed; NFS and SMB shares network; tmpfs RAM; ISO 9660
// and UDF CD-ROM; whatever is on USB removable; the rest unknown.
TDriveType DriveTypeOf(const TVolume& volume);

// The label lower-cased with its first letter upper-cased, then the mount
// point in brackets ("Data (/mnt/data)", " (/)"); just the bracketed mount
// point when the volume cannot be read ("(/media/cd)").
QString VolumeText(const TVolume& volume);
