#include "filesys/Volumes.h"

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
