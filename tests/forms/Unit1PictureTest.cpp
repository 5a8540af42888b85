// The picture choice: the picture dialog, the file read as BMP into the
// preview and the label, and the files it refuses.
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "forms/Unit1Controls.h"
#include "forms/Unit1TestSupport.h"
#include "pictures/Jpeg.h"
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

QByteArray PatternBytes() {
  TBitmap bitmap;
  DrawPattern(bitmap);
  return bitmap.SaveToBytes();
}

// A BMP header of 24-bit rows claiming 65500 x 65500 pixels, and no rows.
QByteArray HugeHeader() {
  QByteArray bytes(54, '\0');
  auto put32 = [&](int at, uint32_t value) { qToLittleEndian(value, bytes.data() + at); };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, 54);
  put32(10, 54);
  put32(14, 40);
  put32(18, 65500);
  put32(22, 65500);
  qToLittleEndian<uint16_t>(1, bytes.data() + 26);
  qToLittleEndian<uint16_t>(24, bytes.data() + 28);
  return bytes;
}

QByteArray JpegBytes() {
  TJPEGImage jpeg;
  TBitmap bitmap;
  DrawPattern(bitmap);
  jpeg.Assign(bitmap);
  return jpeg.SaveToBytes();
}

class PictureChoiceTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    ShowPanel();
    Form1->ComboBox1->setCurrentIndex(1);  // "Центр"
    LabelFill().SetStyle(sfBrush);
    Preview().SetStyle(sfGradient);
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  void Choose(const QString& path) {
    if (!path.isEmpty()) dialogs_.PictureAnswers.push_back(path);
    QTest::mouseClick(Form1->RzBmpButton3, Qt::LeftButton);
  }
  // What a refused or cancelled choice must leave as it was.
  void ExpectUnchanged() {
    EXPECT_TRUE(Preview().Bitmap().Empty());
    EXPECT_TRUE(LabelFill().Bitmap().Empty());
    EXPECT_EQ(LabelFill().Style(), sfBrush);
    EXPECT_EQ(Preview().Style(), sfGradient);
    EXPECT_EQ(LabelFill().TileMode(), tmCenter);
  }

  QTemporaryDir folder_;
};

TEST_F(PictureChoiceTest, ABmpOfAnyNameGoesToPreviewAndLabelThenTheTileHandlerRuns) {
  Preview().SetTileMode(tmStretch);
  Choose(Write(QStringLiteral("pattern.jpg"), PatternBytes()));
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

TEST_F(PictureChoiceTest, CancelChangesNothing) {
  Choose(QString());
  ExpectUnchanged();
  EXPECT_TRUE(dialogs_.Messages.empty());
}

struct BadFileCase {
  const char* Name;
  std::function<QByteArray()> Bytes;
};

class BadPictureFiles : public PictureChoiceTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadPictureFiles, AreNotValidBitmapsAndChangeNothing) {
  Choose(Write(QString::fromLatin1(GetParam().Name), GetParam().Bytes()));
  EXPECT_EQ(dialogs_.MessageTexts(), QStringList{QStringLiteral("Bitmap image is not valid")});
  ExpectUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Files, BadPictureFiles,
                         ::testing::Values(BadFileCase{"photo.bmp", JpegBytes},
                                           BadFileCase{"cut.bmp", [] { return PatternBytes().left(30); }},
                                           BadFileCase{"huge.bmp", HugeHeader}));

TEST_F(PictureChoiceTest, AFifoIsRefusedAtOnce) {
  const QString path = folder_.filePath(QStringLiteral("pipe.bmp"));
  ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  // Should the load wait for a writer, one comes after two seconds: the
  // test then fails instead of hanging.
  std::atomic<bool> done{false};
  std::thread watchdog([&] {
    for (int tick = 0; tick < 20 && !done; ++tick) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!done) QFile(path).open(QIODevice::WriteOnly);
  });
  const auto start = std::chrono::steady_clock::now();
  Choose(path);
  done = true;
  watchdog.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(dialogs_.MessageTexts(), QStringList{QStringLiteral("Cannot open file %1").arg(path)});
  ExpectUnchanged();
}

TEST(PictureDialog, ShowsBmpFilesWithAPreviewAndReturnsTheChosenOne) {
  QTemporaryDir folder;
  TBitmap pattern;
  DrawPattern(pattern);
  pattern.SaveToFile(folder.filePath(QStringLiteral("pattern.BMP")));
  QFile(folder.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
  QString shownSize;
  QSize shownPicture;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(folder.path());
    // The dialog reads the folder in the background; then a click on the
    // file's line.
    auto* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
    QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 1; });
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
