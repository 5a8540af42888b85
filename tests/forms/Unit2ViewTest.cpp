// The composition window fitted to the browser's screen: its size and
// place for pictures large and small and for several pixel ratios, what it
// shows, and the label, the window and the save, which keep to picture
// pixels and screen pixels whatever the scale.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <cmath>

#include "forms/Unit2.h"
#include "pictures/Bitmap.h"
#include "render/Compose.h"
#include "support/PixelAssert.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/canvas/AreaAverage.h"
#include "toolkit/window/ScreenMetrics.h"

namespace {

const TScreenMetrics kFullHdAbovePanel{QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040), 1};

// The picture pixel under the centre of device pixel D: floor((d + 0.5) / s).
int32_t Mapped(int32_t d, int32_t picture, int32_t view) {
  return static_cast<int32_t>(std::floor((d + 0.5) * picture / view));
}

class Unit2View : public ProgramTest {
 protected:
  // The browser's double click on a test picture of that size, on Screen.
  void Open(int32_t width, int32_t height, const TScreenMetrics& screen) {
    const TScreenMetricsOverride metrics(screen);
    Form2->LoadBackground(WriteTestPicture(Dir.filePath("back.bmp"), width, height));
    QFile::remove(Dir.filePath("back.bmp"));
    Form2->show();
    Form2->FitToBackground();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
  }
  QWindow* Window() const { return Form2->windowHandle(); }
  TPoint LabelAt() const { return {Form2->L1.Left(), Form2->L1.Top()}; }
  // The composition at the picture's size, as a save renders it.
  TSurface Composed() const {
    TBitmap background(Form2->Image1.Pixels());
    return ComposeControls(background, *Form2->Client)->Surface();
  }
  TSurface Saved() const {
    Form2->SaveAsBmp(Dir.path(), 1);
    TBitmap saved;
    saved.LoadFromFile(Dir.filePath("1.bmp"));
    return saved.Surface();
  }
};

TEST_F(Unit2View, APhotoLargerThanTheScreenIsShownWholeInTheAreaAboveThePanel) {
  Open(4000, 3000, kFullHdAbovePanel);
  EXPECT_EQ(Form2->geometry(), QRect(267, 0, 1386, 1040));
  EXPECT_EQ(Form2->Client->geometry(), QRect(0, 0, 1386, 1040));
  EXPECT_EQ(Form2->Image1.Width(), 4000);
  EXPECT_TRUE(SameSurface(SurfaceOf(Form2->Client->grab().toImage()), AreaAverage(Composed(), {1386, 1040})));
}

// A hundred one-pixel moves: the label follows in picture pixels, the
// point pressed staying under the pointer; the save, at the picture's
// size, has the label where it was left.
TEST_F(Unit2View, TheLabelDragsInPicturePixelsAndSavesAtThePicturesSize) {
  Open(4000, 3000, kFullHdAbovePanel);
  const QPoint start(400, 300);
  const TPoint grabbed{Mapped(start.x(), 4000, 1386), Mapped(start.y(), 3000, 1040)};
  Form2->L1.SetBounds(grabbed.X - 5, grabbed.Y - 5, Form2->L1.Width(), Form2->L1.Height());
  const TPoint before = LabelAt();
  QTest::mousePress(Window(), Qt::LeftButton, {}, start);
  QPoint pointer = start;
  for (int step = 1; step <= 100; ++step) {
    pointer += QPoint(1, step % 2);
    QTest::mouseMove(Window(), pointer);
    // The point pressed, 5 picture pixels into the label, on the screen.
    const double shownX = (Form2->L1.Left() + 5 + 0.5) * 1386 / 4000;
    const double shownY = (Form2->L1.Top() + 5 + 0.5) * 1040 / 3000;
    ASSERT_LE(std::abs(shownX - (pointer.x() + 0.5)), 1.0) << step;
    ASSERT_LE(std::abs(shownY - (pointer.y() + 0.5)), 1.0) << step;
  }
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, pointer);
  EXPECT_EQ(LabelAt(), (TPoint{before.X + Mapped(pointer.x(), 4000, 1386) - grabbed.X,
                               before.Y + Mapped(pointer.y(), 3000, 1040) - grabbed.Y}));
  const TSurface saved = Saved();
  EXPECT_EQ(saved.Width(), 4000);
  EXPECT_EQ(saved.Height(), 3000);
  EXPECT_TRUE(SameSurface(saved, Composed()));
  EXPECT_TRUE(SameArea(saved, TestPicture(4000, 3000), Bounds(0, 0, 4000, Form2->L1.Top())));
  EXPECT_FALSE(SameArea(saved, TestPicture(4000, 3000), Form2->L1.BoundsRect()));
}

TEST_F(Unit2View, TheBackgroundDragMovesTheWindowByThePointersTravelAtAnyScale) {
  Open(4000, 3000, kFullHdAbovePanel);
  const QPoint start(Form2->Left(), Form2->Top());
  QPoint pointer = Window()->mapToGlobal(QPoint(300, 200));
  QTest::mousePress(Window(), Qt::LeftButton, {}, Window()->mapFromGlobal(pointer));
  for (int step = 1; step <= 10; ++step) {
    pointer += QPoint(7, -3);
    QTest::mouseMove(Window(), Window()->mapFromGlobal(pointer));
  }
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, Window()->mapFromGlobal(pointer));
  EXPECT_EQ(QPoint(Form2->Left(), Form2->Top()), start + QPoint(70, -30));
}

// At ratio 1 a picture that fits is shown as it always was.
TEST_F(Unit2View, APictureThatFitsAtRatioOneIsShownAtItsSizeCentredOnTheScreen) {
  Open(640, 400, {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 740), 1});
  EXPECT_EQ(Form2->geometry(), QRect(192, 184, 640, 400));
  EXPECT_TRUE(SameSurface(SurfaceOf(Form2->Client->grab().toImage()), Composed()));
}

TEST_F(Unit2View, AtRatioTwoAPictureThatFitsIsDrawnOneToOneInDevicePixels) {
  Open(1920, 1080, {QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080), 2});
  EXPECT_EQ(Form2->geometry(), QRect(480, 270, 960, 540));
  QImage device(1920, 1080, QImage::Format_RGB32);
  device.setDevicePixelRatio(2);
  Form2->Client->render(&device);
  EXPECT_TRUE(SameSurface(SurfaceOf(device), Composed()));
  // A logical pixel is two device pixels, a picture pixel one: the label,
  // at (0, 0), pressed at its (4, 4) and moved 10 by 5 logical pixels.
  ASSERT_EQ(LabelAt(), (TPoint{0, 0}));
  QTest::mousePress(Window(), Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseMove(Window(), QPoint(12, 7));
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, QPoint(12, 7));
  EXPECT_EQ(LabelAt(), (TPoint{20, 10}));
}

// A line of a picture: the window keeps a pixel across, the label still
// drags, and the save has the picture's size.
struct TLineCase {
  int32_t Width, Height;
  QRect Client;
  TPoint Label;
  QPoint Press, Move;  // on the window, never (0, 0), which QTest takes for the centre
};

class Unit2Lines : public Unit2View, public ::testing::WithParamInterface<TLineCase> {};

TEST_P(Unit2Lines, AreFittedAndTheLabelStillDragsAndSaves) {
  const TLineCase& c = GetParam();
  Open(c.Width, c.Height, kFullHdAbovePanel);
  EXPECT_EQ(Form2->geometry(), c.Client);
  Form2->L1.SetBounds(c.Label.X, c.Label.Y, Form2->L1.Width(), Form2->L1.Height());
  const TPoint before = LabelAt();
  QTest::mousePress(Window(), Qt::LeftButton, {}, c.Press);
  QTest::mouseMove(Window(), c.Move);
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, c.Move);
  const int32_t viewWidth = c.Client.width(), viewHeight = c.Client.height();
  EXPECT_EQ(LabelAt(), (TPoint{before.X + Mapped(c.Move.x(), c.Width, viewWidth) - Mapped(c.Press.x(), c.Width, viewWidth),
                               before.Y + Mapped(c.Move.y(), c.Height, viewHeight) -
                                   Mapped(c.Press.y(), c.Height, viewHeight)}));
  EXPECT_NE(LabelAt(), before);
  const TSurface saved = Saved();
  EXPECT_EQ(saved.Width(), c.Width);
  EXPECT_EQ(saved.Height(), c.Height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, Unit2Lines,
                         ::testing::Values(TLineCase{30000, 1, QRect(0, 519, 1920, 1), {0, 0}, {1, 0}, {11, 0}},
                                           TLineCase{1, 30000, QRect(959, 0, 1, 1040), {0, 30}, {0, 1}, {0, 10}}));

}  // namespace
