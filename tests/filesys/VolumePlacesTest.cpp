#include <QFileIconProvider>
#include <QTest>
#include <QTimer>

#include "TreeFixture.h"

namespace {

// The top level's texts, the current folder and the like with "%T" for
// the temporary folder.
class Places : public DirectoryTree {
 protected:
  QString Expected(const char* text) const {
    return QString::fromUtf8(text).replace(QLatin1String("%T"), QFileInfo(Path()).canonicalFilePath());
  }
  QString TopLevel() const { return Texts(tree_->invisibleRootItem()); }
  // The texts of the top-level nodes that are expanded.
  QString Expanded() const {
    QStringList expanded;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
      if (tree_->topLevelItem(i)->isExpanded()) expanded << tree_->topLevelItem(i)->text(0);
    return expanded.join('|');
  }
  QTreeWidgetItem* Place(const QString& text) const {
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
      if (tree_->topLevelItem(i)->text(0) == text) return tree_->topLevelItem(i);
    return nullptr;
  }
};

struct THomeCase {
  const char* name;
  const char* home;    // HOME, with %T
  const char* places;  // the top level, with %T
};

class HomePlace : public Places, public ::testing::WithParamInterface<THomeCase> {};

// The home folder is a place of its own right after "/", named by its
// name and path, found through links; none for a HOME that names no
// folder of its own.
TEST_P(HomePlace, ComesRightAfterTheRootWhereHomeIsAFolderOfItsOwn) {
  MakeFolder("home/ann/pics");
  MakeFolder("mnt");
  Touch("file");
  Link(Path("home/ann"), "link");
  volumes_ = {Disk("/"), Disk(Path("mnt"))};
  home_ = Expected(GetParam().home);
  QDir::setCurrent(Path());
  Show();
  EXPECT_EQ(TopLevel().toStdString(), Expected(GetParam().places).toStdString());
}

const char kWithHome[] = " (/)|ann (%T/home/ann)| (%T/mnt)";
const char kWithoutHome[] = " (/)| (%T/mnt)";

INSTANTIATE_TEST_SUITE_P(Home, HomePlace,
                         ::testing::Values(THomeCase{"Folder", "%T/home/ann", kWithHome},
                                           THomeCase{"ThroughALink", "%T/link", kWithHome},
                                           THomeCase{"WithTrailingSlash", "%T/home/ann/", kWithHome},
                                           THomeCase{"Unset", "", kWithoutHome},
                                           THomeCase{"Root", "/", kWithoutHome},
                                           THomeCase{"Missing", "%T/missing", kWithoutHome},
                                           THomeCase{"AFile", "%T/file", kWithoutHome},
                                           THomeCase{"Relative", "home/ann", kWithoutHome},
                                           THomeCase{"AMountPoint", "%T/mnt", kWithoutHome}),
                         [](const ::testing::TestParamInfo<THomeCase>& info) { return std::string(info.param.name); });

struct TStartCase {
  const char* current;   // the process's current folder at start
  const char* selected;  // the folder the tree starts in
};

class Start : public Places, public ::testing::WithParamInterface<TStartCase> {};

// Inside the home folder the tree starts at the home folder's place, which
// the list shows; elsewhere at the mount point of the volume holding it.
TEST_P(Start, IsTheHomePlaceForAFolderInsideHome) {
  MakeFolder("home/ann/pics");
  MakeFolder("mnt/x");
  volumes_ = {Disk("/"), Disk(Path("mnt"))};
  home_ = Path("home/ann");
  QDir::setCurrent(Expected(GetParam().current));
  Show();
  EXPECT_EQ(tree_->CurrentFolder().toStdString(), Expected(GetParam().selected).toStdString());
  EXPECT_EQ(list_.Folder().toStdString(), Expected(GetParam().selected).toStdString());
  EXPECT_EQ(tree_->currentItem()->parent(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Folders, Start,
                         ::testing::Values(TStartCase{"%T/home/ann/pics", "%T/home/ann"},
                                           TStartCase{"%T/home/ann", "%T/home/ann"}, TStartCase{"%T/mnt/x", "%T/mnt"},
                                           TStartCase{"%T/home", "/"}));

// The home place shows the icon Qt has for it, selected or not.
TEST_F(Places, TheHomePlaceHasQtsIconForIt) {
  MakeFolder("home/ann");
  volumes_ = {Disk("/")};
  home_ = Path("home/ann");
  QDir::setCurrent(Path("home/ann"));
  Show();
  const QTreeWidgetItem* home = tree_->currentItem();
  ASSERT_EQ(home, tree_->topLevelItem(1));
  EXPECT_EQ(home->icon(0).pixmap(16, 16).toImage(),
            QFileIconProvider().icon(QFileInfo(Path("home/ann"))).pixmap(16, 16).toImage());
}

enum TMountChange : uint8_t { mcNone, mcAddC, mcRemoveA, mcRemoveB, mcRemountA };

struct TFollowCase {
  const char* name;
  const char* selected;  // the folder selected before, with %T
  TMountChange change;
  const char* places;    // the top level after, with %T
  const char* current;   // the current folder after
  const char* expanded;  // the top-level nodes expanded after
  const char* aChildren;  // the children of a's place, where it stays
};

class FollowMounts : public Places, public ::testing::WithParamInterface<TFollowCase> {};

// Mounts and unmounts change the places they concern; the others keep
// their folders read, their expansion and the selection. A gone place
// that held the selection leaves it on "/"; a place mounted anew is
// collapsed, to be read again, and takes a selection from below.
TEST_P(FollowMounts, ChangeOnlyThePlacesTheyConcern) {
  const TFollowCase& c = GetParam();
  for (const char* folder : {"a/x/deep", "b/y", "c/z"}) MakeFolder(QString::fromUtf8(folder));
  volumes_ = {Disk("/", QString(), 1), Disk(Path("a"), QString(), 2), Disk(Path("b"), QString(), 3)};
  QDir::setCurrent(Path("a"));
  Show();
  Expand({}, 1);
  tree_->SetCurrentFolder(Expected(c.selected));
  switch (c.change) {
    case mcNone: break;
    case mcAddC: volumes_.push_back(Disk(Path("c"), QString(), 4)); break;
    case mcRemoveA: volumes_.erase(volumes_.begin() + 1); break;
    case mcRemoveB: volumes_.erase(volumes_.begin() + 2); break;
    case mcRemountA: volumes_[1].MountId = 5; break;
  }
  Remount();
  EXPECT_EQ(TopLevel().toStdString(), Expected(c.places).toStdString());
  EXPECT_EQ(tree_->CurrentFolder().toStdString(), Expected(c.current).toStdString());
  EXPECT_EQ(list_.Folder().toStdString(), Expected(c.current).toStdString());
  EXPECT_EQ(Expanded().toStdString(), Expected(c.expanded).toStdString());
  if (const QTreeWidgetItem* a = Place(Expected(" (%T/a)"))) {
    EXPECT_EQ(Texts(a).toStdString(), c.aChildren);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FollowMounts,
    ::testing::Values(
        TFollowCase{"Nothing", "%T/b/y", mcNone, " (/)| (%T/a)| (%T/b)", "%T/b/y", " (%T/a)| (%T/b)", "x"},
        TFollowCase{"Added", "%T/b/y", mcAddC, " (/)| (%T/a)| (%T/b)| (%T/c)", "%T/b/y", " (%T/a)| (%T/b)", "x"},
        TFollowCase{"OtherRemoved", "%T/b/y", mcRemoveA, " (/)| (%T/b)", "%T/b/y", " (%T/b)", ""},
        TFollowCase{"SelectedRemoved", "%T/b/y", mcRemoveB, " (/)| (%T/a)", "/", " (%T/a)", "x"},
        TFollowCase{"SelectedPlaceRemoved", "%T/a", mcRemoveA, " (/)| (%T/b)", "/", "", ""},
        TFollowCase{"SelectedRemounted", "%T/a/x/deep", mcRemountA, " (/)| (%T/a)| (%T/b)", "%T/a", "", ":"},
        TFollowCase{"OtherRemounted", "%T/b/y", mcRemountA, " (/)| (%T/a)| (%T/b)", "%T/b/y", " (%T/b)", ":"}),
    [](const ::testing::TestParamInfo<TFollowCase>& info) { return std::string(info.param.name); });

// A table that flaps: a hundred changes between two turns of the event
// loop are followed once, to the last, and a hundred at 100 a second end
// in the last state too, the selection and the expansion kept.
TEST_F(Places, AFlappingTableEndsInItsLastState) {
  for (const char* folder : {"a/x", "b/y", "c"}) MakeFolder(QString::fromUtf8(folder));
  volumes_ = {Disk("/"), Disk(Path("a"), QString(), 2), Disk(Path("b"), QString(), 3)};
  QDir::setCurrent(Path("a"));
  Show();
  Expand({}, 1);
  tree_->SetCurrentFolder(Path("b/y"));
  int changes = 0;
  // Every change mounts c anew or unmounts it.
  const auto flap = [&] {
    ++changes;
    if (volumes_.size() == 4) volumes_.pop_back();
    else volumes_.push_back(Disk(Path("c"), QString(), 100 + changes));
    source_->OnChange();
  };
  for (int i = 0; i < 99; ++i) flap();
  QCoreApplication::processEvents();
  EXPECT_EQ(TopLevel().toStdString(), Expected(" (/)| (%T/a)| (%T/b)| (%T/c)").toStdString());

  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, flap);
  timer.start(10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return changes == 199; }, 10000));
  timer.stop();
  QCoreApplication::processEvents();
  EXPECT_EQ(TopLevel().toStdString(), Expected(" (/)| (%T/a)| (%T/b)| (%T/c)").toStdString());
  EXPECT_EQ(Texts(Place(Expected(" (%T/c)"))).toStdString(), "");
  EXPECT_EQ(tree_->CurrentFolder().toStdString(), Path("b/y").toStdString());
  EXPECT_EQ(Expanded().toStdString(), Expected(" (%T/a)| (%T/b)").toStdString());
}

// A folder of a volume reached through another place (not its own) when
// the volume goes: the selection stays and the list shows the folder
// empty, as one removed while shown.
TEST_F(Places, AFolderOfAGoneVolumeReachedThroughAnotherPlaceIsListedEmpty) {
  MakeFolder("usb/photos");
  Touch("usb/photos/a.jpg");
  volumes_ = {Disk(Path()), Disk(Path("usb"))};
  QDir::setCurrent(Path());
  list_.SetMask(QStringLiteral("*.jpg"));
  Show();
  QTreeWidgetItem* photos = Expand({"usb", "photos"});
  ASSERT_NE(photos, nullptr);
  tree_->setCurrentItem(photos);
  ASSERT_EQ(list_.Items().size(), 1u);
  volumes_.pop_back();
  ASSERT_TRUE(QDir(Path("usb/photos")).removeRecursively());
  Remount();
  EXPECT_EQ(tree_->currentItem(), photos);
  EXPECT_EQ(tree_->CurrentFolder().toStdString(), Path("usb/photos").toStdString());
  EXPECT_TRUE(list_.Items().empty());
}

}  // namespace
