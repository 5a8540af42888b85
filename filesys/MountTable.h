#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// One line of the kernel's table of mounts (/proc/self/mountinfo):
// "ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS".
struct TMount {
  int32_t Id = -1;           // new for every mount, never reused while it stands
  uint32_t Major = 0;        // the device number of the files on it
  uint32_t Minor = 0;
  QString Root;              // the folder of the file system seen there; "/" unless bound
  QString MountPoint;
  QByteArray FileSystemType;  // "ext4", "fuse.sshfs", ...
  QByteArray Source;          // "/dev/sda1", "host:/photos", "tmpfs", ...
  QByteArray SuperOptions;    // "rw,subvol=/@home", ...
};

// The mounts of a table in its order, the kernel's octal escapes decoded
// ("MY\040PHOTOS" is "MY PHOTOS"). Lines that do not have the form above
// are left out.
std::vector<TMount> ParseMountTable(const QByteArray& text);

// The mounts a person keeps pictures on: "/" whatever it is; file systems
// on a block device, network shares (NFS, SMB, SSH) and whatever is
// mounted for removable media under /media or /run/media. Never pseudo and
// system file systems (proc, tmpfs, overlay, squashfs images, autofs
// placeholders, ...), mount points below /proc, /sys, /dev, /run (but
// /run/media), /boot and /snap, nor bind mounts of a folder within a file
// system (a root other than "/", or other than a btrfs subvolume's own).
// Where one mount covers another at the same mount point, only the later
// counts. In table order.
std::vector<TMount> StorageMounts(const std::vector<TMount>& table);
