#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "pictures/StreamIO.h"
#include "render/NumberedFile.h"
#include "toolkit/Exceptions.h"

namespace {

class NumberedFile : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  void Touch(const QString& name, const QByteArray& content = "x") const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name); }
  QByteArray Content(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  static std::function<void(QIODevice&)> Writing(const QByteArray& bytes) {
    return [bytes](QIODevice& device) { device.write(bytes); };
  }
  QString Message(const std::function<void()>& action) const {
    try {
      action();
    } catch (const Exception& error) {
      return error.Message();
    }
    return QStringLiteral("<no error>");
  }

  QTemporaryDir dir_;
};

TEST_F(NumberedFile, NamesJoinFolderNumberAndExtension) {
  EXPECT_EQ(NumberedFileName(QStringLiteral("/photos"), 3, QStringLiteral(".bmp")), "/photos/3.bmp");
  EXPECT_EQ(NumberedFileName(QStringLiteral("/"), 1, QStringLiteral(".jpg")), "/1.jpg");
  EXPECT_EQ(NumberedFileName(QStringLiteral("."), 12, QStringLiteral(".jpg")), "./12.jpg");
  EXPECT_EQ(NumberedFileName(QString(), 1, QStringLiteral(".bmp")), "1.bmp");
}

TEST_F(NumberedFile, TakesTheLowestGapThenGoesOnPastTheTakenNumbers) {
  Touch("1.bmp");
  Touch("3.bmp");
  EXPECT_EQ(LowestFreeNumber(dir_.path(), ".bmp"), 2);
  EXPECT_EQ(WriteNumberedFile(dir_.path(), ".bmp", 1, Writing("second")).Path, Path("2.bmp"));
  EXPECT_EQ(WriteNumberedFile(dir_.path(), ".bmp", 1, Writing("fourth")).Path, Path("4.bmp"));
  // A later first number is where the search starts.
  EXPECT_EQ(WriteNumberedFile(dir_.path(), ".bmp", 7, Writing("seventh")).Number, 7);
  EXPECT_EQ(Content("2.bmp"), "second");
  EXPECT_EQ(Content("4.bmp"), "fourth");
  EXPECT_EQ(Content("1.bmp"), "x");
  EXPECT_EQ(Entries(), QStringList({"1.bmp", "2.bmp", "3.bmp", "4.bmp", "7.bmp"}));
}

TEST_F(NumberedFile, EachExtensionCountsOnlyItself) {
  Touch("1.jpg");
  Touch("2.jpg");
  Touch("1.BMP");
  EXPECT_EQ(LowestFreeNumber(dir_.path(), ".jpg"), 3);
  EXPECT_EQ(LowestFreeNumber(dir_.path(), ".bmp"), 1);
}

TEST_F(NumberedFile, OnlyFilesTakeANumber) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("1.bmp"));
  EXPECT_EQ(LowestFreeNumber(dir_.path(), ".bmp"), 1);
  // The folder does not count as a file, yet its name is taken: the file
  // goes on to the next number, and no temporary file is left.
  const TNumberedFile written = WriteNumberedFile(dir_.path(), ".bmp", 1, Writing("a"));
  EXPECT_EQ(written.Path, Path("2.bmp"));
  EXPECT_EQ(written.Number, 2);
  EXPECT_EQ(Entries(), QStringList({"1.bmp", "2.bmp"}));
}

TEST_F(NumberedFile, AMissingFolderHasEveryNumberFreeButCannotBeWritten) {
  const QString missing = Path("missing");
  EXPECT_EQ(LowestFreeNumber(missing, ".bmp"), 1);
  EXPECT_EQ(Message([&] { WriteNumberedFile(missing, ".bmp", 1, Writing("a")); }), "Cannot create file " + missing + "/1.bmp");
  EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(NumberedFile, AFileInPlaceOfTheFolderCannotBeWritten) {
  Touch("plain");
  EXPECT_EQ(Message([&] { WriteNumberedFile(Path("plain"), ".jpg", 1, Writing("a")); }),
            "Cannot create file " + Path("plain") + "/1.jpg");
}

TEST_F(NumberedFile, AFailingWriterLeavesNothing) {
  EXPECT_EQ(Message([&] {
              WriteNumberedFile(dir_.path(), ".jpg", 1, [](QIODevice& device) {
                device.write("half");
                throw EJPEG(42);
              });
            }),
            "JPEG error #42");
  EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(NumberedFile, ANumberTakenDuringTheWriteIsNotReplaced) {
  const QString name = WriteNumberedFile(dir_.path(), ".bmp", 1, [&](QIODevice& device) {
                         Touch("1.bmp", "theirs");
                         device.write("ours");
                       }).Path;
  EXPECT_EQ(name, Path("2.bmp"));
  EXPECT_EQ(Content("1.bmp"), "theirs");
  EXPECT_EQ(Content("2.bmp"), "ours");
  EXPECT_EQ(Entries(), QStringList({"1.bmp", "2.bmp"}));
}

// Until it is named, the file has no name in the folder at all (where the
// file system can make such files), so that nothing is left of it when
// the process ends before.
TEST_F(NumberedFile, AFileOnItsWayShowsNowhereUntilItIsNamed) {
  const int probe = ::open(QFile::encodeName(dir_.path()).constData(), O_TMPFILE | O_WRONLY, 0600);
  if (probe < 0) GTEST_SKIP() << "the file system makes no files without a name";
  ::close(probe);
  {
    TNumberedFileWriter dropped(dir_.path(), ".jpg");
    dropped.Write(Writing("never named"));
    dropped.Complete();
    EXPECT_TRUE(Entries().isEmpty());
  }
  TNumberedFileWriter writer(dir_.path(), ".jpg");
  writer.Write(Writing("named"));
  writer.Complete();
  EXPECT_TRUE(Entries().isEmpty());
  EXPECT_EQ(writer.Commit().Path, Path("1.jpg"));
  EXPECT_EQ(Content("1.jpg"), "named");
  EXPECT_EQ(Entries(), QStringList({"1.jpg"}));
}

// The name's search starts at the later of the writer's first number and
// the one Commit is given.
TEST_F(NumberedFile, CommitCanStartTheSearchLater) {
  Touch("1.bmp");
  TNumberedFileWriter later(dir_.path(), ".bmp");
  later.Write(Writing("later"));
  EXPECT_EQ(later.Commit(4).Number, 4);
  TNumberedFileWriter lowest(dir_.path(), ".bmp", 3);
  lowest.Write(Writing("lowest"));
  EXPECT_EQ(lowest.Commit(2).Number, 3);
  EXPECT_EQ(Entries(), QStringList({"1.bmp", "3.bmp", "4.bmp"}));
}

TEST_F(NumberedFile, TheFileHasTheUsersUsualPermissions) {
  const std::pair<mode_t, mode_t> masksAndModes[] = {{022, 0644}, {027, 0640}, {0, 0666}};
  for (const auto& [mask, mode] : masksAndModes) {
    const mode_t old = ::umask(mask);
    const QString name = WriteNumberedFile(dir_.path(), ".bmp", 1, Writing("a")).Path;
    ::umask(old);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(name).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, mode) << std::oct << mask;
  }
}

// A write that fails midway (a full disk) names the file it was making.
TEST_F(NumberedFile, AWriteThatFailsNamesTheFile) {
  Touch("1.bmp");
  EXPECT_EQ(Message([&] {
              WriteNumberedFile(dir_.path(), ".bmp", 1, [](QIODevice& device) {
                device.write("half");
                throw EWriteError();
              });
            }),
            "Cannot create file " + Path("2.bmp"));
  EXPECT_EQ(Entries(), QStringList({"1.bmp"}));
}

// A file system with neither files without a name, nor a no-replace rename,
// nor hard links, each refused as its own kind of unsupported. The refused
// rename of 2.bmp lets another writer take that name first, as may happen
// between the refusals and the copy.
int RefuseUnnamed(const char*) {
  errno = EOPNOTSUPP;
  return -1;
}
int RefuseRenameWhileAnotherTakesTheName(const char*, const char* to) {
  const QByteArray target(to);
  const int other = target.endsWith("/2.bmp") ? ::open(to, O_WRONLY | O_CREAT | O_EXCL, 0644) : -1;
  if (other >= 0) {
    (void)!::write(other, "theirs", 6);
    ::close(other);
  }
  errno = EINVAL;
  return -1;
}
int RefuseLink(const char*, const char*) {
  errno = EPERM;
  return -1;
}
constexpr TNamingCalls kNoRenameNoLink{RefuseUnnamed, RefuseRenameWhileAnotherTakesTheName, RefuseLink};

TEST_F(NumberedFile, WithoutRenameOrLinkTheFileIsCopiedToAFreeNumber) {
  Touch("1.bmp", "old");
  TNumberedFileWriter writer(dir_.path(), ".bmp", 1, kNoRenameNoLink);
  writer.Write(Writing("ours"));
  const TNumberedFile written = writer.Commit();
  // 2.bmp was taken while ours was on its way: the copy never replaces it.
  EXPECT_EQ(written.Path, Path("3.bmp"));
  EXPECT_EQ(written.Number, 3);
  EXPECT_EQ(Content("1.bmp"), "old");
  EXPECT_EQ(Content("2.bmp"), "theirs");
  EXPECT_EQ(Content("3.bmp"), "ours");
  EXPECT_EQ(Entries(), QStringList({"1.bmp", "2.bmp", "3.bmp"}));
}

}  // namespace
