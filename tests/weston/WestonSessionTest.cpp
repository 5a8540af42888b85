// The program in a Wayland session (a headless weston): with XWayland it
// comes up on X11, without it on Wayland, and either way a picture opened
// by a double click or given on the command line brings up the
// composition and the panel. Weston places the windows: no position is
// asserted.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>
#include <optional>
#include <vector>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "support/widget/ProgramTestSupport.h"

namespace {

constexpr int32_t kWidth = 320;
constexpr int32_t kHeight = 240;

QString Session() { return qEnvironmentVariable("VELLUMO_WESTON_SESSION"); }

// The program's windows with every dialog answered by the test, made once
// the session is known to be there.
class WestonSession : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!qApp) GTEST_SKIP() << "needs a headless weston: scripts/westontest.sh runs these tests";
    windows_ = std::make_unique<TProgramWindows>(Application());
    picture_ = WriteTestPicture(dir_.filePath(QStringLiteral("pattern.bmp")), kWidth, kHeight);
  }
  void TearDown() override {
    windows_.reset();
    QDir::setCurrent(savedCurrent_);
  }

  // The composition and the panel shown, the browser hidden, nothing said.
  void ExpectComposing() {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form2));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form1));
    EXPECT_EQ(ShownWindows(), QStringLiteral("-21"));
    EXPECT_EQ(Form2->Image1.Width(), kWidth);
    EXPECT_TRUE(dialogs_.Messages.empty()) << dialogs_.MessageTexts().join('|').toStdString();
  }

  QTemporaryDir dir_;
  QString picture_;
  TRecordingDialogs dialogs_;

 private:
  const QString savedCurrent_ = QDir::currentPath();
  TDialogsOverride override_{dialogs_};
  std::unique_ptr<TProgramWindows> windows_;
};

TEST_F(WestonSession, ComesUpOnX11WithXWaylandAndOnWaylandWithout) {
  EXPECT_EQ(QGuiApplication::platformName(),
            Session() == QStringLiteral("xwayland") ? QStringLiteral("xcb") : QStringLiteral("wayland"));
}

TEST_F(WestonSession, ADoubleClickOnAListedPictureShowsTheCompositionAndThePanel) {
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4));
  TRzFileListBox* list = Form4->RzFileListBox1;
  list->SetFolder(dir_.path());
  ASSERT_EQ(list->Items().size(), 1u);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
  ExpectComposing();
}

TEST_F(WestonSession, AFileGivenToOpenShowsTheCompositionAndThePanel) {
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4));
  Form4->OpenFile(picture_);
  ExpectComposing();
  EXPECT_EQ(Form4->RzDirectoryTree1->CurrentFolder(), dir_.path());
}

// Only the compositor moves windows on Wayland: a left drag on the
// background asks it to (it refuses input the test makes up), and the
// program never moves the window itself.
TEST_F(WestonSession, ALeftDragOnTheBackgroundLeavesTheMoveToTheCompositor) {
  if (QGuiApplication::platformName() != QStringLiteral("wayland")) GTEST_SKIP() << "on X11 the program moves it";
  Form4->OpenFile(picture_);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
  const QPoint before(Form2->Left(), Form2->Top());
  QWindow* window = Form2->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(200, 200));
  QTest::mouseMove(window, QPoint(240, 230));
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(240, 230));
  EXPECT_EQ(QPoint(Form2->Left(), Form2->Top()), before);
  EXPECT_TRUE(dialogs_.Messages.empty());
  EXPECT_TRUE(Form2->isVisible());
}

// Keeps Image as NAME.png in the screenshot folder the test script gave.
void KeepShot(const QImage& image, const QString& name) {
  const QString folder = qEnvironmentVariable("VELLUMO_SCREENSHOTS");
  if (!folder.isEmpty() && !image.isNull()) image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Whether the X server maps a window of that title.
bool XWindowShown(const QString& title) {
  QProcess tree;
  tree.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
  if (!tree.waitForFinished()) return false;
  for (const QString& line : QString::fromUtf8(tree.readAllStandardOutput()).split(QLatin1Char('\n'))) {
    if (!line.contains(QLatin1Char('"') + title + QLatin1Char('"'))) continue;
    QProcess window;
    window.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), line.trimmed().section(QLatin1Char(' '), 0, 0)});
    if (window.waitForFinished() && window.readAllStandardOutput().contains("Map State: IsViewable")) return true;
  }
  return false;
}

// Where Block lies whole inside Image, if anywhere.
std::optional<QPoint> Find(const QImage& image, const QImage& block) {
  for (int y = 0; y + block.height() <= image.height(); ++y)
    for (int x = 0; x + block.width() <= image.width(); ++x) {
      bool same = true;
      for (int by = 0; same && by < block.height(); ++by)
        same = std::equal(reinterpret_cast<const QRgb*>(block.constScanLine(by)),
                          reinterpret_cast<const QRgb*>(block.constScanLine(by)) + block.width(),
                          reinterpret_cast<const QRgb*>(image.constScanLine(y + by)) + x);
      if (same) return QPoint(x, y);
    }
  return std::nullopt;
}

// The compositor's whole output, as weston's screenshooter writes it.
QImage CompositorShot(const QString& folder) {
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
  QProcess shooter;
  shooter.setWorkingDirectory(folder);
  shooter.start(QStringLiteral("weston-screenshooter"), {});
  if (!shooter.waitForFinished(10000)) return {};
  const QStringList shots = QDir(folder).entryList({QStringLiteral("*.png")});
  return shots.isEmpty() ? QImage()
                         : QImage(QDir(folder).filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
}

// "vellumo FILE", as a file manager starts it: the composition shows the
// picture's pixels, and the panel stands beside it.
TEST_F(WestonSession, TheProgramGivenAFileShowsTheCompositionAndThePanel) {
  QProcess program;
  program.setProcessChannelMode(QProcess::MergedChannels);
  program.start(QStringLiteral(VELLUMO_BINARY_DIR "/main/vellumo"), {picture_});
  ASSERT_TRUE(program.waitForStarted());
  // Blocks of the picture along its edges, any of which the panel, its
  // shadow or the label may cover, but not all.
  TSurface picture = TestPicture(kWidth, kHeight);
  std::vector<QImage> blocks;
  for (const QPoint& at : {QPoint(kWidth - 32, 0), QPoint(0, kHeight - 24), QPoint(kWidth - 32, kHeight - 24),
                           QPoint(kWidth / 2, kHeight - 24), QPoint(kWidth - 32, kHeight / 2)})
    blocks.push_back(picture.Image().copy(QRect(at, QSize(32, 24))));
  QImage shot;
  bool composition = false;
  QElapsedTimer waited;
  waited.start();
  while (!composition && waited.elapsed() < 20000 && program.state() == QProcess::Running) {
    QTest::qWait(300);
    shot = CompositorShot(dir_.filePath(QStringLiteral("shots")));
    for (const QImage& block : blocks) composition = composition || (!shot.isNull() && Find(shot, block));
  }
  KeepShot(shot, QStringLiteral("weston-") + Session());
  EXPECT_TRUE(composition) << program.readAll().toStdString();
  // With XWayland both are windows of the X server.
  if (Session() == QStringLiteral("xwayland")) {
    EXPECT_TRUE(XWindowShown(QStringLiteral("Vellumo v2.0 (Prof)")));
  }
  program.terminate();
  program.waitForFinished();
}

}  // namespace
