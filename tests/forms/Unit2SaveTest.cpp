// Saving the composition: the numbered names, the message, the counter,
// the pixels written, and what happens when the folder cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTimer>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "pictures/Jpeg.h"
#include "render/Compose.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/TickCount.h"

namespace {

const QString kSaved = QStringLiteral("Записано в исходную папку. Файл ");

class Unit2Save : public ProgramTest {
 protected:
  void SetUp() override {
    Form2->LoadBackground(WriteTestPicture(Dir.filePath("back.bmp"), 120, 80));
    Form2->show();
    Form2->FitToBackground();
    Form1->show();
    Form4->RzDirectoryTree1->SetCurrentFolder(Dir.path());
    QFile::remove(Dir.filePath("back.bmp"));
  }
  QByteArray Content(const QString& name) const {
    QFile file(Dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QStringList Entries() const {
    return QDir(Dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
  // The pause passes at once: each look at the clock is 50 ms later.
  TTickCountOverride clock_{[tick = uint32_t{0}]() mutable { return tick += 50; }};
  // What the composition shows: the background with the label on it.
  TSurface Shown() const {
    TBitmap background(TestPicture(120, 80));
    return ComposeControls(background, *Form2->Client)->Surface();
  }
};

// Two saves in a row; the panel is hidden while the message is shown.
struct TSaveCase {
  const char* Name;
  QStringList Present;  // a trailing "/" makes a folder
  bool Jpeg;
  QStringList Written;
};

class Unit2Numbering : public Unit2Save, public ::testing::WithParamInterface<TSaveCase> {};

TEST_P(Unit2Numbering, TakesTheLowestFreeNumberPerExtension) {
  const TSaveCase& c = GetParam();
  for (const QString& name : c.Present)
    name.endsWith('/') ? void(QDir(Dir.path()).mkdir(name.chopped(1))) : void(WriteBytes(Dir.filePath(name), "x"));
  QStringList panelShown;
  Dialogs_.OnMessage = [&] { panelShown << (Form1->isVisible() ? "shown" : "hidden"); };
  for (int i = 0; i < 2; ++i) c.Jpeg ? Form2->jpg1Click() : Form2->bmp1Click();
  QStringList messages;
  for (const QString& name : c.Written) messages << kSaved + name;
  EXPECT_EQ(Dialogs_.MessageTexts(), messages);
  for (const TRecordingDialogs::TMessage& message : Dialogs_.Messages) {
    EXPECT_EQ(message.Caption, "Vellumo 2.0");
    EXPECT_EQ(message.Kind, mkInformation);
  }
  EXPECT_EQ(panelShown, QStringList({"hidden", "hidden"}));
  for (const QString& name : c.Written) EXPECT_TRUE(QFileInfo(Dir.filePath(name)).isFile()) << name.toStdString();
  for (const QString& name : c.Present) {
    if (!name.endsWith('/')) {
      EXPECT_EQ(Content(name), "x");
    }
  }
  EXPECT_EQ(Entries().size(), c.Present.size() + c.Written.size());
  EXPECT_EQ(Form2->Label13->text(), "1");
  EXPECT_TRUE(Form1->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Saves, Unit2Numbering,
    ::testing::Values(TSaveCase{"EmptyFolder", {}, false, {"1.bmp", "2.bmp"}},
                      TSaveCase{"Gap", {"1.bmp", "3.bmp"}, false, {"2.bmp", "4.bmp"}},
                      TSaveCase{"JpegPastItsOwn", {"1.jpg", "2.jpg"}, true, {"3.jpg", "4.jpg"}},
                      TSaveCase{"BmpIgnoresJpeg", {"1.jpg", "2.jpg"}, false, {"1.bmp", "2.bmp"}},
                      TSaveCase{"FolderNamedLikeAFile", {"1.bmp/"}, false, {"2.bmp", "3.bmp"}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Half the label lies beyond the right edge; the window is partly off the
// screen and covered by the panel. The JPEG is the same composition
// encoded with the default settings.
TEST_F(Unit2Save, TheFileHoldsTheCompositionAtThePicturesSizeAsShown) {
  Form2->L1.SetLeft(120 - Form2->L1.Width() / 2);
  Form2->SetLeft(-50);
  Form1->move(Form2->pos());
  Form2->bmp1Click();
  Form2->jpg1Click();
  TBitmap saved;
  saved.LoadFromFile(Dir.filePath("1.bmp"));
  EXPECT_EQ(saved.BitsPerPixel(), 32);
  ASSERT_EQ(saved.Width(), 120);
  ASSERT_EQ(saved.Height(), 80);
  EXPECT_TRUE(SameArea(saved.Surface(), Shown(), Rect(0, 0, 120, 80)));
  EXPECT_NE(InkBox(Shown(), clWhite), TRect{});
  TJPEGImage expected;
  expected.Assign(TBitmap(Shown()));
  EXPECT_EQ(Content("1.jpg"), expected.SaveToBytes());
}

// Without a folder selected in the browser the file goes beside the
// background picture.
TEST_F(Unit2Save, WithoutAFolderSelectedTheFileGoesBesideTheBackground) {
  const QTemporaryDir pictures;
  Form2->LoadBackground(WriteTestPicture(pictures.filePath("back.bmp"), 120, 80));
  Form4->RzDirectoryTree1->setCurrentItem(nullptr);
  ASSERT_EQ(Form4->RzDirectoryTree1->CurrentFolder(), QString());
  Form2->bmp1Click();
  EXPECT_EQ(Dialogs_.MessageTexts(), QStringList({kSaved + "1.bmp"}));
  EXPECT_TRUE(QFileInfo(pictures.filePath("1.bmp")).isFile());
  EXPECT_EQ(Entries(), QStringList());
}

// With the real clock: a file made by another program during the pause is
// neither replaced nor named; a save chosen then does nothing.
TEST_F(Unit2Save, DuringThePauseAFileMadeIsKeptAndASaveChosenDoesNothing) {
  const TTickCountOverride realClock(SystemTickCount);
  QTimer::singleShot(0, [this] {
    WriteBytes(Dir.filePath("1.bmp"), "theirs");
    Form2->jpg1Click();
  });
  Form2->bmp1Click();
  EXPECT_EQ(Content("1.bmp"), "theirs");
  EXPECT_TRUE(Content("2.bmp").startsWith("BM"));
  EXPECT_EQ(Entries(), QStringList({"1.bmp", "2.bmp"}));
  EXPECT_EQ(Dialogs_.MessageTexts(), QStringList({kSaved + "2.bmp"}));
  EXPECT_EQ(Form2->Label13->text(), "1");
}

// The tree selects existing folders only: the folder goes after it was
// selected, and a file may take its place. Chosen from the menu, the error
// leaves the handler for the application's default handler; the panel
// stays hidden and the counter keeps the failed number.
class Unwritable : public Unit2Save, public ::testing::WithParamInterface<bool> {};

TEST_P(Unwritable, FailsThroughTheDefaultHandlerAndWritesNothing) {
  const QString missing = Dir.filePath("missing");
  ASSERT_TRUE(QDir().mkdir(missing));
  Form4->RzDirectoryTree1->SetCurrentFolder(missing);
  ASSERT_TRUE(QDir().rmdir(missing));
  if (GetParam()) WriteBytes(missing, "x");
  Form2->Label13->setText(QStringLiteral("3"));
  QMetaObject::invokeMethod(Form2->bmp1, &QAction::trigger, Qt::QueuedConnection);
  QCoreApplication::processEvents();
  ASSERT_EQ(Dialogs_.Messages.size(), 1u);
  EXPECT_EQ(Dialogs_.Messages[0].Text, "Cannot create file " + missing + "/3.bmp");
  EXPECT_EQ(Dialogs_.Messages[0].Caption, "Vellumo 2.0");
  EXPECT_EQ(Dialogs_.Messages[0].Kind, mkError);
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(Form2->Label13->text(), "3");
  EXPECT_EQ(Entries(), GetParam() ? QStringList({"missing"}) : QStringList());
}

INSTANTIATE_TEST_SUITE_P(Folders, Unwritable, ::testing::Values(false, true));

TEST_F(Unit2Save, TheFileKeepsTheWholePictureBeyondTheLargestWindow) {
  Form2->LoadBackground(WriteTestPicture(Dir.filePath("wide.bmp"), 33000, 2));
  QFile::remove(Dir.filePath("wide.bmp"));
  Form2->FitToBackground();
  EXPECT_EQ(Form2->width(), 32767);
  Form2->bmp1Click();
  TBitmap saved;
  saved.LoadFromFile(Dir.filePath("1.bmp"));
  EXPECT_EQ(saved.Width(), 33000);
  EXPECT_EQ(saved.Height(), 2);
}

// The pause reads the clock until the time has passed, across the
// counter's wrap, and meanwhile handles what arrives.
TEST_F(Unit2Save, DelayEndsExactlyWhenTheTimeHasPassedAcrossTheWrap) {
  uint32_t last = 0;
  const TTickCountOverride clock([&last, tick = uint32_t{0xFFFFFFC0u}]() mutable { return last = tick++; });
  bool handled = false;
  QTimer::singleShot(0, [&] { handled = true; });
  Form2->Delay(100);
  EXPECT_EQ(last, 0xFFFFFFC0u + 100u);
  EXPECT_TRUE(handled);
}

}  // namespace
