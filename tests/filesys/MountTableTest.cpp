#include <gtest/gtest.h>

#include <QStringList>

#include "filesys/MountTable.h"

namespace {

// Tables recorded on machines of the kinds people run, shortened.

// A desktop: /home and a data disk, snaps, the EFI partition, tmpfs
// under /run, the desktop's own FUSE mounts in the user's runtime folder.
const char kDesktop[] =
    "22 28 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw\n"
    "23 28 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:13 - proc proc rw\n"
    "24 28 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,size=8035312k,nr_inodes=2008828,mode=755\n"
    "25 24 0:23 / /dev/pts rw,nosuid,noexec,relatime shared:3 - devpts devpts rw,gid=5,mode=620,ptmxmode=000\n"
    "26 28 0:24 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,size=1614200k,mode=755\n"
    "28 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro\n"
    "30 24 0:25 / /dev/shm rw,nosuid,nodev shared:4 - tmpfs tmpfs rw\n"
    "31 26 0:26 / /run/lock rw,nosuid,nodev,noexec,relatime shared:6 - tmpfs tmpfs rw,size=5120k\n"
    "32 22 0:27 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:9 - cgroup2 cgroup2 rw,nsdelegate\n"
    "34 22 0:29 / /sys/firmware/efi/efivars rw,nosuid,nodev,noexec,relatime shared:11 - efivarfs efivarfs rw\n"
    "36 23 0:31 / /proc/sys/fs/binfmt_misc rw,relatime shared:14 - autofs systemd-1 rw,fd=29,pgrp=1,direct\n"
    "37 24 0:20 / /dev/mqueue rw,nosuid,nodev,noexec,relatime shared:15 - mqueue mqueue rw\n"
    "63 28 7:0 / /snap/bare/5 ro,nodev,relatime shared:35 - squashfs /dev/loop0 ro,errors=continue\n"
    "66 28 7:1 / /snap/core20/2105 ro,nodev,relatime shared:37 - squashfs /dev/loop1 ro,errors=continue\n"
    "69 28 7:2 / /snap/firefox/3626 ro,nodev,relatime shared:39 - squashfs /dev/loop2 ro,errors=continue\n"
    "90 28 259:1 / /boot/efi rw,relatime shared:49 - vfat /dev/nvme0n1p1 rw,fmask=0077,dmask=0077,codepage=437\n"
    "93 28 259:3 / /home rw,relatime shared:51 - ext4 /dev/nvme0n1p3 rw\n"
    "96 28 8:1 / /mnt/data rw,relatime shared:53 - ext4 /dev/sda1 rw\n"
    "530 26 0:45 / /run/user/1000 rw,nosuid,nodev,relatime shared:271 - tmpfs tmpfs rw,size=1614196k,mode=700\n"
    "548 530 0:46 / /run/user/1000/gvfs rw,nosuid,nodev,relatime shared:283 - fuse.gvfsd-fuse gvfsd-fuse rw\n"
    "560 530 0:47 / /run/user/1000/doc rw,nosuid,nodev,relatime shared:290 - fuse.portal portal rw\n"
    "583 26 0:4 net:[4026532598] /run/snapd/ns/cups.mnt rw shared:5 - nsfs nsfs rw\n"
    "601 28 0:50 / /var/snap/lxd/common/ns rw,relatime - tmpfs tmpfs rw,size=1024k\n";

// A container: an overlay root, files bound in from the host, a host
// folder bound to /photos and a whole disk at /data.
const char kContainer[] =
    "612 530 0:55 / / rw,relatime master:273 - overlay overlay rw,lowerdir=/var/lib/docker/overlay2/l/ABC,"
    "upperdir=/var/lib/docker/overlay2/123/diff,workdir=/var/lib/docker/overlay2/123/work\n"
    "613 612 0:58 / /proc rw,nosuid,nodev,noexec,relatime - proc proc rw\n"
    "614 612 0:59 / /dev rw,nosuid - tmpfs tmpfs rw,size=65536k,mode=755\n"
    "615 614 0:60 / /dev/pts rw,nosuid,noexec,relatime - devpts devpts rw,gid=5,mode=620,ptmxmode=666\n"
    "616 612 0:61 / /sys ro,nosuid,nodev,noexec,relatime - sysfs sysfs ro\n"
    "617 616 0:30 / /sys/fs/cgroup ro,nosuid,nodev,noexec,relatime - cgroup2 cgroup rw,nsdelegate\n"
    "619 614 0:62 / /dev/shm rw,nosuid,nodev,noexec,relatime - tmpfs shm rw,size=65536k\n"
    "620 612 259:2 /var/lib/docker/containers/4f1e/resolv.conf /etc/resolv.conf rw,relatime - ext4 "
    "/dev/nvme0n1p2 rw\n"
    "621 612 259:2 /var/lib/docker/containers/4f1e/hostname /etc/hostname rw,relatime - ext4 /dev/nvme0n1p2 rw\n"
    "622 612 259:2 /var/lib/docker/containers/4f1e/hosts /etc/hosts rw,relatime - ext4 /dev/nvme0n1p2 rw\n"
    "623 612 259:3 /ann/photos /photos rw,relatime - ext4 /dev/nvme0n1p3 rw\n"
    "624 612 8:17 / /data rw,relatime - xfs /dev/sdb1 rw,attr2,inode64\n"
    "525 613 0:58 /bus /proc/bus ro,nosuid,nodev,noexec,relatime - proc proc rw\n";

// A laptop on btrfs subvolumes with a USB stick, a camera card read as a
// CD image, network shares over SSH, NFS and SMB, a disk whose mount point
// has a space in its name and a second one hidden under a tmpfs.
const char kLaptop[] =
    "29 1 0:26 /@ / rw,relatime shared:1 - btrfs /dev/sda2 rw,ssd,space_cache=v2,subvolid=256,subvol=/@\n"
    "35 29 0:26 /@home /home rw,relatime shared:30 - btrfs /dev/sda2 rw,ssd,subvolid=257,subvol=/@home\n"
    "40 29 0:26 /@home/ann/shared /srv/shared rw,relatime shared:30 - btrfs /dev/sda2 rw,subvolid=257,subvol=/@home\n"
    "41 29 8:1 / /boot rw,relatime shared:31 - ext4 /dev/sda1 rw\n"
    "600 29 0:24 / /run rw,nosuid,nodev shared:5 - tmpfs tmpfs rw,mode=755\n"
    "612 600 8:33 / /run/media/ann/MY\\040STICK rw,nosuid,nodev,relatime shared:320 - vfat /dev/sdc1 "
    "rw,uid=1000,gid=1000,fmask=0022,dmask=0022\n"
    "613 29 0:70 / /media/cam rw,nosuid,nodev shared:321 - fuse.jmtpfs jmtpfs rw,user_id=1000\n"
    "640 35 0:50 / /home/ann/remote rw,nosuid,nodev,relatime shared:330 - fuse.sshfs ann@host:/photos "
    "rw,user_id=1000,group_id=1000\n"
    "650 29 8:17 / /mnt/MY\\040PHOTOS rw,relatime shared:340 - ext4 /dev/sdb1 rw\n"
    "651 29 8:18 / /mnt/back\\134slash\\011tab rw,relatime shared:341 - ext4 /dev/sdb2 rw\n"
    "670 29 0:60 / /mnt/nas rw,relatime shared:350 - nfs4 nas:/export/photos rw,vers=4.2,addr=10.0.0.2\n"
    "680 29 0:61 / /mnt/win rw,relatime shared:360 - cifs //winbox/Pictures rw,vers=3.1.1\n"
    "690 29 0:62 / /mnt/auto rw,relatime shared:370 - autofs /etc/auto.misc rw,fd=7,indirect\n"
    "700 29 8:49 / /mnt/old rw,relatime shared:380 - ext4 /dev/sdd1 rw\n"
    "701 700 0:63 / /mnt/old rw - tmpfs tmpfs rw\n";

// What is left of a table that is not one.
const char kDamaged[] =
    "\n"
    "garbage\n"
    "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 ext3 /dev/root rw\n"  // no separator
    "x 35 98:0 / /mnt/a rw - ext4 /dev/sda1 rw\n"                      // no number
    "36 35 98 / /mnt/b rw - ext4 /dev/sda1 rw\n"                       // no minor
    "36 35 98:0 / /mnt/c rw -\n"                                       // no type
    "37 35 8:1 / /mnt/d rw - ext4 /dev/sda1\n"                         // no super options: taken
    "38 35 8:2 / /mnt/e\\04 rw - ext4 /dev/sda2 rw\n";                 // a short escape stays as it is

struct TTableCase {
  const char* name;
  const char* table;
  // The listed mounts as "mount point=type:source", in table order.
  std::vector<const char*> listed;
};

class StorageMountsOf : public ::testing::TestWithParam<TTableCase> {};

TEST_P(StorageMountsOf, AreTheVolumesPeopleKeepPicturesOn) {
  QStringList listed;
  for (const TMount& mount : StorageMounts(ParseMountTable(GetParam().table)))
    listed << mount.MountPoint + "=" + mount.FileSystemType + ":" + mount.Source;
  QStringList expected;
  for (const char* mount : GetParam().listed) expected << QString::fromUtf8(mount);
  EXPECT_EQ(listed.join('|').toStdString(), expected.join('|').toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Recorded, StorageMountsOf,
    ::testing::Values(
        TTableCase{"Desktop",
                   kDesktop,
                   {"/=ext4:/dev/nvme0n1p2", "/home=ext4:/dev/nvme0n1p3", "/mnt/data=ext4:/dev/sda1"}},
        TTableCase{"Container", kContainer, {"/=overlay:overlay", "/data=xfs:/dev/sdb1"}},
        TTableCase{"Laptop",
                   kLaptop,
                   {"/=btrfs:/dev/sda2", "/home=btrfs:/dev/sda2", "/run/media/ann/MY STICK=vfat:/dev/sdc1",
                    "/media/cam=fuse.jmtpfs:jmtpfs", "/home/ann/remote=fuse.sshfs:ann@host:/photos",
                    "/mnt/MY PHOTOS=ext4:/dev/sdb1", "/mnt/back\\slash\ttab=ext4:/dev/sdb2",
                    "/mnt/nas=nfs4:nas:/export/photos", "/mnt/win=cifs://winbox/Pictures"}},
        TTableCase{"Damaged", kDamaged, {"/mnt/d=ext4:/dev/sda1", "/mnt/e\\04=ext4:/dev/sda2"}},
        TTableCase{"Empty", "", {}}),
    [](const ::testing::TestParamInfo<TTableCase>& info) { return std::string(info.param.name); });

// What a line holds beside the mount point: the mount's number, the
// device number of its files and the root of what is seen there.
TEST(MountTable, ReadsTheNumbersAndTheRootOfALine) {
  const std::vector<TMount> table = ParseMountTable(
      "623 612 259:3 /ann/my\\040photos /photos rw,relatime shared:4 master:1 - ext4 /dev/nvme0n1p3 "
      "rw,errors=continue");
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].Id, 623);
  EXPECT_EQ(table[0].Major, 259u);
  EXPECT_EQ(table[0].Minor, 3u);
  EXPECT_EQ(table[0].Root.toStdString(), "/ann/my photos");
  EXPECT_EQ(table[0].SuperOptions.toStdString(), "rw,errors=continue");
}

}  // namespace
