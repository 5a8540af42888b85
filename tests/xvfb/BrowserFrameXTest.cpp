// Where the browser stands: with a window manager its outer frame takes
// the description's 610 x 375 at (135, 132), the client area moved in and
// shrunk by the frame once the manager has framed it; without one the
// client area takes them.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include "forms/Unit4.h"
#include "support/widget/ProgramTestSupport.h"
#include "xvfb/XTestSupport.h"

namespace {

const QRect kDescribed(135, 132, 610, 375);

class BrowserFrame : public ProgramTest {};

TEST_F(BrowserFrame, WithoutAWindowManagerTheClientAreaTakesTheBounds) {
  ASSERT_FALSE(WindowManagerRuns());
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4));
  Settle();
  EXPECT_EQ(ScreenGeometry(Form4), kDescribed);
  EXPECT_EQ(FrameGeometry(Form4), kDescribed);
}

// Openbox, a small window manager Debian packages, runs for this test only.
TEST_F(BrowserFrame, UnderAWindowManagerTheFrameTakesThem) {
  QProcess manager;
  manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
  if (!manager.waitForStarted()) GTEST_SKIP() << "openbox cannot start here";
  QElapsedTimer waited;
  waited.start();
  while (!WindowManagerRuns() && waited.elapsed() < 10000) QTest::qWait(50);
  ASSERT_TRUE(WindowManagerRuns());

  Form4->show();
  // A window manager that has just started may take its time to map it.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4, 20000));
  Settle();
  const QMargins frame = Form4->windowHandle()->frameMargins();
  EXPECT_FALSE(frame.isNull());
  EXPECT_EQ(FrameGeometry(Form4), kDescribed);
  EXPECT_EQ(ScreenGeometry(Form4), kDescribed.marginsRemoved(frame));
  EXPECT_EQ(QPoint(Form4->Left(), Form4->Top()), kDescribed.marginsRemoved(frame).topLeft());
  KeepScreenShot(ScreenShot(), QStringLiteral("browser-framed"));

  // Once only: a second show keeps the window where it is.
  Form4->hide();
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4, 20000));
  Settle();
  EXPECT_EQ(FrameGeometry(Form4), kDescribed);
  manager.terminate();
  manager.waitForFinished();
}

}  // namespace
