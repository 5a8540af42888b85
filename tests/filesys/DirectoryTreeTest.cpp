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

QStringList Texts(const QList<QTreeWidgetItem*>& items) {
  QStringList texts;
  for (const QTreeWidgetItem* item : items) texts.append(item->text(0));
  return texts;
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
  QList<QTreeWidgetItem*> Roots() const {
    QList<QTreeWidgetItem*> roots;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) roots.append(tree_->topLevelItem(i));
    return roots;
  }
  static QList<QTreeWidgetItem*> Children(const QTreeWidgetItem* node) {
    QList<QTreeWidgetItem*> children;
    for (int i = 0; i < node->childCount(); ++i) children.append(node->child(i));
    return children;
  }
  // The node reached from the first root through the names, each expanded.
  QTreeWidgetItem* Expand(const QStringList& names) const {
    QTreeWidgetItem* node = tree_->topLevelItem(0);
    node->setExpanded(true);
    for (const QString& name : names) {
      QTreeWidgetItem* next = nullptr;
      for (QTreeWidgetItem* child : Children(node))
        if (child->text(0) == name) next = child;
      if (!next) return nullptr;
      node = next;
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
  for (QTreeWidgetItem* root : Roots()) children.append(root->text(0) + QLatin1Char('=') + Texts(Children(root)).join(QLatin1Char('|')));
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
  const QList<QTreeWidgetItem*> children = Children(Expand({}));
  QStringList expandable;
  for (const QTreeWidgetItem* child : children)
    if (child->childCount() > 0) expandable.append(child->text(0));
  EXPECT_EQ(Text(Texts(children)), c.children);
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

TEST_F(DirectoryTree, TheCurrentFolderIsTheRootOrAFolderWithoutItsSlash) {
  MakeFolder("x");
  volumes_ = {Disk(QStringLiteral("/")), Disk(Path())};
  QDir::setCurrent(Path());
  Show();
  tree_->SetCurrentFolder(QStringLiteral("/"));
  EXPECT_EQ(tree_->CurrentFolder(), "/");
  EXPECT_EQ(list_.Folder(), "/");
  tree_->SetCurrentFolder(Path("x"));
  EXPECT_EQ(tree_->CurrentFolder(), Path("x"));
  EXPECT_EQ(tree_->currentItem()->parent(), tree_->topLevelItem(1));
}

TEST_F(DirectoryTree, FoldersEqualButForCaseAreTwo) {
  MakeFolder("Pics");
  MakeFolder("pics");
  Touch("Pics/big.jpg");
  Touch("pics/small.jpg");
  ShowFolder();
  for (const QString& name : {QStringLiteral("pics"), QStringLiteral("Pics"), QStringLiteral("pics")}) {
    tree_->SetCurrentFolder(Path(name));
    EXPECT_EQ(tree_->CurrentFolder(), Path(name));
    EXPECT_EQ(tree_->currentItem()->text(0), name);
    EXPECT_EQ(list_.Folder(), Path(name));
  }
}

TEST_F(DirectoryTree, AMissingFolderSelectsItsNearestParent) {
  MakeFolder("x");
  ShowFolder();
  tree_->SetCurrentFolder(Path("x/missing/deeper"));
  EXPECT_EQ(tree_->CurrentFolder(), Path("x"));
}

TEST_F(DirectoryTree, AFolderWithoutANodeLeavesTheSelection) {
  MakeFolder("x");
  MakeFolder(".hidden");
  ShowFolder(false);
  tree_->SetCurrentFolder(Path("x"));
  tree_->SetCurrentFolder(Path(".hidden"));
  EXPECT_EQ(tree_->CurrentFolder(), Path("x"));
}

TEST_F(DirectoryTree, ALinkLoopUnfoldsOneLevelPerExpansion) {
  MakeFolder("a");
  Link(Path("a"), "a/loop");
  ShowFolder();
  const QTreeWidgetItem* deep = Expand({"a", "loop", "loop", "loop"});
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(Text(Texts(Children(deep))), "loop");
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

TEST_F(DirectoryTree, TheChangeComesAfterTheListFollowed) {
  MakeFolder("x");
  ShowFolder();
  QStringList seen;
  tree_->OnChange = [&] { seen.append(tree_->CurrentFolder() + QLatin1Char('>') + list_.Folder()); };
  tree_->SetCurrentFolder(Path("x"));
  tree_->SetCurrentFolder(Path("x"));
  EXPECT_EQ(Text(seen), Text({Path("x") + '>' + QFileInfo(Path("x")).canonicalFilePath()}));
}

TEST_F(DirectoryTree, ReadsAVolumeAgainWhenAnotherDeviceIsMountedThere) {
  MakeFolder("x");
  ShowFolder();
  tree_->SetCurrentFolder(Path("x"));
  volumes_[0].Label = QStringLiteral("OTHER");
  tree_->SetCurrentFolder(Path());
  EXPECT_EQ(tree_->topLevelItem(0)->text(0), "Temp (" + Path() + ")");
  EXPECT_EQ(Text(Texts(Children(tree_->topLevelItem(0)))), "x");
  tree_->SetCurrentFolder(Path("x"));
  volumes_[0].DeviceId = 2;
  tree_->SetCurrentFolder(Path());
  EXPECT_EQ(tree_->topLevelItem(0)->text(0), "Other (" + Path() + ")");
  EXPECT_EQ(Text(Texts(Children(tree_->topLevelItem(0)))), ":");
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
