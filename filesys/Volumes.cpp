#include "filesys/Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

TDriveType DriveTypeOf(const TVolume& volume) {
  const QByteArray& type = volume.FileSystemType;
  if (volume.Removable) return dtFloppy;
  if (type == "nfs" || type == "nfs4" || type == "cifs" || type == "smb3" || type == "smbfs") return dtNetwork;
  if (type == "tmpfs" || type == "ramfs") return dtRAM;
  if (type == "iso9660" || type == "udf") return dtCDROM;
  if (volume.Device.startsWith("/dev/") || type == "overlay") return dtFixed;
  return dtUnknown;
}

QString VolumeText(const TVolume& volume) {
  const QString place = QLatin1Char('(') + volume.MountPoint + QLatin1Char(')');
  if (!volume.Readable) return place;
  QString label = volume.Label.toLower();
  if (!label.isEmpty()) label[0] = label[0].toUpper();
  return label + QLatin1Char(' ') + place;
}

bool SameMount(const TVolume& a, const TVolume& b) { return a.DeviceId == b.DeviceId && a.MountId == b.MountId; }

QString HomePlace(const QString& home, const std::vector<TVolume>& volumes) {
  if (home.isEmpty() || QDir::isRelativePath(home)) return {};
  const QFileInfo folder(home);
  const QString place = folder.canonicalFilePath();
  if (place.isEmpty() || place == QDir::rootPath() || !folder.isDir()) return {};
  const bool mounted = std::any_of(volumes.begin(), volumes.end(),
                                   [&](const TVolume& volume) { return volume.MountPoint == place; });
  return mounted ? QString() : place;
}

QString HomeText(const QString& home) {
  return QFileInfo(home).fileName() + QStringLiteral(" (") + home + QLatin1Char(')');
}
