// The composition window on a real X server: which windows are mapped,
// where the composition stands and what the program told the server of
// each window, and that what the screen shows is what is saved.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QWindow>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "pictures/Bitmap.h"
#include "support/widget/ProgramTestSupport.h"
#include "xvfb/XTestSupport.h"

namespace {

// The label as a user might have set it on the panel.
void Decorate(TLMDLabelFill& label) {
  TFont font;
  font.Assign(label.Font());
  font.SetName(QStringLiteral("DejaVu Sans"));
  font.SetSize(48);
  font.SetStyle(FontStyleBit(fsBold));
  font.SetColor(clYellow);
  label.SetFont(font);
  label.FontFX().SetStyle(tdRaisedShadow);
  label.FontFX().SetShadowDepth(4);
  label.SetCaption(QStringLiteral("Vellumo"));
}

class CompositionX : public ProgramTest {};

TEST_F(CompositionX, WhatTheScreenShowsIsWhatIsSaved) {
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4));
  Settle();
  EXPECT_TRUE(IsMapped(Form4));
  EXPECT_FALSE(IsMapped(Form2));
  EXPECT_FALSE(IsMapped(Form1));
  EXPECT_EQ(ServerTitle(Form4), "Загрузить картинку...(JPG;BMP)");
  KeepScreenShot(ScreenShot(), QStringLiteral("browser"));

  // The browser's double click, step by step.
  Form2->LoadBackground(WriteMeadow(Dir.filePath("meadow.bmp")));
  Form2->show();
  Form2->FitToBackground();
  Form4->hide();
  Form1->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  Decorate(Form2->L1);
  Settle();
  EXPECT_FALSE(IsMapped(Form4));
  EXPECT_TRUE(IsMapped(Form2));
  EXPECT_TRUE(IsMapped(Form1));
  EXPECT_EQ(ScreenGeometry(Form2), QRect(112, 84, 800, 600));
  EXPECT_EQ(MotifDecorations(Form2), 0);
  EXPECT_TRUE(AtomList(Form1, "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE"));
  EXPECT_TRUE(AtomList(Form1, "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_UTILITY"));

  // Drag the label to its place.
  QWindow* window = Form2->windowHandle();
  const QPoint grab(Form2->L1.Left() + 10, Form2->L1.Top() + 10);
  QTest::mousePress(window, Qt::LeftButton, {}, grab);
  for (int step = 1; step <= 8; ++step) QTest::mouseMove(window, grab + QPoint(50 * step, 5 * step));
  QTest::mouseRelease(window, Qt::LeftButton, {}, grab + QPoint(400, 40));
  EXPECT_EQ(Form2->L1.Left(), 400);
  EXPECT_EQ(Form2->L1.Top(), 40);

  // The menu on the right button's release.
  QTest::mousePress(window, Qt::RightButton, {}, QPoint(700, 500));
  QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(700, 500));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2->PopupMenu1));
  Settle();
  KeepScreenShot(ScreenShot(), QStringLiteral("popup"));
  Form2->PopupMenu1->hide();

  Form4->RzDirectoryTree1->SetCurrentFolder(Dir.path());
  Form2->bmp1Click();
  ASSERT_EQ(Dialogs_.MessageTexts(), QStringList({"Записано в исходную папку. Файл 1.bmp"}));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  Settle();

  const QImage screen = ScreenShot();
  KeepScreenShot(screen, QStringLiteral("program"));
  const QRect area = ScreenGeometry(Form2);
  KeepScreenShot(screen.copy(area), QStringLiteral("composition"));
  TBitmap saved;
  saved.LoadFromFile(Dir.filePath("1.bmp"));
  ASSERT_EQ(saved.Width(), 800);
  ASSERT_EQ(saved.Height(), 600);
  const QRect panel = ScreenGeometry(Form1).translated(-area.topLeft());
  int differing = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (!panel.contains(x, y) && (screen.pixel(area.x() + x, area.y() + y) & 0xFFFFFF) != (saved.Surface().Pixel(x, y) & 0xFFFFFF))
        ++differing;
  EXPECT_EQ(differing, 0);
}

}  // namespace
