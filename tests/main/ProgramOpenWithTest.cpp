// "vellumo FILE" from the start: the file, named from the folder the
// program started in, opens once the message loop runs, the browser
// walked to it; one that cannot be opened shows its message in the
// application's error box and leaves the browser up.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "support/widget/ProgramTestSupport.h"

namespace {

struct TStartCase {
  const char* Name;
  const char* File;     // from the start folder, which holds "Фото/луг.bmp"
  const char* Shown;    // ShownWindows() once it has opened
  const char* Message;  // the error box's text ("%1": the file's full path), or ""
};

class ProgramOpenWith : public ::testing::TestWithParam<TStartCase> {};

TEST_P(ProgramOpenWith, OpensTheFileFromTheStartFolderOnceTheLoopRuns) {
  const TStartCase& c = GetParam();
  TRecordingDialogs dialogs;
  const TDialogsOverride answered(dialogs);
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Фото")));
  WriteTestPicture(dir.filePath(QStringLiteral("Фото/луг.bmp")), 64, 48);
  const QString saved = QDir::currentPath();
  QDir::setCurrent(dir.path());

  // Looks, from the message loop, for the opening's outcome (the tree's
  // filling may dispatch events before the loop runs, so nothing is taken
  // from the order of events); then ends the program.
  QString shown, folder;
  QTimer watch;
  QElapsedTimer waited;
  waited.start();
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!Form4) return;
    if (!Form2->isVisible() && dialogs.Messages.empty() && waited.elapsed() < 10000) return;
    watch.stop();
    shown = ShownWindows();
    folder = Form4->RzDirectoryTree1->CurrentFolder();
    Form2->N4Click();
  });
  watch.start(20);
  EXPECT_EQ(RunProgram(Application(), QString::fromUtf8(c.File)), 0);
  QDir::setCurrent(saved);

  EXPECT_EQ(shown, QString::fromLatin1(c.Shown));
  EXPECT_EQ(folder, dir.filePath(QStringLiteral("Фото")));
  if (c.Message[0]) {
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, QString::fromUtf8(c.Message).arg(dir.filePath(QString::fromUtf8(c.File))));
    EXPECT_EQ(dialogs.Messages[0].Caption, QStringLiteral("Vellumo 2.0"));
    EXPECT_EQ(dialogs.Messages[0].Kind, mkError);
  } else {
    EXPECT_TRUE(dialogs.Messages.empty()) << dialogs.MessageTexts().join('|').toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ProgramOpenWith,
                         ::testing::Values(TStartCase{"APicture", "Фото/луг.bmp", "-21", ""},
                                           TStartCase{"AMissingFile", "Фото/нет.jpg", "4--", "Cannot open file %1"}),
                         [](const ::testing::TestParamInfo<TStartCase>& info) { return std::string(info.param.Name); });

}  // namespace
