// The picture browser: its frame, the preview and the status panels of a
// selected file, and every way a selection can fail.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDataStream>
#include <QStatusBar>
#include <chrono>
#include <future>

#include "pictures/Picture.h"

#include "Unit4Support.h"

namespace {

class Unit4 : public BrowserTest {};

QRect PlaceOnForm(const QWidget* widget) { return QRect(widget->mapTo(Form4, QPoint()), widget->size()); }

TEST_F(Unit4, StartsEmptyWithTheLeftSideKeptWideAsTheFrameGrows) {
  EXPECT_EQ(Form4->geometry(), QRect(135, 132, 610, 375));
  EXPECT_EQ(PlaceOnForm(Form4->RzDirectoryTree1), QRect(0, 0, 180, 180));
  EXPECT_EQ(PlaceOnForm(Form4->RzFileListBox1), QRect(0, 185, 180, 171));
  EXPECT_EQ(PlaceOnForm(Form4->Preview), QRect(185, 0, 425, 356));
  EXPECT_EQ(PlaceOnForm(Form4->SB), QRect(0, 356, 610, 19));
  EXPECT_EQ(Form4->SBPanels[0]->width(), 350);
  EXPECT_EQ(Form4->SBPanels[1]->width(), 150);
  EXPECT_EQ(Form4->SBPanels[2]->width(), 150);
  EXPECT_EQ(Form4->RzFileListBox1->toolTip(), "Для открытия файла - двойной клик...");
  EXPECT_EQ(Panels(), "||");
  EXPECT_TRUE(Form4->Preview->Picture().IsNull());
  Form4->SetClientSize(800, 500);
  EXPECT_EQ(PlaceOnForm(Form4->RzFileListBox1), QRect(0, 185, 180, 296));
  EXPECT_EQ(PlaceOnForm(Form4->Preview), QRect(185, 0, 615, 481));
  EXPECT_EQ(PlaceOnForm(Form4->SB), QRect(0, 481, 800, 19));
}

TEST_F(Unit4, PreviewsTheSelectedPictureWithItsPathSizeAndDimensions) {
  WriteJpeg("photo.jpg", 640, 480, 48213);
  Form4->RzFileListBox1->Reread();
  Click("photo.jpg");
  EXPECT_EQ(Panels(), Path("photo.jpg") + "|Размер: 48213 байт|640x480");
  EXPECT_EQ(Form4->Preview->Picture().Width(), 640);
  EXPECT_EQ(Form4->Preview->Picture().Height(), 480);
  EXPECT_TRUE(Dialogs_.Messages.empty());
}

TEST_F(Unit4, ShowsTheFullSizeOfAFileBeyondFourGibibytes) {
  WriteBmp("sparse.bmp", 3, 2);
  constexpr qint64 kFiveGibibytes = qint64(5) << 30;
  ASSERT_TRUE(QFile::resize(Path("sparse.bmp"), kFiveGibibytes));
  Form4->RzFileListBox1->Reread();
  Click("sparse.bmp");
  EXPECT_EQ(Panels(), Path("sparse.bmp") + "|Размер: 5368709120 байт|3x2");
}

struct TExtensionCase {
  const char* name;
  bool listed;
};

class Extensions : public BrowserTest, public ::testing::WithParamInterface<TExtensionCase> {};

TEST_P(Extensions, PictureNamesInAnyLetterCaseArePreviewed) {
  const TExtensionCase& c = GetParam();
  const QString name = QString::fromUtf8(c.name);
  if (name.endsWith(QLatin1String("mp"), Qt::CaseInsensitive)) WriteBmp(name, 4, 3);
  else WriteJpeg(name, 4, 3);
  Form4->RzFileListBox1->Reread();
  ASSERT_EQ(Row(name) >= 0, c.listed);
  if (!c.listed) return;
  Click(name);
  EXPECT_EQ(Panels(), Path(name) + "|Размер: " + QString::number(QFileInfo(Path(name)).size()) + " байт|4x3");
}

INSTANTIATE_TEST_SUITE_P(Names, Extensions,
                         ::testing::Values(TExtensionCase{"photo.jpg", true}, TExtensionCase{"PHOTO.JPG", true},
                                           TExtensionCase{"DSC_0001.JPG", true}, TExtensionCase{"a.Bmp", true},
                                           TExtensionCase{"a.jpeg", false}, TExtensionCase{"a.txt", false}));

TEST_F(Unit4, AReReadSelectsNothingAndKeepsTheLastPreview) {
  WriteBmp("a.bmp", 5, 4);
  Form4->RzFileListBox1->Reread();
  Click("a.bmp");
  const QString shown = Panels();
  Form4->RzFileListBox1->Reread();
  EXPECT_EQ(Form4->RzFileListBox1->ItemIndex(), -1);
  EXPECT_EQ(Panels(), shown);
  EXPECT_EQ(Form4->Preview->Picture().Width(), 5);
}

// A failing selection after good.bmp: the message, and the preview and
// panels of good.bmp.
struct TFailureCase {
  const char* what;
  QByteArray name;     // the file's name as bytes
  QByteArray content;  // what it holds
  bool removed;        // taken away after it was listed
  const char* message; // "%1" is the path the list gives
  bool whole;          // the whole message, else how it starts
};

// A BMP header claiming 65500 x 65500 pixels at 24 bits, and no pixels.
QByteArray HugeBmpHeader() {
  QByteArray header;
  QDataStream out(&header, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0x4D42) << quint32(54) << quint32(0) << quint32(54) << quint32(40) << qint32(65500) << qint32(65500)
      << quint16(1) << quint16(24) << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
  return header;
}

class Failures : public BrowserTest, public ::testing::WithParamInterface<TFailureCase> {};

TEST_P(Failures, ShowTheMessageAndKeepThePreviewAndThePanels) {
  const TFailureCase& c = GetParam();
  WriteBmp("good.bmp", 7, 3);
  const QByteArray path = QFile::encodeName(Dir.path()) + '/' + c.name;
  const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(file, 0);
  ASSERT_EQ(::write(file, c.content.constData(), static_cast<size_t>(c.content.size())), c.content.size());
  ::close(file);
  Form4->RzFileListBox1->Reread();
  Click("good.bmp");
  const QString shown = Panels();
  const qint64 pixels = Form4->Preview->Picture().Image().cacheKey();
  if (c.removed) ::unlink(path.constData());
  ASSERT_EQ(Form4->RzFileListBox1->Items().size(), 2u);
  QTest::mouseClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre(Row("good.bmp") == 0 ? 1 : 0));
  ASSERT_EQ(Dialogs_.Messages.size(), 1u) << c.what;
  const QString expected = QString::fromUtf8(c.message).replace(QLatin1String("%1"), Form4->RzFileListBox1->FileName());
  if (c.whole) EXPECT_EQ(Dialogs_.Messages[0].Text, expected) << c.what;
  else EXPECT_TRUE(Dialogs_.Messages[0].Text.startsWith(expected)) << Dialogs_.Messages[0].Text.toStdString();
  EXPECT_EQ(Dialogs_.Messages[0].Caption, "Vellumo 2.0");
  EXPECT_EQ(Panels(), shown) << c.what;
  EXPECT_EQ(Form4->Preview->Picture().Image().cacheKey(), pixels) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Failures,
    ::testing::Values(
        TFailureCase{"corrupt BMP", "bad.bmp", "not a bitmap", false, "Bitmap image is not valid", true},
        TFailureCase{"corrupt JPEG", "bad.jpg", QByteArray("\xFF\xD8\xFF\x01xxxx", 8), false, "JPEG error #", false},
        TFailureCase{"65500 x 65500", "huge.bmp", HugeBmpHeader(), false, "Bitmap image is not valid", true},
        TFailureCase{"gone", "gone.jpg", "x", true, "Cannot open file %1", true},
        TFailureCase{"a name not in UTF-8", "\xFF\xFE.jpg", "x", false, "Cannot open file %1", true}));

TEST_F(Unit4, ASizeThatCannotBeReadAfterAGoodLoadLeavesTheOtherPanels) {
  WriteBmp("good.bmp", 7, 3);
  WriteBmp("next.bmp", 2, 9);
  Form4->RzFileListBox1->Reread();
  Click("good.bmp");
  // The file goes the moment its picture has been taken.
  const std::function<void()> show = Form4->Image1.OnChange;
  Form4->Image1.OnChange = [&] {
    show();
    if (Form4->Image1.Width() == 2) QFile::remove(Path("next.bmp"));
  };
  Click("next.bmp");
  ASSERT_EQ(Dialogs_.MessageTexts(), QStringList({"Cannot open file " + Path("next.bmp")}));
  EXPECT_EQ(Panels(), Path("next.bmp") + "|Размер: " + QString::number(QFileInfo(Path("good.bmp")).size()) + " байт|7x3");
  EXPECT_EQ(Form4->Preview->Picture().Width(), 2);
}

// Opening a FIFO for reading waits for a writer unless it is refused
// first; should loading wait, the test becomes the writer and fails.
TEST_F(Unit4, LoadingAFifoFailsWithoutAWriter) {
  const QString fifo = Path("x.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  auto loading = std::async(std::launch::async, [&] {
    try {
      TPicture().LoadFromFile(fifo);
    } catch (const Exception& error) {
      return error.Message();
    }
    return QString();
  });
  if (loading.wait_for(std::chrono::seconds(3)) == std::future_status::timeout) {
    ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
    loading.wait();
    FAIL() << "loading waited for a writer";
  }
  EXPECT_EQ(loading.get(), "Cannot open file " + fifo);
}

}  // namespace
