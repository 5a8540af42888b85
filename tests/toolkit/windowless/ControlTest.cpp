#include <gtest/gtest.h>

#include <QStringList>

#include "ControlTestSupport.h"
#include "toolkit/windowless/WinControl.h"

namespace {

// Records the mouse events of a control as text.
struct TMouseLog {
  QStringList Lines;
  void Attach(TLMDBaseGraphicControl& control, const QString& name) {
    control.OnMouseDown = [this, name](TGraphicControl*, TMouseButton b, TShiftState, int32_t x, int32_t y) {
      Lines << QStringLiteral("%1 down %2 %3,%4").arg(name).arg(b).arg(x).arg(y);
    };
    control.OnMouseMove = [this, name](TGraphicControl*, TShiftState, int32_t x, int32_t y) {
      Lines << QStringLiteral("%1 move %2,%3").arg(name).arg(x).arg(y);
    };
    control.OnMouseUp = [this, name](TGraphicControl*, TMouseButton b, TShiftState, int32_t x, int32_t y) {
      Lines << QStringLiteral("%1 up %2 %3,%4").arg(name).arg(b).arg(x).arg(y);
    };
    control.OnClick = [this, name](TGraphicControl*) { Lines << name + QStringLiteral(" click"); };
    control.OnDblClick = [this, name](TGraphicControl*) { Lines << name + QStringLiteral(" dblclick"); };
    control.OnMouseEnter = [this, name](TGraphicControl*) { Lines << name + QStringLiteral(" enter"); };
    control.OnMouseExit = [this, name](TGraphicControl*) { Lines << name + QStringLiteral(" exit"); };
  }
};

class ControlMouse : public ::testing::Test {
 protected:
  TRecordingHost host{100, 100};
  TSwatch a{host, {10, 10, 30, 30}, clRed};
  TSwatch b{host, {20, 20, 40, 40}, clBlue};
  TMouseLog log;
  void SetUp() override {
    log.Attach(a, "a");
    log.Attach(b, "b");
  }
};

TEST_F(ControlMouse, TheTopmostControlTakesTheEventInItsOwnCoordinates) {
  host.MouseDown(mbRight, 0, {25, 25});
  host.MouseDown(mbRight, 0, {12, 13});
  host.MouseDown(mbRight, 0, {50, 50});
  EXPECT_EQ(log.Lines, QStringList({"b enter", "b down 1 5,5", "b exit", "a enter", "a down 1 2,3", "a exit"}));
  EXPECT_EQ(host.HostDowns, (std::vector<TPoint>{{50, 50}}));
}

TEST_F(ControlMouse, ALeftPressHoldsTheControlUntilTheRelease) {
  host.MouseDown(mbLeft, ShiftBit(ssLeft), {15, 15});
  host.MouseMove(ShiftBit(ssLeft), {35, 35});  // over b, still a's
  host.MouseMove(ShiftBit(ssLeft), {90, 90});  // off both, still a's
  host.MouseUp(mbLeft, 0, {90, 90});           // released outside: no click
  host.MouseMove(0, {35, 35});
  EXPECT_EQ(log.Lines, QStringList({"a enter", "a down 0 5,5", "a exit", "b enter", "a move 25,25", "b exit",
                                    "a move 80,80", "a up 0 80,80", "b enter", "b move 15,15"}));
  EXPECT_EQ(host.CaptureControl(), nullptr);
}

TEST_F(ControlMouse, OtherButtonsDoNotHoldTheControl) {
  host.MouseDown(mbRight, ShiftBit(ssRight), {15, 15});
  host.MouseMove(ShiftBit(ssRight), {35, 35});
  host.MouseMove(ShiftBit(ssRight), {90, 90});
  EXPECT_EQ(log.Lines, QStringList({"a enter", "a down 1 5,5", "a exit", "b enter", "b move 15,15", "b exit"}));
  EXPECT_EQ(host.HostMoves, (std::vector<TPoint>{{90, 90}}));
}

TEST_F(ControlMouse, ALeftPressOnTheHostKeepsTheMouseAwayFromControls) {
  host.MouseDown(mbLeft, ShiftBit(ssLeft), {5, 5});
  host.MouseMove(ShiftBit(ssLeft), {15, 15});
  host.MouseUp(mbLeft, 0, {15, 15});
  host.MouseMove(0, {16, 16});
  EXPECT_EQ(log.Lines, QStringList({"a enter", "a move 6,6"}));
  EXPECT_EQ(host.HostMoves, (std::vector<TPoint>{{15, 15}}));
}

TEST_F(ControlMouse, AClickIsReportedBeforeTheRelease) {
  host.MouseDown(mbLeft, ShiftBit(ssLeft), {15, 15});
  host.MouseUp(mbLeft, 0, {16, 16});
  host.MouseDown(mbLeft, ShiftBit(ssLeft) | ShiftBit(ssDouble), {15, 15});
  host.MouseUp(mbLeft, 0, {16, 16});
  EXPECT_EQ(log.Lines, QStringList({"a enter", "a down 0 5,5", "a click", "a up 0 6,6", "a dblclick", "a down 0 5,5",
                                    "a up 0 6,6"}));
}

TEST_F(ControlMouse, DisabledControlsAreSkippedAndReportNoEnterOrExit) {
  b.SetEnabled(false);
  host.MouseMove(0, {35, 35});
  host.MouseMove(0, {25, 25});
  a.SetEnabled(false);
  host.MouseMove(0, {90, 90});
  EXPECT_EQ(log.Lines, QStringList({"a enter", "a move 15,15"}));
  EXPECT_EQ(host.HostMoves, (std::vector<TPoint>{{35, 35}, {90, 90}}));
}

TEST_F(ControlMouse, TheCursorIsTheControlsUnderThePointer) {
  b.SetCursor(crHandPoint);
  EXPECT_EQ(host.CursorAt({25, 25}), crHandPoint);
  EXPECT_EQ(host.CursorAt({12, 12}), crDefault);
  EXPECT_EQ(host.CursorAt({90, 90}), crDefault);
}

TEST(Control, FollowsTheParentColourUntilGivenOne) {
  TRecordingHost host(10, 10);
  host.SetColor(clYellow);
  TLMDBaseGraphicControl plain;
  EXPECT_EQ(plain.Color(), clWindow);
  EXPECT_TRUE(plain.ParentColor());
  plain.SetParent(&host);
  EXPECT_EQ(plain.Color(), clYellow);
  host.SetColor(clAqua);
  EXPECT_EQ(plain.Color(), clAqua);
  EXPECT_TRUE(plain.ParentColor());
  plain.SetColor(clRed);
  EXPECT_FALSE(plain.ParentColor());
  host.SetColor(clLime);
  EXPECT_EQ(plain.Color(), clRed);
  plain.SetParentColor(true);
  EXPECT_EQ(plain.Color(), clLime);
}

TEST(Control, FollowsTheParentFontUntilItsOwnChanges) {
  TRecordingHost host(10, 10);
  TFont font;
  font.SetName("DejaVu Sans");
  host.SetFont(font);
  TLMDBaseGraphicControl plain;
  plain.SetParent(&host);
  EXPECT_EQ(plain.Font().Name(), "DejaVu Sans");
  EXPECT_TRUE(plain.ParentFont());
  plain.Font().SetSize(20);
  EXPECT_FALSE(plain.ParentFont());
  font.SetName("Liberation Sans");
  host.SetFont(font);
  EXPECT_EQ(plain.Font().Name(), "DejaVu Sans");
}

TEST(Control, WhileLoadingParentSettingsWaitAndLoadedEndsIt) {
  TRecordingHost host(10, 10);
  host.SetColor(clYellow);
  TLMDBaseGraphicControl plain;
  plain.SetColor(clRed);
  plain.SetParent(&host);
  plain.BeginLoading();
  plain.SetParentColor(true);
  EXPECT_EQ(plain.Color(), clRed);
  EXPECT_TRUE(plain.Loading());
  plain.EndLoading();
  EXPECT_FALSE(plain.Loading());
}

TEST(Control, ANewBaseGraphicControlIsTransparentAndThirtySquare) {
  TLMDBaseGraphicControl plain;
  EXPECT_EQ(plain.BoundsRect(), (TRect{0, 0, 30, 30}));
  EXPECT_TRUE(plain.Transparent());
  EXPECT_FALSE(plain.Opaque());
  EXPECT_TRUE(plain.Visible());
  EXPECT_TRUE(plain.Enabled());
  EXPECT_FALSE(plain.Painting());
}

TEST(Control, SetBoundsComparesFirstAndReportsOneResize) {
  TLMDBaseGraphicControl plain;
  int resizes = 0;
  plain.OnResize = [&](TGraphicControl*) { ++resizes; };
  plain.SetBounds(0, 0, 30, 30);
  plain.SetBounds(1, 2, 3, 4);
  plain.SetWidth(-5);
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(plain.BoundsRect(), (TRect{1, 2, 1, 6}));
}

class TCountingImages : public TCustomImageList {
 public:
  TSurface Picture(int32_t, int32_t) const override { return {}; }
};

class TImageLinked : public TLMDBaseGraphicControl {
 public:
  int Changes = 0;

 protected:
  void ImageListChanged() override { ++Changes; }
};

TEST(Control, ForgetsADestroyedImageList) {
  TImageLinked control;
  {
    TCountingImages images;
    control.SetImageList(&images);
    control.SetImageIndex(3);
    control.SetImageIndex(3);
    control.SetListIndex(1);
    EXPECT_EQ(control.Changes, 3);
  }
  EXPECT_EQ(control.ImageList(), nullptr);
  EXPECT_EQ(control.Changes, 4);
}

struct AccelCase {
  const char* Caption;
  char16_t Key;
  bool Accel;
};

class Accelerator : public ::testing::TestWithParam<AccelCase> {};

TEST_P(Accelerator, IsTheCharacterAfterTheLastSingleAmpersand) {
  const AccelCase& c = GetParam();
  EXPECT_EQ(IsAccel(QChar(c.Key), QString::fromUtf8(c.Caption)), c.Accel) << c.Caption;
}

INSTANTIATE_TEST_SUITE_P(Table, Accelerator,
                         ::testing::Values(AccelCase{"E&xit", u'x', true}, AccelCase{"E&xit", u'X', true},
                                           AccelCase{"Exit", u'x', false}, AccelCase{"a&&b", u'b', false},
                                           AccelCase{"a&&&b", u'b', true}, AccelCase{"&a&b", u'a', false},
                                           AccelCase{"&a&b", u'b', true}, AccelCase{"ab&", u'&', false},
                                           AccelCase{"Вы&ход", u'Х', true}));

}  // namespace
