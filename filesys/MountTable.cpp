#include "filesys/MountTable.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <array>

namespace {

const QString kRoot = QStringLiteral("/");

// Kinds of file system that hold no one's pictures: the kernel's views of
// itself, memory, images of installed software and placeholders of mounts
// to come.
constexpr std::array<const char*, 29> kSystemTypes = {
    "autofs",  "binfmt_misc", "bpf",      "cgroup",     "cgroup2",  "configfs",   "debugfs",   "devpts",
    "devtmpfs", "efivarfs",  "erofs",    "fusectl",    "hugetlbfs", "mqueue",    "nfsd",      "nsfs",
    "overlay", "proc",        "pstore",   "ramfs",      "rpc_pipefs", "securityfs", "selinuxfs", "squashfs",
    "sysfs",   "tmpfs",       "fuse.gvfsd-fuse", "fuse.lxcfs", "fuse.portal"};
constexpr std::array<const char*, 6> kNetworkTypes = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs"};
// Where the system keeps its own mounts; removable media are mounted below
// the media folders, one of which lies in /run.
constexpr std::array<const char*, 6> kSystemFolders = {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"};
constexpr std::array<const char*, 2> kMediaFolders = {"/media", "/run/media"};

template <size_t N>
bool OneOf(const QByteArray& value, const std::array<const char*, N>& list) {
  return std::any_of(list.begin(), list.end(), [&](const char* item) { return value == item; });
}

// Path is Folder or lies below it.
template <size_t N>
bool BelowOneOf(const QString& path, const std::array<const char*, N>& folders) {
  return std::any_of(folders.begin(), folders.end(), [&](const char* folder) {
    const QLatin1String name(folder);
    return path.startsWith(name) && (path.size() == name.size() || path.at(name.size()) == QLatin1Char('/'));
  });
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The table writes a space, tab, newline and backslash in a field as "\"
// and three octal digits.
QByteArray Unescape(const QByteArray& field) {
  QByteArray bytes;
  bytes.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
        IsOctal(field[i + 3])) {
      bytes.append(static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
      i += 3;
    } else {
      bytes.append(field[i]);
    }
  }
  return bytes;
}

QString PathOf(const QByteArray& field) { return QFile::decodeName(Unescape(field)); }

// The subvolume a btrfs mount shows ("subvol=/@home"); its root field names
// the same folder without it being a bind mount.
QString Subvolume(const QByteArray& superOptions) {
  for (const QByteArray& option : superOptions.split(',')) {
    if (option.startsWith("subvol=")) return PathOf(option.mid(7));
  }
  return {};
}

bool IsStorage(const TMount& mount) {
  if (mount.MountPoint == kRoot) return true;
  if (OneOf(mount.FileSystemType, kSystemTypes)) return false;
  if (mount.Root != kRoot && mount.Root != Subvolume(mount.SuperOptions)) return false;
  const bool media = BelowOneOf(mount.MountPoint, kMediaFolders);
  if (!media && BelowOneOf(mount.MountPoint, kSystemFolders)) return false;
  return media || OneOf(mount.FileSystemType, kNetworkTypes) || mount.Source.startsWith("/dev/");
}

}  // namespace

std::vector<TMount> ParseMountTable(const QByteArray& text) {
  std::vector<TMount> table;
  for (const QByteArray& line : text.split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    // Six fields, the optional ones, "-", then type and source at least.
    const qsizetype separator = fields.indexOf(QByteArrayLiteral("-"), 6);
    if (separator < 0 || separator + 2 >= fields.size()) continue;
    const QList<QByteArray> device = fields[2].split(':');
    bool idRead = false, majorRead = false, minorRead = false;
    TMount mount;
    mount.Id = fields[0].toInt(&idRead);
    if (device.size() != 2) continue;
    mount.Major = device[0].toUInt(&majorRead);
    mount.Minor = device[1].toUInt(&minorRead);
    if (!idRead || !majorRead || !minorRead) continue;
    mount.Root = PathOf(fields[3]);
    mount.MountPoint = PathOf(fields[4]);
    mount.FileSystemType = Unescape(fields[separator + 1]);
    mount.Source = Unescape(fields[separator + 2]);
    if (separator + 3 < fields.size()) mount.SuperOptions = Unescape(fields[separator + 3]);
    table.push_back(std::move(mount));
  }
  return table;
}

std::vector<TMount> StorageMounts(const std::vector<TMount>& table) {
  QHash<QString, size_t> last;
  for (size_t i = 0; i < table.size(); ++i) last[table[i].MountPoint] = i;
  std::vector<TMount> storage;
  for (size_t i = 0; i < table.size(); ++i) {
    if (last.value(table[i].MountPoint) == i && IsStorage(table[i])) storage.push_back(table[i]);
  }
  return storage;
}
