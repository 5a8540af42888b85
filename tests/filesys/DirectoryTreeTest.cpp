#include <QStyle>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TreeFixture.h"

namespace {

// "/" first, then by mount point. Removable, CD-ROM and unknown volumes
// get an expand button without a look at the medium, the others only
// where a listed subfolder is; a volume that cannot be read (gone) has
// none.
TEST_F(DirectoryTree, NamesTheVolumesAndGivesAnExpandButtonWhereFoldersMayBe) {
  MakeFolder("withsub/folder");
  MakeFolder("flat");
  Touch("flat/file.jpg");
  TVolume usb = Disk(QStringLiteral("/nowhere/usb"));
  usb.Removable = true;
  volumes_ = {Disk(Path("withsub")),
              Disk(QStringLiteral("/mnt/data"), QStringLiteral("DATA")),
              Disk(QStringLiteral("/")),
              {QStringLiteral("/media/cd"), QString(), "iso9660", "/dev/sr0"},
              usb,
              {QStringLiteral("/nowhere/sshfs"), QString(), "fuse.sshfs", "host:/", false, true, 4},
              {QStringLiteral("/nowhere/cd"), QString(), "udf", "/dev/sr0", false, true, 3},
              Disk(Path("flat"))};
  Show();
  EXPECT_EQ(Texts(tree_->invisibleRootItem(), 2).toStdString(),
            (" (/)=:|(/media/cd)=|Data (/mnt/data)=| (/nowhere/cd)=:| (/nowhere/sshfs)=:| (/nowhere/usb)=:| (" +
             Path("flat") + ")=| (" + Path("withsub") + ")=:")
                .toStdString());
}

struct TChildrenCase {
  bool showHidden;
  const char* children;  // "name=:" where it has an expand button
};

class FolderChildren : public DirectoryTree, public ::testing::WithParamInterface<TChildrenCase> {};

TEST_P(FolderChildren, AreTheFoldersSortedWithAnExpandButtonWhereAListedFolderIs) {
  for (const char* folder : {"b/sub", "A", "c/.hidden", "a", ".hidden/sub"}) MakeFolder(QString::fromUtf8(folder));
  Touch("A/file.jpg");
  Touch("f.txt");
  ShowFolder(GetParam().showHidden);
  EXPECT_EQ(Texts(Expand({}), 2).toStdString(), GetParam().children);
}

INSTANTIATE_TEST_SUITE_P(Hidden, FolderChildren,
                         ::testing::Values(TChildrenCase{true, ".hidden=:|A=|a=|b=:|c=:"},
                                           TChildrenCase{false, "A=|a=|b=:|c="}));

// Folders selected one after the other, below a tree of "/" and the
// temporary folder T, and the current folder each leaves ("/" stands for
// the root, anything else for a folder below T). The tree starts at the
// mount point of the volume that holds the process's current folder.
struct TSelectCase {
  std::vector<const char*> selected;
  const char* current;
  int changes;
  bool showHidden;
};

class Selection : public DirectoryTree, public ::testing::WithParamInterface<TSelectCase> {};

TEST_P(Selection, SelectsTheFolderOrItsNearestParentAndTheListFollows) {
  const TSelectCase& c = GetParam();
  for (const char* folder : {"x/y", "Pics", "pics", ".hidden"}) MakeFolder(QString::fromUtf8(folder));
  volumes_ = {Disk(QStringLiteral("/")), Disk(Path())};
  QDir::setCurrent(Path("x/y"));
  Show(c.showHidden);
  ASSERT_EQ(tree_->CurrentFolder(), Path());
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
                      TSelectCase{{"x/missing/deeper"}, "x", 1, true}, TSelectCase{{"x", ".hidden"}, "x", 1, false}));

TEST_F(DirectoryTree, ALinkLoopUnfoldsOneLevelPerExpansion) {
  MakeFolder("a");
  Link(Path("a"), "a/loop");
  ShowFolder();
  const QTreeWidgetItem* deep = Expand({"a", "loop", "loop", "loop"});
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(Texts(deep, 2), "loop=:");
  tree_->SetCurrentFolder(Path("a/loop/loop/loop/loop"));
  EXPECT_EQ(tree_->CurrentFolder(), Path("a/loop/loop/loop/loop"));
}

// Selecting a folder reads its volume again where another device is
// mounted there now, not for a new label alone.
TEST_F(DirectoryTree, ReadsAVolumeAgainWhenAnotherDeviceIsMountedThere) {
  MakeFolder("x");
  ShowFolder();
  for (const int64_t device : {1, 2}) {
    tree_->SetCurrentFolder(Path("x"));
    volumes_[0].Label = QStringLiteral("OTHER");
    volumes_[0].DeviceId = device;
    tree_->SetCurrentFolder(Path());
    EXPECT_EQ(tree_->topLevelItem(0)->text(0), (device == 1 ? "Temp (" : "Other (") + Path() + ")");
    EXPECT_EQ(Texts(tree_->topLevelItem(0)), device == 1 ? "x" : ":");
  }
}

// A volume found with another medium when it is selected is collapsed and
// read again on its next expansion: left expanded it would show the
// placeholder, which is no folder.
TEST_F(DirectoryTree, AVolumeWithAnotherMediumIsCollapsedAndReadAgain) {
  MakeFolder("x/y");
  ShowFolder();
  tree_->SetCurrentFolder(Path("x"));
  QTreeWidgetItem* volume = tree_->topLevelItem(0);
  ASSERT_TRUE(volume->isExpanded());
  volumes_[0].DeviceId = 2;
  tree_->setCurrentItem(volume);
  EXPECT_FALSE(volume->isExpanded());
  EXPECT_EQ(Texts(volume).toStdString(), ":");
  volume->setExpanded(true);
  EXPECT_EQ(Texts(volume, 2).toStdString(), "x=:");
  tree_->setCurrentItem(volume->child(0));
  EXPECT_EQ(tree_->CurrentFolder().toStdString(), Path("x").toStdString());
}

// "*" and the keypad's "*" expand the current node by one level, as "+"
// does: Qt would expand every folder below, and through a link that leads
// back up that walk does not end. The event loop is free at once.
class StarKey : public DirectoryTree, public ::testing::WithParamInterface<Qt::KeyboardModifiers> {};

TEST_P(StarKey, ExpandsOneLevelOnly) {
  MakeFolder("sub");
  Link(Path(), "sub/loop");
  ShowFolder();
  QTreeWidgetItem* root = tree_->topLevelItem(0);
  ASSERT_EQ(tree_->currentItem(), root);
  ASSERT_FALSE(root->isExpanded());
  QTest::keyClick(tree_.get(), Qt::Key_Asterisk, GetParam());
  bool turned = false;
  QTimer::singleShot(0, [&] { turned = true; });
  QCoreApplication::processEvents();
  EXPECT_TRUE(turned);
  EXPECT_TRUE(root->isExpanded());
  EXPECT_EQ(Texts(root, 3).toStdString(), "sub=:=");
}

INSTANTIATE_TEST_SUITE_P(Keys, StarKey,
                         ::testing::Values(Qt::KeyboardModifiers(Qt::NoModifier),
                                           Qt::KeyboardModifiers(Qt::KeypadModifier),
                                           Qt::KeyboardModifiers(Qt::ShiftModifier)));

// The selected row is highlighted across and framed in the selection pen;
// its folder shows the open folder's icon while it is selected.
TEST_F(DirectoryTree, ASelectedRowIsHighlightedAcrossFramedAndOpen) {
  MakeFolder("x");
  MakeFolder("y");
  ShowFolder();
  tree_->SetRowSelect(true);
  tree_->SetSelectionPenColor(clBtnShadow);
  tree_->SetCurrentFolder(Path("x"));
  QTreeWidgetItem* x = tree_->currentItem();
  const QRect row = tree_->visualItemRect(x);
  const QImage shown = tree_->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb highlight = tree_->palette().highlight().color().rgb();
  EXPECT_EQ(shown.pixel(2, row.center().y()), highlight);
  EXPECT_EQ(shown.pixel(250, row.center().y()), highlight);
  for (const QPoint frame : {QPoint(150, row.top()), QPoint(0, row.center().y()), QPoint(150, row.bottom())})
    EXPECT_EQ(shown.pixel(frame), qRgb(0xA0, 0xA0, 0xA0));

  const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
  const QImage open = image(tree_->style()->standardIcon(QStyle::SP_DirOpenIcon));
  const QImage closed = image(QFileIconProvider().icon(QAbstractFileIconProvider::Folder));
  ASSERT_NE(open, closed);
  EXPECT_EQ(image(x->icon(0)), open);
  tree_->SetCurrentFolder(Path("y"));
  EXPECT_EQ(image(x->icon(0)), closed);
}

// Which icon a node has is the tree's own record, not a comparison of
// icons: the home folder, which the icon provider also calls a folder,
// keeps its icon while selected.
TEST_F(DirectoryTree, TheHomeFolderKeepsItsIconWhileSelected) {
  MakeFolder("home");
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", Path("home").toUtf8());
  ShowFolder();
  tree_->SetCurrentFolder(Path("home"));
  const QTreeWidgetItem* home = tree_->currentItem();
  const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
  EXPECT_EQ(image(home->icon(0)), image(QFileIconProvider().icon(QFileInfo(Path("home")))));
  EXPECT_NE(image(home->icon(0)), image(tree_->style()->standardIcon(QStyle::SP_DirOpenIcon)));
  qputenv("HOME", savedHome);
}

}  // namespace
