#include <QApplication>
#include <QStyle>
#include <QTest>
#include <memory>

#include "FolderFixture.h"
#include "filesys/RzDirectoryTree.h"
#include "filesys/RzFileListBox.h"

namespace {

// Volumes as a test lays them out; the test may change them while the
// tree looks at them.
class TFakeVolumes : public TVolumeSource {
 public:
  explicit TFakeVolumes(const std::vector<TVolume>& volumes) : volumes_(volumes) {}
  std::vector<TVolume> Volumes() override { return volumes_; }
  TVolume Volume(const QString& mountPoint) override {
    for (const TVolume& volume : volumes_)
      if (volume.MountPoint == mountPoint) return volume;
    TVolume gone;
    gone.MountPoint = mountPoint;
    return gone;
  }

 private:
  const std::vector<TVolume>& volumes_;
};

TVolume Disk(const QString& mountPoint, const QString& label = QString(), int64_t deviceId = 1) {
  return {mountPoint, label, "ext4", "/dev/sda1", false, true, deviceId};
}

// The texts of a node's children.
QStringList Texts(const QTreeWidgetItem* node) {
  QStringList texts;
  for (int i = 0; i < node->childCount(); ++i) texts.append(node->child(i)->text(0));
  return texts;
}

QTreeWidgetItem* Child(const QTreeWidgetItem* node, const QString& text) {
  for (int i = 0; i < node->childCount(); ++i)
    if (node->child(i)->text(0) == text) return node->child(i);
  return nullptr;
}

class DirectoryTree : public FolderFixture {
 protected:
  // The tree shown for the volumes, hidden folders with ShowHidden.
  void Show(bool showHidden = true) {
    tree_ = std::make_unique<TRzDirectoryTree>(std::make_unique<TFakeVolumes>(volumes_));
    tree_->resize(300, 400);
    tree_->SetFileList(&list_);
    tree_->SetShowHiddenDirs(showHidden);
    tree_->show();
    list_.show();
  }
  // A shown tree of one volume at the temporary folder, starting there.
  void ShowFolder(bool showHidden = true) {
    volumes_ = {Disk(Path(), QStringLiteral("TEMP"))};
    QDir::setCurrent(Path());
    Show(showHidden);
  }
  QTreeWidgetItem* Roots() const { return tree_->invisibleRootItem(); }
  // The node reached from the first root through the names, each expanded.
  QTreeWidgetItem* Expand(const QStringList& names) const {
    QTreeWidgetItem* node = tree_->topLevelItem(0);
    node->setExpanded(true);
    for (const QString& name : names) {
      node = Child(node, name);
      if (!node) return nullptr;
      node->setExpanded(true);
    }
    return node;
  }

  std::vector<TVolume> volumes_;
  TRzFileListBox list_;
  std::unique_ptr<TRzDirectoryTree> tree_;
};

TEST_F(DirectoryTree, NamesTheVolumesByLabelAndMountPointRootFirst) {
  TVolume cd{QStringLiteral("/media/cd"), QString(), "iso9660", "/dev/sr0"};
  volumes_ = {Disk(QStringLiteral("/mnt/data"), QStringLiteral("DATA")), Disk(QStringLiteral("/")), cd};
  Show();
  EXPECT_EQ(Text(Texts(Roots())), " (/)|(/media/cd)|Data (/mnt/data)");
}

struct TDriveTypeCase {
  QByteArray fileSystem;
  QByteArray device;
  bool removable;
  TDriveType type;
};

class DriveTypes : public ::testing::TestWithParam<TDriveTypeCase> {};

TEST_P(DriveTypes, FollowTheFileSystemAndTheDevice) {
  const TDriveTypeCase& c = GetParam();
  EXPECT_EQ(DriveTypeOf({QStringLiteral("/v"), QString(), c.fileSystem, c.device, c.removable, true, 1}), c.type)
      << c.fileSystem.constData();
}

INSTANTIATE_TEST_SUITE_P(Volumes, DriveTypes,
                         ::testing::Values(TDriveTypeCase{"ext4", "/dev/sda1", false, dtFixed},
                                           TDriveTypeCase{"vfat", "/dev/sdb1", true, dtFloppy},
                                           TDriveTypeCase{"nfs4", "server:/export", false, dtNetwork},
                                           TDriveTypeCase{"cifs", "//server/share", false, dtNetwork},
                                           TDriveTypeCase{"tmpfs", "tmpfs", false, dtRAM},
                                           TDriveTypeCase{"iso9660", "/dev/sr0", false, dtCDROM},
                                           TDriveTypeCase{"udf", "/dev/sr0", false, dtCDROM},
                                           TDriveTypeCase{"fuse.sshfs", "host:/home", false, dtUnknown}));

TEST_F(DirectoryTree, GivesAVolumeAnExpandButtonWhereItMayHoldFolders) {
  MakeFolder("withsub/folder");
  MakeFolder("flat");
  Touch("flat/file.jpg");
  TVolume removable = Disk(QStringLiteral("/nowhere/usb"));
  removable.Removable = true;
  TVolume cd{QStringLiteral("/nowhere/cd"), QString(), "iso9660", "/dev/sr0", false, true, 3};
  TVolume unknown{QStringLiteral("/nowhere/sshfs"), QString(), "fuse.sshfs", "host:/", false, true, 4};
  TVolume gone = Disk(QStringLiteral("/nowhere/gone"));
  gone.Readable = false;
  volumes_ = {Disk(Path("withsub")), Disk(Path("flat")), removable, cd, unknown, gone};
  Show();
  QStringList children;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* root = tree_->topLevelItem(i);
    children.append(root->text(0) + QLatin1Char('=') + Texts(root).join(QLatin1Char('|')));
  }
  EXPECT_EQ(Text(children), Text({" (/nowhere/cd)=:", "(/nowhere/gone)=", " (/nowhere/sshfs)=:", " (/nowhere/usb)=:",
                                  " (" + Path("flat") + ")=", " (" + Path("withsub") + ")=:"}));
}

struct TChildrenCase {
  bool showHidden;
  const char* children;
  const char* placeholders;  // which children have an expand button
};

class FolderChildren : public DirectoryTree, public ::testing::WithParamInterface<TChildrenCase> {};

TEST_P(FolderChildren, AreTheFoldersSortedWithAnExpandButtonWhereAListedFolderIs) {
  const TChildrenCase& c = GetParam();
  for (const char* folder : {"b/sub", "A", "c/.hidden", "a", ".hidden/sub"}) MakeFolder(QString::fromUtf8(folder));
  Touch("A/file.jpg");
  Touch("f.txt");
  ShowFolder(c.showHidden);
  const QTreeWidgetItem* folder = Expand({});
  QStringList expandable;
  for (int i = 0; i < folder->childCount(); ++i)
    if (folder->child(i)->childCount() > 0) expandable.append(folder->child(i)->text(0));
  EXPECT_EQ(Text(Texts(folder)), c.children);
  EXPECT_EQ(Text(expandable), c.placeholders);
}

INSTANTIATE_TEST_SUITE_P(Hidden, FolderChildren,
                         ::testing::Values(TChildrenCase{true, ".hidden|A|a|b|c", ".hidden|b|c"},
                                           TChildrenCase{false, "A|a|b|c", "b"}));

TEST_F(DirectoryTree, StartsAtTheMountPointOfTheCurrentFolder) {
  MakeFolder("x/y");
  volumes_ = {Disk(QStringLiteral("/")), Disk(Path())};
  QDir::setCurrent(Path("x/y"));
  Show();
  EXPECT_EQ(tree_->CurrentFolder(), Path());
  EXPECT_EQ(list_.Folder(), QFileInfo(Path()).canonicalFilePath());
}

// Folders selected one after the other, below a tree of "/" and the
// temporary folder T, and the current folder each leaves ("/" stands for
// the root, anything else for a folder below T).
struct TSelectCase {
  std::vector<const char*> selected;
  const char* current;
  int changes;
  bool showHidden;
};

class Selection : public DirectoryTree, public ::testing::WithParamInterface<TSelectCase> {};

TEST_P(Selection, SelectsTheFolderOrItsNearestParentAndTheListFollows) {
  const TSelectCase& c = GetParam();
  for (const char* folder : {"x", "Pics", "pics", ".hidden"}) MakeFolder(QString::fromUtf8(folder));
  volumes_ = {Disk(QStringLiteral("/")), Disk(Path())};
  QDir::setCurrent(Path());
  Show(c.showHidden);
  const auto full = [this](const char* folder) {
    return qstrcmp(folder, "/") == 0 ? QStringLiteral("/") : Path(QString::fromUtf8(folder));
  };
  QStringList changes;
  tree_->OnChange = [&] { changes.append(list_.Folder()); };
  for (const char* folder : c.selected) tree_->SetCurrentFolder(full(folder));
  const QString current = full(c.current);
  EXPECT_EQ(tree_->CurrentFolder(), current);
  // One change per folder reached, after the list has followed.
  ASSERT_EQ(changes.size(), c.changes);
  EXPECT_EQ(changes.back(), QFileInfo(current).canonicalFilePath());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Selection,
    ::testing::Values(TSelectCase{{"/"}, "/", 1, true}, TSelectCase{{"x", "x"}, "x", 1, true},
                      TSelectCase{{"pics", "Pics"}, "Pics", 2, true}, TSelectCase{{"Pics", "pics"}, "pics", 2, true},
                      TSelectCase{{"x/missing/deeper"}, "x", 1, true}, TSelectCase{{".hidden"}, ".hidden", 1, true},
                      TSelectCase{{"x", ".hidden"}, "x", 1, false}));

TEST_F(DirectoryTree, ALinkLoopUnfoldsOneLevelPerExpansion) {
  MakeFolder("a");
  Link(Path("a"), "a/loop");
  ShowFolder();
  const QTreeWidgetItem* deep = Expand({"a", "loop", "loop", "loop"});
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(Text(Texts(deep)), "loop");
  EXPECT_EQ(deep->child(0)->childCount(), 1);
  tree_->SetCurrentFolder(Path("a/loop/loop/loop/loop"));
  EXPECT_EQ(tree_->CurrentFolder(), Path("a/loop/loop/loop/loop"));
}

TEST_F(DirectoryTree, AFolderGoneBeforeItsExpansionHasNoChildren) {
  MakeFolder("x/sub");
  ShowFolder();
  QTreeWidgetItem* x = Expand({})->child(0);
  ASSERT_EQ(x->childCount(), 1);
  ASSERT_TRUE(QDir(Path("x")).removeRecursively());
  x->setExpanded(true);
  EXPECT_EQ(x->childCount(), 0);
}

TEST_F(DirectoryTree, ReadsAVolumeAgainWhenAnotherDeviceIsMountedThere) {
  MakeFolder("x");
  ShowFolder();
  tree_->SetCurrentFolder(Path("x"));
  volumes_[0].Label = QStringLiteral("OTHER");
  tree_->SetCurrentFolder(Path());
  EXPECT_EQ(tree_->topLevelItem(0)->text(0), "Temp (" + Path() + ")");
  EXPECT_EQ(Text(Texts(tree_->topLevelItem(0))), "x");
  tree_->SetCurrentFolder(Path("x"));
  volumes_[0].DeviceId = 2;
  tree_->SetCurrentFolder(Path());
  EXPECT_EQ(tree_->topLevelItem(0)->text(0), "Other (" + Path() + ")");
  EXPECT_EQ(Text(Texts(tree_->topLevelItem(0))), ":");
}

TEST_F(DirectoryTree, ASelectedFolderShowsTheOpenFolderIcon) {
  MakeFolder("x");
  MakeFolder("y");
  ShowFolder();
  const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
  const QImage open = image(tree_->style()->standardIcon(QStyle::SP_DirOpenIcon));
  const QImage closed = image(QFileIconProvider().icon(QAbstractFileIconProvider::Folder));
  ASSERT_NE(open, closed);
  tree_->SetCurrentFolder(Path("x"));
  QTreeWidgetItem* x = tree_->currentItem();
  EXPECT_EQ(image(x->icon(0)), open);
  tree_->SetCurrentFolder(Path("y"));
  EXPECT_EQ(image(x->icon(0)), closed);
  EXPECT_EQ(image(tree_->currentItem()->icon(0)), open);
}

TEST_F(DirectoryTree, ASelectedRowIsHighlightedAcrossAndFramed) {
  MakeFolder("x");
  ShowFolder();
  tree_->SetRowSelect(true);
  tree_->SetSelectionPenColor(clBtnShadow);
  tree_->setIndentation(19);
  tree_->SetCurrentFolder(Path("x"));
  const QRect row = tree_->visualItemRect(tree_->currentItem());
  const QImage shown = tree_->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb highlight = tree_->palette().highlight().color().rgb();
  EXPECT_EQ(shown.pixel(2, row.center().y()), highlight);
  EXPECT_EQ(shown.pixel(250, row.center().y()), highlight);
  EXPECT_EQ(shown.pixel(150, row.top()), qRgb(0xA0, 0xA0, 0xA0));
  EXPECT_EQ(shown.pixel(0, row.center().y()), qRgb(0xA0, 0xA0, 0xA0));
  EXPECT_EQ(shown.pixel(150, row.bottom()), qRgb(0xA0, 0xA0, 0xA0));
}

}  // namespace
