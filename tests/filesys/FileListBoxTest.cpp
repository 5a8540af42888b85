#include <sys/stat.h>

#include <QAbstractItemModel>
#include <QGuiApplication>
#include <QTest>
#include <optional>
#include <stdexcept>

#include "FolderFixture.h"
#include "filesys/RzFileListBox.h"

namespace {

constexpr TFileType kBrowserFileType = FileAttrBit(ftReadOnly) | FileAttrBit(ftHidden) | FileAttrBit(ftSystem) |
                                       FileAttrBit(ftVolumeID) | FileAttrBit(ftArchive) | FileAttrBit(ftNormal);

class FileList : public FolderFixture {
 protected:
  FileList() {
    list_.resize(200, 300);
    list_.OnChange = [this] { ++changes_; };
    list_.OnDblClick = [this] { doubleClicked_.append(list_.FileName()); };
  }
  // Shows the folder (the list reads it as it is first shown).
  void Open(const QString& mask, TFileType fileType, const QString& folder = QString()) {
    list_.SetMask(mask);
    list_.SetFileType(fileType);
    list_.SetFolder(folder.isEmpty() ? Path() : folder);
    list_.show();
    changes_ = 0;
  }
  // Makes the entries: "name/" a folder, "name>target" a link, "name|" a
  // FIFO, anything else an empty file.
  void Make(const std::vector<const char*>& entries) const {
    for (const char* entry : entries) {
      const QString name = QString::fromUtf8(entry);
      if (name.endsWith('/')) MakeFolder(name);
      else if (name.contains('>')) Link(QDir(Path()).filePath(name.section('>', 1)), name.section('>', 0, 0));
      else if (name.endsWith('|')) ASSERT_EQ(::mkfifo(QFile::encodeName(Path(name.chopped(1))).constData(), 0600), 0);
      else Touch(name);
    }
  }
  QStringList Names() const {
    QStringList names;
    for (const TRzFileInfo& file : list_.Items()) names.append(file.Name);
    return names;
  }
  QPoint ItemCentre(int row) const { return list_.visualRect(list_.model()->index(row, 0)).center(); }
  QString Canonical(const QString& relative) const { return QFileInfo(Path(relative)).canonicalFilePath(); }

  TRzFileListBox list_;
  int changes_ = 0;
  QStringList doubleClicked_;
};

// Regular files only, and links to them.
struct TListingCase {
  std::vector<const char*> entries;
  const char* mask;
  TFileType fileType;
  const char* listed;
};

class Listing : public FileList, public ::testing::WithParamInterface<TListingCase> {};

TEST_P(Listing, ListsWhatTheMasksAndTheFileTypeKeepInOrder) {
  const TListingCase& c = GetParam();
  Make(c.entries);
  Open(QString::fromUtf8(c.mask), c.fileType);
  EXPECT_EQ(Text(Names()), c.listed);
  EXPECT_EQ(list_.ItemIndex(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, Listing,
    ::testing::Values(
        TListingCase{{"a.bmp", "B.JPG", "c.txt", "d.Bmp"}, "*.bmp;*.jpg", kBrowserFileType, "a.bmp|B.JPG|d.Bmp"},
        TListingCase{{"photo.jpg", "other.jpg"}, "*.jpg;photo.*", kBrowserFileType, "other.jpg|photo.jpg"},
        TListingCase{{".hidden.jpg", "seen.jpg", "album.jpg/"}, "*.jpg", kBrowserFileType, ".hidden.jpg|seen.jpg"},
        TListingCase{{".hidden.jpg", "seen.jpg"}, "*.jpg", FileAttrBit(ftNormal), "seen.jpg"},
        TListingCase{{".hidden.jpg", "seen.jpg"}, "*.jpg", FileAttrBit(ftHidden), ".hidden.jpg"},
        TListingCase{{"b.txt", "c/", "A/"}, "*.*", FileAttrBit(ftNormal) | FileAttrBit(ftDirectory), "A|c|b.txt"},
        TListingCase{{"b.JPG", "a.jpg", "B.jpg", "A.jpg"}, "*.jpg", kBrowserFileType, "A.jpg|a.jpg|B.jpg|b.JPG"},
        TListingCase{{"README", "a.b"}, "*.*", FileAttrBit(ftNormal), "a.b|README"},
        TListingCase{{"real.jpg", "album/", "link.jpg>real.jpg", "dangling.jpg>missing.jpg", "zero.jpg>/dev/zero",
                      "album.jpg>album", "x.jpg|"},
                     "*.jpg", kBrowserFileType, "link.jpg|real.jpg"}));

// A folder that cannot be entered leaves the list and the process in the
// folder they were in, listed again with one change event.
TEST_F(FileList, ShowingAFolderGoesThroughTheProcessCurrentFolder) {
  MakeFolder("real");
  Touch("real/a.jpg");
  Link(Path("real"), "link");
  Open(QStringLiteral("*.jpg"), kBrowserFileType, Path("link"));
  EXPECT_EQ(QDir::currentPath(), Canonical("real"));
  EXPECT_EQ(list_.Folder(), Canonical("real"));
  EXPECT_EQ(Text(Names()), "a.jpg");
  list_.SetFolder(Path("gone"));
  EXPECT_EQ(list_.Folder(), Canonical("real"));
  EXPECT_EQ(QDir::currentPath(), Canonical("real"));
  EXPECT_EQ(Text(Names()), "a.jpg");
  EXPECT_EQ(changes_, 1);
}

struct TBusyCase {
  int files;
  bool busy;
};

class BusyCursor : public FileList, public ::testing::WithParamInterface<TBusyCase> {};

// A re-read lists what is there now, with nothing selected and one change
// event, under the busy cursor from the 101st entry on; the next click on
// the item selected before is a change again.
TEST_P(BusyCursor, ShowsFromTheHundredAndFirstEntryUntilTheChange) {
  const TBusyCase& c = GetParam();
  for (int i = 0; i < c.files; ++i) Touch(QStringLiteral("%1.jpg").arg(i));
  std::optional<Qt::CursorShape> whileListing;
  QObject::connect(list_.model(), &QAbstractItemModel::modelReset, [&] {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    whileListing = cursor ? cursor->shape() : Qt::ArrowCursor;
  });
  bool restoredAtChange = false;
  list_.OnChange = [&] {
    ++changes_;
    restoredAtChange = QGuiApplication::overrideCursor() == nullptr;
  };
  Open(QStringLiteral("*.bmp;*.jpg"), kBrowserFileType);
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(0));
  ASSERT_EQ(list_.ItemIndex(), 0);
  Touch("new.jpg");
  changes_ = 0;
  list_.Reread();
  EXPECT_EQ(whileListing, c.busy ? Qt::WaitCursor : Qt::ArrowCursor);
  EXPECT_TRUE(restoredAtChange);
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(static_cast<int>(list_.Items().size()), c.files + 1);
  EXPECT_EQ(list_.ItemIndex(), -1);
  EXPECT_EQ(list_.FileName(), "");
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(0));
  EXPECT_EQ(changes_, 2);
}

INSTANTIATE_TEST_SUITE_P(Counts, BusyCursor,
                         ::testing::Values(TBusyCase{99, false}, TBusyCase{100, true}, TBusyCase{149, true}));

TEST_F(FileList, TheBusyCursorGoesAlsoWhenTheReReadFails) {
  for (int i = 0; i < 150; ++i) Touch(QStringLiteral("%1.jpg").arg(i));
  Open(QStringLiteral("*.jpg"), kBrowserFileType);
  QObject::connect(list_.model(), &QAbstractItemModel::modelReset, [] { throw std::runtime_error("failed"); });
  EXPECT_THROW(list_.Reread(), std::runtime_error);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// One user action on a list of a.jpg, b.jpg, c.jpg and the change events
// it raises.
struct TChangeStep {
  const char* action;  // "click N", "key Down", "key Up", "select N" (by the program)
  int changes;
  int index;
};

class ChangeEvents : public FileList, public ::testing::WithParamInterface<std::vector<TChangeStep>> {};

TEST_P(ChangeEvents, RiseOncePerChangeOfTheSelectedItemByMouseOrKeys) {
  Make({"a.jpg", "b.jpg", "c.jpg"});
  Open(QStringLiteral("*.jpg"), kBrowserFileType);
  list_.setFocus();
  for (const TChangeStep& step : GetParam()) {
    changes_ = 0;
    const QString action = QString::fromUtf8(step.action);
    if (action.startsWith(QLatin1String("click ")))
      QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(action.mid(6).toInt()));
    else if (action.startsWith(QLatin1String("select ")))
      list_.setCurrentIndex(list_.model()->index(action.mid(7).toInt(), 0));
    else
      QTest::keyClick(&list_, action == QLatin1String("key Down") ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(changes_, step.changes) << step.action;
    EXPECT_EQ(list_.ItemIndex(), step.index) << step.action;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ChangeEvents,
    ::testing::Values(std::vector<TChangeStep>{{"click 0", 1, 0}, {"click 0", 0, 0}, {"click 2", 1, 2}},
                      std::vector<TChangeStep>{{"select 1", 0, 1}, {"click 1", 1, 1}, {"select 2", 0, 2}},
                      std::vector<TChangeStep>{{"click 0", 1, 0}, {"key Down", 1, 1}, {"key Down", 1, 2},
                                               {"key Down", 0, 2}, {"key Up", 1, 1}}));

TEST_F(FileList, ADoubleClickAnywhereRaisesTheEventWithTheSelection) {
  Make({"a.jpg", "b.jpg"});
  Open(QStringLiteral("*.jpg"), kBrowserFileType);
  QTest::mouseDClick(list_.viewport(), Qt::LeftButton, {}, QPoint(50, 250));
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(0));
  QTest::mouseDClick(list_.viewport(), Qt::LeftButton, {}, QPoint(50, 250));
  QTest::mouseDClick(list_.viewport(), Qt::RightButton, {}, QPoint(50, 250));
  QTest::mouseDClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(1));
  EXPECT_EQ(Text(doubleClicked_), Text({QString(), Path("a.jpg"), Path("b.jpg")}));
}

TEST_F(FileList, DrawsTheItemRightOfItsIconWithTheSelectionFromTwentyFourPixels) {
  Make({"a.jpg", "b.jpg"});
  Open(QStringLiteral("*.jpg"), kBrowserFileType);
  ASSERT_EQ(list_.ItemHeight(), 18);
  EXPECT_EQ(list_.visualRect(list_.model()->index(1, 0)).top(), 18);
  list_.setCurrentIndex(list_.model()->index(0, 0));
  const QImage shown = list_.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb base = list_.palette().base().color().rgb();
  const QRgb highlight = list_.palette().highlight().color().rgb();
  const auto at = [&](int x, int y) { return shown.pixel(x, y); };
  EXPECT_EQ(at(1, 9), base);
  EXPECT_EQ(at(23, 9), base);
  EXPECT_EQ(at(24, 9), highlight);
  EXPECT_EQ(at(190, 17), highlight);
  EXPECT_EQ(at(24, 18), base);
  // The icon stands 4 pixels in from the edge.
  bool icon = false;
  for (int y = 0; y < 18; ++y) {
    EXPECT_EQ(at(3, y), base) << y;
    for (int x = 4; x < 20; ++x) icon = icon || at(x, y) != base;
  }
  EXPECT_TRUE(icon);
}

}  // namespace
