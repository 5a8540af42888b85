// "vellumo FILE" as the browser carries it out: the tree and the list walk
// to the file's folder and select it, and it opens as a double click opens
// it; a file that cannot be opened shows the reader's message once and the
// browser stays.
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QLabel>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "support/MadeFiles.h"
#include "support/widget/ProgramTestSupport.h"

namespace {

struct TOpenCase {
  const char* Name;
  // The file given, in the test's folder "Фото" unless it starts with "/".
  const char* File;
  // Makes what the test's folder holds besides the sample pictures.
  std::function<void(const QDir& folder)> Make;
  // The start of the message shown ("%1" stands for the file's path), or
  // "" for none.
  const char* Message;
  const char* Shown;     // ShownWindows() afterwards
  const char* Selected;  // the list's selected name; "" for none
};

class OpenFile : public ProgramTest, public ::testing::WithParamInterface<TOpenCase> {};

TEST_P(OpenFile, WalksToTheFolderSelectsTheFileAndOpensItAsADoubleClick) {
  const TOpenCase& c = GetParam();
  const QDir folder(Dir.filePath(QStringLiteral("Фото")));
  ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
  WriteTestPicture(folder.filePath(QStringLiteral("a.bmp")), 4, 4);
  WriteTestPicture(folder.filePath(QStringLiteral("луг.bmp")), 120, 80);
  if (c.Make) c.Make(folder);
  Form4->show();
  Form2->LoadBackground(WriteTestPicture(Dir.filePath(QStringLiteral("before.bmp")), 9, 8));
  const QString path = c.File[0] == '/' ? QString::fromUtf8(c.File) : folder.filePath(QString::fromUtf8(c.File));

  try {
    Form4->OpenFile(path);
  } catch (const Exception& error) {
    Dialogs_.ShowMessage(nullptr, error.Message(), QString(), mkError);
  }
  // The selection's preview follows once the loop runs.
  QCoreApplication::processEvents();

  const bool fails = c.Message[0] != '\0';
  const QString message = QString::fromUtf8(c.Message).replace(QStringLiteral("%1"), path);
  ASSERT_EQ(Dialogs_.Messages.size(), fails ? 1u : 0u) << Dialogs_.MessageTexts().join('|').toStdString();
  if (fails) {
    EXPECT_TRUE(Dialogs_.Messages[0].Text.startsWith(message)) << Dialogs_.Messages[0].Text.toStdString();
  }
  EXPECT_EQ(ShownWindows(), QString::fromLatin1(c.Shown));
  if (c.File[0] != '/') {
    EXPECT_EQ(Form4->RzDirectoryTree1->CurrentFolder(), folder.path());
  }
  const int32_t selected = Form4->RzFileListBox1->ItemIndex();
  EXPECT_EQ(selected < 0 ? QString() : Form4->RzFileListBox1->Items()[selected].Name, QString::fromUtf8(c.Selected));
  if (!fails) {
    EXPECT_EQ(Form2->Image1.Width(), 120);
    EXPECT_EQ(Form4->SBPanels[2]->text(), "120x80");
  } else {
    EXPECT_EQ(Form2->Image1.Width(), 9);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenFile,
    ::testing::Values(
        TOpenCase{"AListedPicture", "луг.bmp", nullptr, "", "-21", "луг.bmp"},
        TOpenCase{"ABrokenListedPicture", "луг.jpg",
                  [](const QDir& f) { WriteBytes(f.filePath(QStringLiteral("луг.jpg")), "not a picture"); },
                  "JPEG error #", "4--", "луг.jpg"},
        TOpenCase{"AMissingFile", "нет.jpg", nullptr, "Cannot open file %1", "4--", ""},
        TOpenCase{"AFileOfNoPictureKind", "notes.txt",
                  [](const QDir& f) { WriteBytes(f.filePath(QStringLiteral("notes.txt")), "text"); },
                  "Unknown picture file extension (.txt)", "4--", ""},
        TOpenCase{"ADevice", "/dev/zero", nullptr, "Unknown picture file extension (.)", "4--", ""}),
    [](const ::testing::TestParamInfo<TOpenCase>& info) { return std::string(info.param.Name); });

// A file manager offers "Open with" for what the menu entry lists: the
// kinds of picture the browser lists, no more and no fewer.
TEST_F(ProgramTest, TheMenuEntryOffersThePictureKindsTheBrowserLists) {
  QFile entry(QStringLiteral(VELLUMO_BINARY_DIR "/packaging/" VELLUMO_APP_ID ".desktop"));
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
  QStringList offered;
  for (const QByteArray& line : entry.readAll().split('\n'))
    if (line.startsWith("MimeType=")) offered = QString::fromUtf8(line.mid(9)).split(';', Qt::SkipEmptyParts);
  QStringList listed;
  const QMimeDatabase kinds;
  for (const QString& mask : Form4->RzFileListBox1->Mask().split(';'))
    listed << kinds.mimeTypeForFile(QStringLiteral("picture") + mask.mid(1), QMimeDatabase::MatchExtension).name();
  offered.sort();
  listed.sort();
  listed.removeDuplicates();
  EXPECT_EQ(offered, listed);
}

}  // namespace
