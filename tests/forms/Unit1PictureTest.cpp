// The picture choice: the picture dialog, the file read as BMP into the
// preview and the label, and the files it refuses.
#include <sys/stat.h>

#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QTimer>

#include "forms/Unit1TestSupport.h"
#include "pictures/Jpeg.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "toolkit/window/PlatformDialogs.h"

namespace {

// A 5 x 3 picture whose top-left pixel is red, the rest teal.
void DrawPattern(TBitmap& bitmap) {
  bitmap.SetSize(5, 3);
  bitmap.Canvas().Brush().SetColor(clTeal);
  bitmap.Canvas().FillRect({0, 0, 5, 3});
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect({0, 0, 1, 1});
}

QByteArray PatternBytes(bool jpeg = false) {
  TBitmap bitmap;
  DrawPattern(bitmap);
  TJPEGImage encoded;
  encoded.Assign(bitmap);
  return jpeg ? encoded.SaveToBytes() : bitmap.SaveToBytes();
}

class PictureChoiceTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    Form1->ComboBox1->setCurrentIndex(1);  // "Центр"
    LabelFill().SetStyle(sfBrush);
    Preview().SetStyle(sfGradient);
  }
  void Choose(const QString& path) {
    if (!path.isEmpty()) dialogs_.PictureAnswers.push_back(path);
    QTest::mouseClick(Form1->RzBmpButton3, Qt::LeftButton);
  }

  QTemporaryDir folder_;
};

TEST_F(PictureChoiceTest, ABmpOfAnyNameGoesToPreviewAndLabelThenTheTileHandlerRuns) {
  Preview().SetTileMode(tmStretch);
  Choose(WriteBytes(folder_.filePath(QStringLiteral("pattern.jpg")), PatternBytes()));
  EXPECT_EQ(dialogs_.PictureFilters, std::vector<QString>{QStringLiteral("Bitmaps (*.bmp)|*.bmp")});
  EXPECT_TRUE(dialogs_.Messages.empty());
  for (TLMDFillObject* fill : {&Preview(), &LabelFill()}) {
    ASSERT_EQ(fill->Bitmap().Width(), 5);
    EXPECT_TRUE(PixelIs(fill->Bitmap().Surface(), 0, 0, clRed));
    EXPECT_TRUE(PixelIs(fill->Bitmap().Surface(), 4, 2, clTeal));
    EXPECT_EQ(fill->TileMode(), tmCenter);
  }
  EXPECT_EQ(LabelFill().Style(), sfBitmap);
  EXPECT_EQ(Preview().Style(), sfGradient);
}

// A cancelled or refused choice leaves the preview, the label and their
// styles as they were; a FIFO fails at once, though no writer opens it.
struct BadFileCase {
  const char* Name;
  std::function<void(const QString& path)> Make;  // none: the dialog is cancelled
  const char* Message;                            // "%1" is the path
};

class BadPictureFiles : public PictureChoiceTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadPictureFiles, ChangeNothing) {
  const BadFileCase& c = GetParam();
  const QString path = folder_.filePath(QString::fromLatin1(c.Name));
  if (c.Make) c.Make(path);
  Choose(c.Make ? path : QString());
  EXPECT_EQ(dialogs_.MessageTexts().join(""), QString::fromUtf8(c.Message).replace("%1", path));
  EXPECT_TRUE(Preview().Bitmap().Empty());
  EXPECT_TRUE(LabelFill().Bitmap().Empty());
  EXPECT_EQ(LabelFill().Style(), sfBrush);
  EXPECT_EQ(Preview().Style(), sfGradient);
  EXPECT_EQ(LabelFill().TileMode(), tmCenter);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPictureFiles,
    ::testing::Values(
        BadFileCase{"cancelled", nullptr, ""},
        BadFileCase{"photo.bmp", [](const QString& p) { WriteBytes(p, PatternBytes(true)); }, "Bitmap image is not valid"},
        BadFileCase{"cut.bmp", [](const QString& p) { WriteBytes(p, PatternBytes().left(30)); }, "Bitmap image is not valid"},
        BadFileCase{"huge.bmp", [](const QString& p) { WriteBytes(p, BmpBytes(65500, 65500, 24)); },
                    "Bitmap image is not valid"},
        BadFileCase{"pipe.bmp", [](const QString& p) { ASSERT_EQ(mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
                    "Cannot open file %1"}));

// Qt's file dialog: the file's line clicked shows its size and picture.
TEST(PictureDialog, ShowsBmpFilesWithAPreviewAndReturnsTheChosenOne) {
  QTemporaryDir folder;
  TBitmap pattern;
  DrawPattern(pattern);
  pattern.SaveToFile(folder.filePath(QStringLiteral("pattern.BMP")));
  WriteBytes(folder.filePath(QStringLiteral("notes.txt")), "x");
  QString shownSize;
  QSize shownPicture;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(folder.path());
    auto* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 1; }));
    const QModelIndex file = files->model()->index(0, 0, files->rootIndex());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(file).center());
    shownSize = dialog->findChild<QLabel*>(QStringLiteral("PreviewSize"))->text();
    shownPicture = dialog->findChild<QLabel*>(QStringLiteral("PreviewPicture"))->pixmap().size();
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const QString chosen = TPlatformDialogs().ExecuteOpenPictureDialog(nullptr, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
  EXPECT_EQ(chosen, folder.filePath(QStringLiteral("pattern.BMP")));
  EXPECT_EQ(shownSize, QStringLiteral("(5 x 3)"));
  EXPECT_EQ(shownPicture, QSize(5, 3));
}

}  // namespace
