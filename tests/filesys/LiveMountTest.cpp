// The machine's own table of mounts, changed for real: a small ext4 image
// mounted in a mount namespace of the test's own, so that nothing of it is
// seen outside. Needs root and loop devices; skipped otherwise.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "FolderFixture.h"
#include "filesys/RzDirectoryTree.h"
#include "filesys/RzFileListBox.h"
#include "filesys/SystemVolumes.h"

namespace {

const QStringList kSystemPaths = {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/bin"),
                                  QStringLiteral("/bin")};

// Runs a program to its end: its error output, empty when it succeeded.
QString RunProgram(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStandardPaths::findExecutable(program, kSystemPaths), arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll()).trimmed();
  return {};
}

class LiveMount : public FolderFixture {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting needs root";
    if (!QFile::exists(QStringLiteral("/dev/loop-control"))) GTEST_SKIP() << "no loop devices (/dev/loop-control)";
    for (const char* program : {"mkfs.ext4", "mount", "umount"})
      if (QStandardPaths::findExecutable(QString::fromLatin1(program), kSystemPaths).isEmpty())
        GTEST_SKIP() << program << " is not installed";
    // The process's mounts from here on are its own, and none of them
    // reaches the machine's.
    if (::unshare(CLONE_NEWNS) != 0) GTEST_SKIP() << "no mount namespace of our own: " << std::strerror(errno);
    ASSERT_EQ(::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr), 0) << std::strerror(errno);
    image_ = Path("photos.img");
    mountPoint_ = Path("MY PHOTOS");
    MakeFolder("MY PHOTOS");
    QFile image(image_);
    ASSERT_TRUE(image.open(QIODevice::WriteOnly) && image.resize(4 << 20));
    image.close();
    ASSERT_EQ(RunProgram("mkfs.ext4", {"-q", "-L", "PHOTOS", image_}).toStdString(), "");
  }

  void TearDown() override {
    // A test that failed halfway leaves nothing mounted over its folder.
    if (!mountPoint_.isEmpty()) ::umount2(QFile::encodeName(mountPoint_).constData(), MNT_DETACH);
  }

  QString Mount() const { return RunProgram("mount", {"-o", "loop", image_, mountPoint_}); }
  QString Unmount() const { return RunProgram("umount", {mountPoint_}); }
  bool Listed(const TRzDirectoryTree& tree) const {
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
      if (tree.topLevelItem(i)->text(0).endsWith(" (" + mountPoint_ + ")")) return true;
    return false;
  }

  QString image_;
  QString mountPoint_;
};

// The volume's place appears when it is mounted and goes when it is
// unmounted. While the list shows one of its folders, that folder is the
// process's current one and the volume cannot be unmounted.
TEST_F(LiveMount, AMountedVolumeAppearsAndGoes) {
  TRzFileListBox list;
  TRzDirectoryTree tree(SystemVolumes());
  tree.SetFileList(&list);
  tree.show();
  list.show();
  ASSERT_FALSE(Listed(tree));
  const QString mounted = Mount();
  if (!mounted.isEmpty()) GTEST_SKIP() << mounted.toStdString();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(tree); }, 5000));

  tree.SetCurrentFolder(mountPoint_ + "/lost+found");
  ASSERT_EQ(QDir::currentPath(), mountPoint_ + "/lost+found");
  EXPECT_NE(Unmount(), QString());
  tree.SetCurrentFolder(Path());
  EXPECT_EQ(Unmount(), QString());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Listed(tree); }, 5000));
}

// Fifty mounts and unmounts in a row, as fast as the system makes them,
// then one more mount: the tree follows and ends with the volume mounted.
// The tree looks into a volume that appears (whether it has folders), so
// an unmount right after the mount may find it busy for a moment.
TEST_F(LiveMount, AFlappingTableEndsInItsLastState) {
  TRzDirectoryTree tree(SystemVolumes());
  tree.show();
  QProcess flapping;
  flapping.setProcessChannelMode(QProcess::MergedChannels);
  flapping.start(QStandardPaths::findExecutable("sh"),
                 {"-c",
                  "unmount() { for try in 1 2 3 4 5 6 7 8 9 10; do umount \"$1\" 2>/dev/null && return; sleep 0.05; "
                  "done; umount \"$1\"; }; "
                  "for i in $(seq 50); do mount -o loop \"$1\" \"$2\" && unmount \"$2\" || exit 1; done; "
                  "mount -o loop \"$1\" \"$2\"",
                  "flap", image_, mountPoint_});
  EXPECT_TRUE(QTest::qWaitFor([&] { return flapping.state() == QProcess::NotRunning; }, 120000));
  ASSERT_EQ(flapping.exitCode(), 0) << flapping.readAll().toStdString();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(tree); }, 5000));
  EXPECT_EQ(Unmount(), QString());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Listed(tree); }, 5000));
}

}  // namespace
