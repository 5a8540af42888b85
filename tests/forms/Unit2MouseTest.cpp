// The composition window under the mouse: dragging the label and the
// window, the popup menu, the pointer over the label. Events go to the
// window as the window system would deliver them.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QWindow>

#include "forms/Unit2.h"
#include "support/widget/ProgramTestSupport.h"

namespace {

class Unit2Mouse : public ProgramTest {
 protected:
  void SetUp() override {
    Form2->LoadBackground(WriteTestPicture(Dir.filePath("back.bmp"), 400, 300));
    Form2->show();
    Form2->FitToBackground();
    Form2->L1.SetBounds(100, 100, Form2->L1.Width(), Form2->L1.Height());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
  }

  QWindow* Window() const { return Form2->windowHandle(); }
  QPoint OnLabel(int x, int y) const { return {Form2->L1.Left() + x, Form2->L1.Top() + y}; }
  TPoint LabelAt() const { return {Form2->L1.Left(), Form2->L1.Top()}; }
  QPoint FormAt() const { return {Form2->Left(), Form2->Top()}; }
};

TEST_F(Unit2Mouse, ThePressedPointOfTheLabelStaysUnderThePointer) {
  QTest::mousePress(Window(), Qt::LeftButton, {}, OnLabel(5, 5));
  QTest::mouseMove(Window(), OnLabel(5 + 40, 5 + 10));
  EXPECT_EQ(LabelAt(), (TPoint{140, 110}));
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, OnLabel(5, 5));
  // Released: moving over the label moves nothing.
  QTest::mouseMove(Window(), OnLabel(20, 8));
  EXPECT_EQ(LabelAt(), (TPoint{140, 110}));
}

TEST_F(Unit2Mouse, ALeftDragOfTheLabelGoesOnOutsideItAndOffThePicture) {
  QTest::mousePress(Window(), Qt::LeftButton, {}, OnLabel(2, 2));
  for (int x = 110; x <= 390; x += 40) QTest::mouseMove(Window(), QPoint(x, 102));
  EXPECT_EQ(LabelAt(), (TPoint{388, 100}));
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, QPoint(390, 102));
}

TEST_F(Unit2Mouse, ARightPressOnTheLabelDragsItWhileThePointerStaysOnIt) {
  QTest::mousePress(Window(), Qt::RightButton, {}, OnLabel(3, 3));
  QTest::mouseMove(Window(), OnLabel(6, 4));
  EXPECT_EQ(LabelAt(), (TPoint{103, 101}));
  QTest::mouseRelease(Window(), Qt::RightButton, {}, OnLabel(3, 3));
  EXPECT_FALSE(Form2->PopupMenu1->isVisible());
}

TEST_F(Unit2Mouse, ARightPressOnTheBackgroundMovesNothingAlsoAcrossTheLabel) {
  const QPoint form = FormAt();
  QTest::mousePress(Window(), Qt::RightButton, {}, QPoint(20, 20));
  QTest::mouseMove(Window(), QPoint(60, 40));
  QTest::mouseMove(Window(), OnLabel(5, 5));
  QTest::mouseMove(Window(), OnLabel(9, 7));
  EXPECT_EQ(FormAt(), form);
  EXPECT_EQ(LabelAt(), (TPoint{100, 100}));
  QTest::mouseRelease(Window(), Qt::RightButton, {}, OnLabel(9, 7));
}

TEST_F(Unit2Mouse, TheMenuOpensOnTheRightReleaseOverTheBackgroundAndEndsTheDrag) {
  QTest::mousePress(Window(), Qt::RightButton, {}, QPoint(20, 20));
  EXPECT_FALSE(Form2->PopupMenu1->isVisible());
  QTest::mouseRelease(Window(), Qt::RightButton, {}, QPoint(20, 20));
  ASSERT_TRUE(Form2->PopupMenu1->isVisible());
  QTest::keyClick(Form2->PopupMenu1, Qt::Key_Escape);
  EXPECT_FALSE(Form2->PopupMenu1->isVisible());
  QTest::mouseMove(Window(), OnLabel(5, 5));
  QTest::mouseMove(Window(), OnLabel(25, 9));
  EXPECT_EQ(LabelAt(), (TPoint{100, 100}));
}

// A right press on the background, released elsewhere: the menu opens
// only over the background, never over the label or outside the window.
struct TRightReleaseCase {
  const char* What;
  QPoint Release;  // on the window; the label lies at (100, 100)
  bool Opens;
};

class Unit2RightRelease : public Unit2Mouse, public ::testing::WithParamInterface<TRightReleaseCase> {};

TEST_P(Unit2RightRelease, OpensTheMenuOverTheBackgroundOnly) {
  const TRightReleaseCase& c = GetParam();
  QTest::mousePress(Window(), Qt::RightButton, {}, QPoint(20, 20));
  QTest::mouseRelease(Window(), Qt::RightButton, {}, c.Release);
  EXPECT_EQ(Form2->PopupMenu1->isVisible(), c.Opens) << c.What;
  Form2->PopupMenu1->hide();
}

INSTANTIATE_TEST_SUITE_P(Places, Unit2RightRelease,
                         ::testing::Values(TRightReleaseCase{"over the background", {300, 250}, true},
                                           TRightReleaseCase{"over the label", {105, 105}, false},
                                           TRightReleaseCase{"left of the window", {-30, 20}, false},
                                           TRightReleaseCase{"right of the window", {420, 20}, false},
                                           TRightReleaseCase{"below the window", {200, 340}, false}));

TEST_F(Unit2Mouse, ALeftDragOfTheBackgroundMovesTheWindowByThePointersTravel) {
  const QPoint start = FormAt();
  QPoint pointer = Window()->mapToGlobal(QPoint(30, 40));
  QTest::mousePress(Window(), Qt::LeftButton, {}, Window()->mapFromGlobal(pointer));
  for (int step = 1; step <= 10; ++step) {
    pointer += QPoint(7, -3);
    QTest::mouseMove(Window(), Window()->mapFromGlobal(pointer));
  }
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, Window()->mapFromGlobal(pointer));
  EXPECT_EQ(FormAt(), start + QPoint(70, -30));
  EXPECT_EQ(LabelAt(), (TPoint{100, 100}));
}

TEST_F(Unit2Mouse, ThePointerIsAHandOverTheLabelOnly) {
  QTest::mouseMove(Window(), OnLabel(4, 4));
  EXPECT_EQ(Form2->Client->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(Window(), QPoint(10, 250));
  EXPECT_EQ(Form2->Client->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
