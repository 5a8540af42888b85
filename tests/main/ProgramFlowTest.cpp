// The program's windows as the user meets them: which are shown after
// each step, in what order they come and go, when the show handlers run,
// how the program ends and what an error does.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QShowEvent>
#include <QTest>
#include <QTimer>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "support/widget/ProgramTestSupport.h"

namespace {

// Notes every show ("+4") and hide ("-2") of the three windows, in order.
class TShowLog : public QObject {
 public:
  TShowLog() {
    for (QWidget* form : std::initializer_list<QWidget*>{Form4, Form2, Form1}) form->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    const char* name = watched == Form4 ? "4" : watched == Form2 ? "2" : "1";
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
      Log += (event->type() == QEvent::Show ? "+" : "-") + std::string(name);
    return false;
  }
  std::string Log;
};

class ProgramFlow : public ProgramTest {
 protected:
  // The browser's double click.
  void Compose() {
    Form4->show();
    Form2->LoadBackground(WriteTestPicture(Dir.filePath("back.bmp"), 200, 100));
    Form2->show();
    Form2->FitToBackground();
    Form4->hide();
    Form1->show();
  }
};

// The frameless composition keeps its caption, never drawn, and names the
// program to taskbars; the others' titles are their captions.
TEST_F(ProgramFlow, StartsWithTheBrowserOnlyAndExactTitles) {
  Form4->show();
  EXPECT_EQ(ShownWindows(), "4--");
  EXPECT_EQ(Form4->Caption(), "Загрузить картинку...(JPG;BMP)");
  EXPECT_EQ(Form2->Caption(), "Form2");
  EXPECT_EQ(Form1->Caption(), "Vellumo v2.0 (Prof)");
  EXPECT_EQ(Form4->windowTitle(), "Загрузить картинку...(JPG;BMP)");
  EXPECT_EQ(Form2->windowTitle(), "Vellumo 2.0");
  EXPECT_EQ(Form1->windowTitle(), "Vellumo v2.0 (Prof)");
}

TEST_F(ProgramFlow, OpenShowsTheBrowserThenHidesTheOthers) {
  Compose();
  EXPECT_EQ(ShownWindows(), "-21");
  TShowLog log;
  Form2->N3Click();
  EXPECT_EQ(log.Log, "+4-2-1");
  EXPECT_EQ(ShownWindows(), "4--");
}

// "Вы&ход" while the others are shown, or the browser's close box.
TEST_F(ProgramFlow, ExitAndClosingTheBrowserEndTheLoop) {
  Compose();
  QTimer::singleShot(0, [] { Form2->N4->trigger(); });
  EXPECT_EQ(Application().exec(), 0);
  EXPECT_FALSE(Form4->isVisible());
  Form4->show();
  QTimer::singleShot(0, [] {
    QCloseEvent close;
    SendSpontaneous(Form4, close);
  });
  EXPECT_EQ(Application().exec(), 0);
}

TEST_F(ProgramFlow, TheUserCannotCloseTheCompositionOrThePanel) {
  Compose();
  for (QWidget* form : std::initializer_list<QWidget*>{Form2, Form1}) {
    QCloseEvent close;
    SendSpontaneous(form, close);
    EXPECT_FALSE(close.isAccepted());
  }
  EXPECT_EQ(ShownWindows(), "-21");
}

// A window manager's restore is no show by the program.
TEST_F(ProgramFlow, TheCompositionsShowHandlerRunsOnTheProgramsShowsOnly) {
  Compose();
  Form2->L1.FillObject().SetStyle(sfGradient);
  QShowEvent restore;
  SendSpontaneous(Form2, restore);
  EXPECT_EQ(Form2->L1.FillObject().Style(), sfGradient);
  Form2->hide();
  Form2->show();
  EXPECT_EQ(Form2->L1.FillObject().Style(), sfNone);
}

// A failed load, or a picture without pixels, keeps the picture shown.
TEST_F(ProgramFlow, ABackgroundThatFailsToLoadKeepsThePictureShown) {
  Form2->LoadBackground(WriteTestPicture(Dir.filePath("good.bmp"), 30, 20));
  QFile(Dir.filePath("empty.bmp")).open(QIODevice::WriteOnly);
  for (const char* name : {"missing.jpg", "good.txt", "empty.bmp"}) {
    EXPECT_THROW(Form2->LoadBackground(Dir.filePath(name)), Exception) << name;
    EXPECT_EQ(Form2->Image1.Width(), 30);
    EXPECT_EQ(Form2->Client->Background().Width(), 30);
  }
  try {
    Form2->LoadBackground(Dir.filePath("empty.bmp"));
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Bitmap image is not valid");
  }
}

// Receives user events whose handling fails.
class TThrowing : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    ++Handled;
    throw EInvalidGraphic::BitmapNotValid();
  }
  int Handled = 0;
};

// Shown once, captioned with the title; a second error while the box is
// open (a failing repaint under it) shows nothing more, and the next event
// is handled as usual.
TEST_F(ProgramFlow, AnErrorInAHandlerShowsOneBoxAndTheProgramCarriesOn) {
  TThrowing target;
  QEvent event(QEvent::User);
  Dialogs_.OnMessage = [&] { QCoreApplication::sendEvent(&target, &event); };
  QCoreApplication::sendEvent(&target, &event);
  ASSERT_EQ(Dialogs_.Messages.size(), 1u);
  EXPECT_EQ(Dialogs_.Messages[0].Text, "Bitmap image is not valid");
  EXPECT_EQ(Dialogs_.Messages[0].Caption, "Vellumo 2.0");
  EXPECT_EQ(Dialogs_.Messages[0].Kind, mkError);
  EXPECT_EQ(target.Handled, 2);
  Dialogs_.OnMessage = nullptr;
  QCoreApplication::sendEvent(&target, &event);
  EXPECT_EQ(target.Handled, 3);
  EXPECT_EQ(Dialogs_.Messages.size(), 2u);
}

// A control whose paint fails while Failing is set.
class TFailingControl : public TGraphicControl {
 public:
  bool Failing = true;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    if (Failing) throw EInvalidGraphic::BitmapNotValid();
  }
};

// Under the box the window repaints and fails again: still one box.
TEST_F(ProgramFlow, APaintThatFailsShowsOneBoxAndLaterPaintsWork) {
  Compose();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
  TFailingControl control;
  control.SetBounds(10, 10, 20, 20);
  control.SetParent(Form2->Client);
  Dialogs_.OnMessage = [&] {
    control.Invalidate();
    Form2->Client->repaint();
  };
  Form2->Client->repaint();
  EXPECT_EQ(Dialogs_.MessageTexts(), QStringList({"Bitmap image is not valid"}));
  EXPECT_GE(control.Paints, 2);
  control.Failing = false;
  Dialogs_.OnMessage = nullptr;
  control.Invalidate();
  Form2->Client->repaint();
  EXPECT_EQ(Dialogs_.Messages.size(), 1u);
  EXPECT_EQ(Form2->Client->grab().toImage().pixel(5, 5), Form2->Client->Background().Pixel(5, 5));
  control.SetParent(nullptr);
}

}  // namespace
