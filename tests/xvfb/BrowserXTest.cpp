// The picture browser on a real X server: a prepared folder opened by
// clicks in the tree, a JPEG selected into the preview and the status bar,
// and its double click bringing up the composition at the screen's centre.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "pictures/Jpeg.h"
#include "pictures/PngImage.h"
#include "support/MadeFiles.h"
#include "support/widget/ProgramTestSupport.h"
#include "xvfb/XTestSupport.h"

namespace {

class BrowserX : public ProgramTest {
 protected:
  // Clicks (or double-clicks) at a point of a widget inside the browser,
  // through the browser's window as the window system would.
  static void ClickAt(QWidget* widget, const QPoint& at, bool twice = false) {
    QWindow* window = Form4->windowHandle();
    const QPoint point = widget->mapTo(Form4, at);
    if (twice) QTest::mouseDClick(window, Qt::LeftButton, {}, point);
    else QTest::mouseClick(window, Qt::LeftButton, {}, point);
    Settle();
  }
  static void ClickNode(QTreeWidgetItem* node, bool twice) {
    TRzDirectoryTree* tree = Form4->RzDirectoryTree1;
    tree->scrollToItem(node);
    ClickAt(tree->viewport(), tree->visualItemRect(node).center(), twice);
  }
  // The volume's node whose mount point (in brackets at the end of its
  // text) is the longest to hold Path, and Path below that mount point.
  static QTreeWidgetItem* VolumeHolding(const QString& path, QString& below) {
    QTreeWidgetItem* holder = nullptr;
    for (int i = 0; i < Form4->RzDirectoryTree1->topLevelItemCount(); ++i) {
      QTreeWidgetItem* root = Form4->RzDirectoryTree1->topLevelItem(i);
      QString mount = root->text(0).section(QLatin1Char('('), -1).chopped(1);
      if (!mount.endsWith(QLatin1Char('/'))) mount += QLatin1Char('/');
      if (path.startsWith(mount) && (!holder || mount.size() > path.size() - below.size())) {
        holder = root;
        below = path.mid(mount.size());
      }
    }
    return holder;
  }
};

TEST_F(BrowserX, OpensAFolderByClicksPreviewsAJpegAndHandsItOn) {
  ASSERT_TRUE(QDir().mkdir(Dir.filePath("pictures")));
  WriteMeadow(Dir.filePath("pictures/meadow.jpg"));
  WriteTestPicture(Dir.filePath("pictures/pattern.bmp"), 64, 48);
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4));
  Settle();

  // Down the tree from the volume that holds the folder: a double click
  // opens each level, a click selects the folder.
  QString below;
  QTreeWidgetItem* node = VolumeHolding(QFileInfo(Dir.filePath("pictures")).absoluteFilePath(), below);
  ASSERT_NE(node, nullptr);
  for (const QString& name : below.split(QLatin1Char('/'))) {
    ClickNode(node, true);
    ASSERT_TRUE(node->isExpanded()) << node->text(0).toStdString();
    QTreeWidgetItem* next = nullptr;
    for (int i = 0; i < node->childCount() && !next; ++i)
      if (node->child(i)->text(0) == name) next = node->child(i);
    ASSERT_NE(next, nullptr) << name.toStdString();
    node = next;
  }
  ClickNode(node, false);
  EXPECT_EQ(Form4->RzDirectoryTree1->CurrentFolder(), Dir.filePath("pictures"));
  TRzFileListBox* list = Form4->RzFileListBox1;
  ASSERT_EQ(list->Items().size(), 2u);
  ASSERT_EQ(list->Items()[0].Name, "meadow.jpg");

  ClickAt(list->viewport(), list->visualRect(list->model()->index(0, 0)).center());
  EXPECT_TRUE(Dialogs_.Messages.empty());
  EXPECT_EQ(Form4->SBPanels[0]->text(), QFileInfo(Dir.filePath("pictures/meadow.jpg")).canonicalFilePath());
  EXPECT_EQ(Form4->SBPanels[1]->text(),
            "Размер: " + QString::number(QFileInfo(Dir.filePath("pictures/meadow.jpg")).size()) + " байт");
  EXPECT_EQ(Form4->SBPanels[2]->text(), "800x600");
  const QImage browsing = ScreenShot();
  KeepScreenShot(browsing, QStringLiteral("browser-preview"));
  // The preview, 425 x 356, shows the 800 x 600 photo scaled to 425 x 318
  // at (0, 19): its first and last rows are the photo's, those just
  // outside are the window's.
  const QRect preview = ScreenGeometry(Form4).adjusted(185, 0, 0, 0);
  const QRgb face = qRgb(0xF0, 0xF0, 0xF0);
  EXPECT_EQ(browsing.pixel(preview.x() + 200, preview.y() + 18), face);
  EXPECT_NE(browsing.pixel(preview.x() + 200, preview.y() + 19), face);
  EXPECT_NE(browsing.pixel(preview.x() + 200, preview.y() + 336), face);
  EXPECT_EQ(browsing.pixel(preview.x() + 200, preview.y() + 337), face);

  ClickAt(list->viewport(), list->visualRect(list->model()->index(0, 0)).center(), true);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  Settle();
  EXPECT_TRUE(Dialogs_.Messages.empty());
  EXPECT_FALSE(IsMapped(Form4));
  EXPECT_TRUE(IsMapped(Form2));
  EXPECT_TRUE(IsMapped(Form1));
  EXPECT_EQ(ScreenGeometry(Form2), QRect(112, 84, 800, 600));
  KeepScreenShot(ScreenShot(), QStringLiteral("browser-opened"));
}

// A phone's portrait (the meadow stored sideways with EXIF orientation 6)
// shown upright, and the meadow as PNG and, where heif-enc is installed, as
// HEIC; the screenshots are kept.
TEST_F(BrowserX, PreviewsAPortraitUprightAndThePhonesOtherKinds) {
  ASSERT_TRUE(QDir().mkdir(Dir.filePath("phone")));
  const QString meadow = WriteMeadow(Dir.filePath("meadow.jpg"));
  QFile stored(meadow);
  ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
  WriteBytes(Dir.filePath("phone/IMG_0001.JPG"), WithSegments(stored.readAll(), OrientationSegment(6, true)));
  TJPEGImage decoded;
  decoded.LoadFromFile(meadow);
  TPNGImage png;
  png.Assign(decoded.Bitmap());
  png.SaveToFile(Dir.filePath("phone/screenshot.png"));
  const QString heifEnc = QStandardPaths::findExecutable(QStringLiteral("heif-enc"));
  if (!heifEnc.isEmpty()) {
    ASSERT_EQ(QProcess::execute(heifEnc, {Dir.filePath("phone/screenshot.png"), "-o", Dir.filePath("phone/IMG_0002.HEIC")}),
              0);
  }
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4));
  Form4->RzDirectoryTree1->SetCurrentFolder(Dir.filePath("phone"));
  Settle();
  TRzFileListBox* list = Form4->RzFileListBox1;
  ASSERT_EQ(list->Items().size(), heifEnc.isEmpty() ? 2u : 3u);

  ClickAt(list->viewport(), list->visualRect(list->model()->index(0, 0)).center());
  EXPECT_TRUE(Dialogs_.Messages.empty());
  EXPECT_EQ(Form4->SBPanels[2]->text(), "600x800");
  const QImage portrait = ScreenShot();
  KeepScreenShot(portrait, QStringLiteral("browser-portrait"));
  // 600 x 800 upright in the 425 x 356 preview: 267 x 356 at (79, 0).
  const QRect preview = ScreenGeometry(Form4).adjusted(185, 0, 0, 0);
  const QRgb face = qRgb(0xF0, 0xF0, 0xF0);
  EXPECT_EQ(portrait.pixel(preview.x() + 78, preview.y() + 100), face);
  EXPECT_NE(portrait.pixel(preview.x() + 79, preview.y() + 100), face);
  EXPECT_NE(portrait.pixel(preview.x() + 345, preview.y() + 100), face);
  EXPECT_EQ(portrait.pixel(preview.x() + 346, preview.y() + 100), face);

  for (int row = 1; row < static_cast<int>(list->Items().size()); ++row) {
    ClickAt(list->viewport(), list->visualRect(list->model()->index(row, 0)).center());
    EXPECT_TRUE(Dialogs_.Messages.empty());
    EXPECT_EQ(Form4->SBPanels[2]->text(), "800x600");
    KeepScreenShot(ScreenShot(), QStringLiteral("browser-") + list->Items()[static_cast<size_t>(row)].Name);
  }
}

}  // namespace
