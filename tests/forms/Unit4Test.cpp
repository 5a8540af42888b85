// The picture browser: the preview and the status panels of a selected
// file of each kind, every way a selection can fail, where the preview
// draws and what it decodes, the deferred handling of a run of selections,
// and the double click that hands the picture to the composition window.
#include <fcntl.h>
#include <unistd.h>

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "pictures/Jpeg.h"
#include "pictures/PngImage.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/canvas/AreaAverage.h"

namespace {

// The browser shown on the test's folder.
class Unit4 : public ProgramTest {
 protected:
  void SetUp() override {
    Form4->show();
    Form4->RzFileListBox1->SetFolder(Dir.path());
  }

  QString Path(const QString& name) const { return Dir.filePath(name); }
  QPoint ItemCentre(const QString& name) const {
    const std::vector<TRzFileInfo>& items = Form4->RzFileListBox1->Items();
    int row = 0;
    while (row < static_cast<int>(items.size()) && items[row].Name != name) ++row;
    return Form4->RzFileListBox1->visualRect(Form4->RzFileListBox1->model()->index(row, 0)).center();
  }
  // Lists the folder again and clicks the file (twice for a double click),
  // then lets the deferred selection handling run.
  void Click(const QString& name, bool twice = false) const {
    Form4->RzFileListBox1->Reread();
    if (twice) QTest::mouseDClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre(name));
    else QTest::mouseClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre(name));
    QCoreApplication::processEvents();
  }
  static QString Panels() {
    return Form4->SBPanels[0]->text() + '|' + Form4->SBPanels[1]->text() + '|' + Form4->SBPanels[2]->text();
  }
  QString WriteBmp(const QString& name, int32_t width, int32_t height) const {
    return WriteTestPicture(Path(name), width, height);
  }
};

TEST_F(Unit4, StartsEmptyAndKeepsTheLeftSideAsTheFrameGrows) {
  EXPECT_EQ(Form4->geometry(), QRect(135, 132, 610, 375));
  EXPECT_EQ(Panels(), "||");
  EXPECT_TRUE(Form4->Preview->Picture().Empty());
  Form4->SetClientSize(800, 500);
  EXPECT_EQ(QRect(Form4->Preview->mapTo(Form4, QPoint()), Form4->Preview->size()), QRect(185, 0, 615, 481));
}

// How a test picture is written: by our writers, or by the codecs' own
// tools (the test is skipped where they are not installed).
enum TKind : uint8_t { kBmp, kJpeg, kPng, kHeic, kWebP };

// Writes TestPicture(Width, Height) to Path as Kind; false when the tool it
// needs is missing.
bool WritePicture(const QString& path, TKind kind, int32_t width, int32_t height) {
  const TBitmap picture(TestPicture(width, height));
  if (kind == kBmp) {
    WriteTestPicture(path, width, height);
    return true;
  }
  if (kind == kJpeg || kind == kPng) {
    TJPEGImage jpeg;
    TPNGImage png;
    jpeg.Assign(picture);
    png.Assign(picture);
    kind == kJpeg ? jpeg.SaveToFile(path) : png.SaveToFile(path);
    return true;
  }
  const QString tool = QStandardPaths::findExecutable(kind == kHeic ? QStringLiteral("heif-enc") : QStringLiteral("cwebp"));
  if (tool.isEmpty()) return false;
  TPNGImage source;
  source.Assign(picture);
  source.SaveToFile(path + QStringLiteral(".source.png"));
  const int status = QProcess::execute(tool, {path + QStringLiteral(".source.png"), QStringLiteral("-o"), path});
  QFile::remove(path + QStringLiteral(".source.png"));
  return status == 0;
}

// A picture's name in any letter case (a file of SIZE bytes when given,
// padded with zeros), previewed with its path, size and dimensions.
struct TPreviewedCase {
  const char* name;
  qint64 size;
  bool listed;
  TKind kind;
};

void PrintTo(const TPreviewedCase& c, std::ostream* os) { *os << c.name; }

class Previewed : public Unit4, public ::testing::WithParamInterface<TPreviewedCase> {};

TEST_P(Previewed, WithItsPathFullSizeAndDimensions) {
  const TPreviewedCase& c = GetParam();
  const QString name = QString::fromUtf8(c.name);
  if (!WritePicture(Path(name), c.kind, 640, 480)) GTEST_SKIP() << "the tool that writes " << c.name << " is not installed";
  if (c.size > 0) {
    ASSERT_TRUE(QFile::resize(Path(name), c.size));
  }
  Form4->RzFileListBox1->Reread();
  ASSERT_EQ(Form4->RzFileListBox1->Items().size(), c.listed ? 1u : 0u);
  if (!c.listed) return;
  Click(name);
  const qint64 size = QFileInfo(Path(name)).size();
  EXPECT_EQ(Panels(), Path(name) + QStringLiteral("|Размер: %1 байт|640x480").arg(size));
  EXPECT_EQ(Form4->Preview->Picture().Size(), (TSize{640, 480}));
  EXPECT_TRUE(Dialogs_.Messages.empty()) << Dialogs_.MessageTexts().join('\n').toStdString();
  // Drawn at 425 x 318, each pixel the mean of those it covers: exactly for
  // the lossless kinds; for the others within the codec's error (large at
  // the test picture's sharp steps) on average. A file cut to SIZE shows
  // only what is left of it.
  const TRect place = Form4->Preview->PictureRect();
  ASSERT_EQ(place, Bounds(0, 19, 425, 318));
  if (c.size > 0) return;
  const QImage shown = Form4->Preview->grab().toImage().copy(place.Left, place.Top, 425, 318);
  const TSurface want = AreaAverage(TestPicture(640, 480), {425, 318});
  int64_t error = 0;
  for (int y = 0; y < 318; ++y)
    for (int x = 0; x < 425; ++x) {
      const QRgb a = shown.pixel(x, y), b = want.Pixel(x, y);
      error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
  const double mean = static_cast<double>(error) / (3 * 425 * 318);
  EXPECT_LE(mean, c.kind == kBmp || c.kind == kPng ? 0.0 : 6.0);
}

INSTANTIATE_TEST_SUITE_P(Names, Previewed,
                         ::testing::Values(TPreviewedCase{"photo.jpg", 48213, true, kJpeg},
                                           TPreviewedCase{"PHOTO.JPG", 0, true, kJpeg},
                                           TPreviewedCase{"a.Bmp", 0, true, kBmp},
                                           TPreviewedCase{"sparse.bmp", qint64(5) << 30, true, kBmp},
                                           TPreviewedCase{"a.jpeg", 0, true, kJpeg},
                                           TPreviewedCase{"b.JPE", 0, true, kJpeg},
                                           TPreviewedCase{"c.png", 0, true, kPng},
                                           TPreviewedCase{"D.PNG", 0, true, kPng},
                                           TPreviewedCase{"e.heic", 0, true, kHeic},
                                           TPreviewedCase{"f.HEIF", 0, true, kHeic},
                                           TPreviewedCase{"g.webp", 0, true, kWebP},
                                           TPreviewedCase{"h.gif", 0, false, kPng}),
                         [](const ::testing::TestParamInfo<TPreviewedCase>& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name;
                         });

// A 1000 x 750 photo in a 100 x 81 preview is drawn 100 x 75: the JPEG is
// decoded at 1/8 (125 x 94), the panel shows its full size, upright for a
// photo stored sideways.
TEST_F(Unit4, AnEighthDecodingShowsTheFullUprightSize) {
  Form4->SetClientSize(185 + 100, 81 + 19);
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(Form4->Preview->size(), QSize(100, 81));
  TJPEGImage jpeg;
  jpeg.Assign(TBitmap(TestPicture(1000, 750)));
  WriteBytes(Path("wide.jpg"), jpeg.SaveToBytes());
  WriteBytes(Path("tall.jpg"), WithSegments(jpeg.SaveToBytes(), OrientationSegment(eoRightTop, true)));
  Click("wide.jpg");
  EXPECT_TRUE(Panels().endsWith("|1000x750")) << Panels().toStdString();
  EXPECT_EQ(Form4->Preview->Picture().Decoded().Width(), 125);
  EXPECT_EQ(Form4->Preview->PictureRect(), Bounds(0, 3, 100, 75));
  Click("tall.jpg");
  EXPECT_TRUE(Panels().endsWith("|750x1000")) << Panels().toStdString();
  EXPECT_EQ(Form4->Preview->Picture().Decoded().Width(), 94);
  EXPECT_EQ(Form4->Preview->Picture().Decoded().Height(), 125);
}

// Growing the window within what the decoded copy covers only shrinks it
// again; growing past it decodes at the next scale.
TEST_F(Unit4, AResizeDecodesAgainOnlyPastTheDecodedCopy) {
  Form4->SetClientSize(185 + 100, 81 + 19);
  QCoreApplication::sendPostedEvents();
  TJPEGImage jpeg;
  jpeg.Assign(TBitmap(TestPicture(1000, 750)));
  jpeg.SaveToFile(Path("photo.jpg"));
  Click("photo.jpg");
  const qint64 eighth = Form4->Preview->Picture().Decoded().Image().cacheKey();
  const auto showAt = [](int32_t width, int32_t height) {
    Form4->SetClientSize(185 + width, height + 19);
    QCoreApplication::sendPostedEvents();
    Form4->Preview->repaint();
    return Form4->Preview->Picture().Decoded();
  };
  EXPECT_EQ(showAt(120, 90).Image().cacheKey(), eighth);
  EXPECT_EQ(showAt(60, 40).Image().cacheKey(), eighth);
  const TSurface quarter = showAt(200, 160);
  EXPECT_EQ(quarter.Width(), 250);
  EXPECT_EQ(showAt(120, 90).Image().cacheKey(), quarter.Image().cacheKey());
}

// Selections made faster than they are handled (a held key, clicks in a
// row): each only starts the zero-time timer, so the events already queued
// go first and only the selection they end on is loaded; its errors alone
// are shown and the panels are its.
TEST_F(Unit4, ARunOfSelectionsShowsOnlyTheLast) {
  WriteBytes(Path("a.jpg"), "not a picture");
  WriteBytes(Path("b.png"), "not a picture either");
  WriteBmp("c.bmp", 6, 5);
  WriteBytes(Path("d.webp"), "RIFF");
  Form4->RzFileListBox1->Reread();
  QWidget* list = Form4->RzFileListBox1->viewport();
  QTest::mouseClick(list, Qt::LeftButton, {}, ItemCentre("a.jpg"));
  QTest::keyClick(Form4->RzFileListBox1, Qt::Key_Down);
  QTest::keyClick(Form4->RzFileListBox1, Qt::Key_Down);
  EXPECT_EQ(Form4->RzFileListBox1->FileName(), Path("c.bmp"));
  EXPECT_EQ(Panels(), "||");
  QCoreApplication::processEvents();
  EXPECT_TRUE(Dialogs_.Messages.empty()) << Dialogs_.MessageTexts().join('\n').toStdString();
  EXPECT_EQ(Panels(), Path("c.bmp") + QStringLiteral("|Размер: %1 байт|6x5").arg(QFileInfo(Path("c.bmp")).size()));
  EXPECT_EQ(Form4->Preview->Picture().Size(), (TSize{6, 5}));
  QTest::keyClick(Form4->RzFileListBox1, Qt::Key_Up);
  QTest::keyClick(Form4->RzFileListBox1, Qt::Key_Down);
  QTest::keyClick(Form4->RzFileListBox1, Qt::Key_Down);
  QCoreApplication::processEvents();
  EXPECT_EQ(Dialogs_.MessageTexts(), QStringList({"WebP image is not valid"}));
  EXPECT_TRUE(Panels().startsWith(Path("c.bmp") + '|'));
}

// A double click loads the composition's picture at once, whatever
// selection is still to be previewed.
TEST_F(Unit4, ADoubleClickDoesNotWaitForThePreview) {
  WriteBmp("a.bmp", 8, 7);
  Form4->RzFileListBox1->Reread();
  QTest::mouseDClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre("a.bmp"));
  EXPECT_EQ(Form2->Image1.Width(), 8);
  EXPECT_EQ(ShownWindows(), "-21");
  EXPECT_EQ(Panels(), "||");
  QCoreApplication::processEvents();
  EXPECT_TRUE(Panels().endsWith("|8x7"));
}

TEST_F(Unit4, AReReadSelectsNothingAndKeepsTheLastPreview) {
  WriteBmp("a.bmp", 5, 4);
  Click("a.bmp");
  const QString shown = Panels();
  Form4->RzFileListBox1->Reread();
  EXPECT_EQ(Form4->RzFileListBox1->ItemIndex(), -1);
  EXPECT_EQ(Panels(), shown);
  EXPECT_EQ(Form4->Preview->Picture().Size().cx, 5);
}

// A failing selection after good.bmp: the message, and the preview and
// panels of good.bmp.
struct TFailureCase {
  const char* what;
  QByteArray name;     // the file's name as bytes
  QByteArray content;  // what it holds
  bool removed;        // taken away after it was listed
  const char* message; // "%1" is the path the list gives; "#" ends a message's start
};

class Failures : public Unit4, public ::testing::WithParamInterface<TFailureCase> {};

TEST_P(Failures, ShowTheMessageAndKeepThePreviewAndThePanels) {
  const TFailureCase& c = GetParam();
  WriteBmp("good.bmp", 7, 3);
  const QByteArray path = QFile::encodeName(Dir.path()) + '/' + c.name;
  const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_EQ(::write(file, c.content.constData(), static_cast<size_t>(c.content.size())), c.content.size());
  ::close(file);
  Click("good.bmp");
  const QString shown = Panels();
  const qint64 pixels = Form4->Preview->Picture().Decoded().Image().cacheKey();
  if (c.removed) ::unlink(path.constData());
  const std::vector<TRzFileInfo>& items = Form4->RzFileListBox1->Items();
  ASSERT_EQ(items.size(), 2u);
  const QString other = items[0].Name == "good.bmp" ? items[1].Name : items[0].Name;
  QTest::mouseClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre(other));
  QCoreApplication::processEvents();
  ASSERT_EQ(Dialogs_.Messages.size(), 1u) << c.what;
  const QString expected = QString::fromUtf8(c.message).replace("%1", Form4->RzFileListBox1->FileName());
  EXPECT_EQ(Dialogs_.Messages[0].Text.left(expected.endsWith('#') ? expected.size() : -1), expected) << c.what;
  EXPECT_EQ(Dialogs_.Messages[0].Caption, "Vellumo 2.0");
  EXPECT_EQ(Panels(), shown) << c.what;
  EXPECT_EQ(Form4->Preview->Picture().Decoded().Image().cacheKey(), pixels) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Failures,
    ::testing::Values(
        TFailureCase{"corrupt BMP", "bad.bmp", "not a bitmap", false, "Bitmap image is not valid"},
        TFailureCase{"corrupt JPEG", "bad.jpg", QByteArray("\xFF\xD8\xFF\x01xxxx", 8), false, "JPEG error #"},
        TFailureCase{"JPEG failing past its header", "late.jpg", FailsPastItsHeader(), false, "JPEG error #"},
        TFailureCase{"corrupt PNG", "bad.png", QByteArray("\x89PNG\r\n\x1A\nxxxx", 12), false, "PNG image is not valid"},
        TFailureCase{"corrupt HEIC", "bad.heic", "not a picture", false, "HEIF image is not valid"},
        TFailureCase{"corrupt WebP", "bad.webp", "RIFF", false, "WebP image is not valid"},
        TFailureCase{"65500 x 65500", "huge.bmp", BmpBytes(65500, 65500, 24), false, "Bitmap image is not valid"},
        TFailureCase{"gone", "gone.jpg", "x", true, "Cannot open file %1"},
        TFailureCase{"a name not in UTF-8", "\xFF\xFE.jpg", "x", false, "Cannot open file %1"}));

// The file goes the moment its picture has been taken.
TEST_F(Unit4, ASizeThatCannotBeReadAfterAGoodLoadLeavesTheOtherPanels) {
  WriteBmp("good.bmp", 7, 3);
  WriteBmp("next.bmp", 2, 9);
  Click("good.bmp");
  Form4->Image1.OnChange = [&](TPicture* picture) {
    if (picture->Width() == 2) QFile::remove(Path("next.bmp"));
  };
  QTest::mouseClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre("next.bmp"));
  QCoreApplication::processEvents();
  Form4->Image1.OnChange = nullptr;
  ASSERT_EQ(Dialogs_.MessageTexts(), QStringList({"Cannot open file " + Path("next.bmp")}));
  EXPECT_EQ(Panels(), Path("next.bmp") + QStringLiteral("|Размер: %1 байт|7x3").arg(QFileInfo(Path("good.bmp")).size()));
  EXPECT_EQ(Form4->Preview->Picture().Size().cx, 2);
}

// Never enlarged; else the long side fills and the other follows, then,
// should that not fit, the other way round; centred.
struct TGeometryCase {
  int32_t width, height, clientWidth, clientHeight;
  TRect drawn;
};

class PreviewGeometry : public ::testing::TestWithParam<TGeometryCase> {};

TEST_P(PreviewGeometry, IsWhereTheImageControlDraws) {
  const TGeometryCase& c = GetParam();
  EXPECT_EQ(ProportionalRect(c.width, c.height, c.clientWidth, c.clientHeight), c.drawn);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PreviewGeometry,
                         ::testing::Values(TGeometryCase{300, 200, 400, 322, Bounds(50, 61, 300, 200)},
                                           TGeometryCase{1000, 500, 400, 322, Bounds(0, 61, 400, 200)},
                                           TGeometryCase{500, 1000, 400, 322, Bounds(119, 0, 161, 322)},
                                           TGeometryCase{1000, 900, 400, 322, Bounds(21, 0, 357, 322)},
                                           TGeometryCase{900, 1000, 200, 322, Bounds(0, 50, 200, 222)},
                                           TGeometryCase{1, 1, 400, 322, Bounds(199, 160, 1, 1)}));

// The preview as shown after a resize of the browser, and the box of its
// red pixels.
TRect RedBoxAt(int32_t clientWidth, int32_t clientHeight) {
  Form4->SetClientSize(clientWidth + 185, clientHeight + 19);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(Form4->Preview->size(), QSize(clientWidth, clientHeight));
  const QImage shown = Form4->Preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
  TRect box;
  for (int32_t y = 0; y < shown.height(); ++y)
    for (int32_t x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) == qRgb(255, 0, 0)) box = box.Union({x, y, x + 1, y + 1});
  return box;
}

TEST_F(Unit4, ThePreviewDrawsThePictureThereAndFollowsTheWindowsSize) {
  TSurface red(1000, 500);
  red.Image().fill(qRgb(255, 0, 0));
  Form4->Preview->SetPicture(TPicturePreview(TBitmap(red)));
  EXPECT_EQ(RedBoxAt(400, 322), Bounds(0, 61, 400, 200));
  EXPECT_EQ(RedBoxAt(200, 322), Bounds(0, 111, 200, 100));
  EXPECT_EQ(RedBoxAt(600, 150), Bounds(150, 0, 300, 150));
}

// On the 1024 x 768 screen, at the picture's size or, larger, fitted to
// the screen; the browser makes way for the control panel.
struct TPlaceCase {
  int32_t width, height;
  QRect geometry;
};

class DoubleClick : public Unit4, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(DoubleClick, CentresTheCompositionOnTheScreenAtThePictureSize) {
  const TPlaceCase& c = GetParam();
  WriteBmp("a.bmp", 4, 4);
  WriteBmp("picture.bmp", c.width, c.height);
  Click("picture.bmp", true);
  EXPECT_TRUE(Dialogs_.Messages.empty());
  EXPECT_EQ(Form2->geometry(), c.geometry);
  EXPECT_EQ(Form2->Image1.Width(), c.width);
  EXPECT_EQ(ShownWindows(), "-21");
}

INSTANTIATE_TEST_SUITE_P(Sizes, DoubleClick,
                         ::testing::Values(TPlaceCase{800, 600, QRect(112, 84, 800, 600)},
                                           TPlaceCase{1600, 1200, QRect(0, 0, 1024, 768)},
                                           TPlaceCase{1023, 1, QRect(0, 383, 1023, 1)}));

TEST_F(Unit4, ADoubleClickOnEmptySpaceOpensTheSelectedFileOrFailsForNone) {
  QTest::mouseDClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, QPoint(60, 60));
  EXPECT_EQ(Dialogs_.MessageTexts(), QStringList({"Unknown picture file extension (.)"}));
  EXPECT_EQ(ShownWindows(), "4--");
  WriteBmp("a.bmp", 30, 20);
  Click("a.bmp");
  QTest::mouseDClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, QPoint(60, 150));
  EXPECT_EQ(Form2->Image1.Width(), 30);
  EXPECT_EQ(ShownWindows(), "-21");
}

// The double click's own message comes at once; the preview of the same
// file, still to come, fails the same way (in the program its message
// comes while the first box is open, and is not shown).
TEST_F(Unit4, ADoubleClickOnAFileThatFailsKeepsTheCompositionAndTheBrowser) {
  Form2->LoadBackground(WriteBmp("back.bmp", 9, 8));
  WriteBytes(Path("bad.jpg"), "not a picture");
  Form4->RzFileListBox1->Reread();
  QTest::mouseDClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre("bad.jpg"));
  ASSERT_EQ(Dialogs_.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs_.Messages[0].Text.startsWith("JPEG error #")) << Dialogs_.Messages[0].Text.toStdString();
  QCoreApplication::processEvents();
  for (const TRecordingDialogs::TMessage& message : Dialogs_.Messages) EXPECT_EQ(message.Text, Dialogs_.Messages[0].Text);
  EXPECT_EQ(Form2->Image1.Width(), 9);
  EXPECT_EQ(ShownWindows(), "4--");
  EXPECT_EQ(Panels(), "||");
}

}  // namespace
