// The composition window on a real X server whose screen is smaller than
// the photo: the window lies wholly on the screen and shows the whole
// photo, the label dragged on the screen lands in the saved file where the
// screen showed it, and the window system knows the windows by the
// program's name. Screenshots go to $VELLUMO_SCREENSHOTS.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "pictures/Bitmap.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/canvas/AreaAverage.h"
#include "xvfb/XTestSupport.h"

namespace {

constexpr int32_t kPhotoWidth = 4000;
constexpr int32_t kPhotoHeight = 3000;
// The 4 : 3 photo fitted to the 1280 x 1024 screen.
const QRect kFitted(0, 32, 1280, 960);

// The picture pixel under the centre of device pixel D: floor((d + 0.5) / s).
int32_t Mapped(int32_t d, int32_t picture, int32_t view) {
  return static_cast<int32_t>(std::floor((d + 0.5) * picture / view));
}

// The mean absolute difference of the channels of Shown (a part of the
// screen) and Expected, over the pixels outside every rectangle of Skipped.
double MeanDifference(const QImage& shown, const TSurface& expected, const std::vector<QRect>& skipped) {
  double sum = 0;
  int64_t count = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      if (std::any_of(skipped.begin(), skipped.end(), [&](const QRect& rect) { return rect.contains(x, y); })) continue;
      const QRgb a = shown.pixel(x, y), b = expected.Pixel(x, y);
      sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
      count += 3;
    }
  return count ? sum / static_cast<double>(count) : 0;
}

// The label large enough to be seen on a shrunk photo.
void Decorate(TLMDLabelFill& label) {
  TFont font;
  font.Assign(label.Font());
  font.SetName(QStringLiteral("DejaVu Sans"));
  font.SetSize(96);
  font.SetStyle(FontStyleBit(fsBold));
  font.SetColor(clYellow);
  label.SetFont(font);
  label.FontFX().SetStyle(tdRaisedShadow);
  label.FontFX().SetShadowDepth(12);
  label.SetCaption(QStringLiteral("Vellumo"));
}

class CompositionFitX : public ProgramTest {};

TEST_F(CompositionFitX, APhotoLargerThanTheScreenIsShownWholeAndSavedWhole) {
  // The browser's double click, step by step.
  Form4->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form4));
  Form2->LoadBackground(WriteMeadow(Dir.filePath("photo.jpg"), kPhotoWidth, kPhotoHeight));
  Form2->show();
  Form2->FitToBackground();
  Form4->hide();
  Form1->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
  Decorate(Form2->L1);
  Settle();

  // Wholly on the screen, named after the program; the panel has no entry
  // of its own on a taskbar.
  const QRect area = ScreenGeometry(Form2);
  EXPECT_EQ(area, kFitted);
  EXPECT_EQ(ServerTitle(Form2), "Vellumo 2.0");
  EXPECT_EQ(Form2->Caption(), "Form2");
  EXPECT_TRUE(AtomList(Form1, "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_UTILITY") ||
              AtomList(Form1, "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"));

  // The whole photo, area-averaged to the window, outside the label and
  // the panel.
  const QImage opened = ScreenShot();
  KeepScreenShot(opened, QStringLiteral("fitted-opened"));
  const QRect panel = ScreenGeometry(Form1).translated(-area.topLeft());
  const TSurface photo = AreaAverage(Form2->Image1.Pixels(), {area.width(), area.height()});
  const QRect label(0, 0, (Form2->L1.Width() * area.width() + kPhotoWidth - 1) / kPhotoWidth + 1,
                    (Form2->L1.Height() * area.height() + kPhotoHeight - 1) / kPhotoHeight + 1);
  EXPECT_LE(MeanDifference(opened.copy(area), photo, {panel, label}), 4.0);

  // Drag the label 700 by 500 screen pixels, clear of the panel, then save.
  QWindow* window = Form2->windowHandle();
  const QPoint grab(20, 20);
  QTest::mousePress(window, Qt::LeftButton, {}, grab);
  for (int step = 1; step <= 10; ++step) QTest::mouseMove(window, grab + QPoint(70 * step, 50 * step));
  const QPoint end = grab + QPoint(700, 500);
  QTest::mouseRelease(window, Qt::LeftButton, {}, end);
  EXPECT_EQ(Form2->L1.Left(), Mapped(end.x(), kPhotoWidth, area.width()) - Mapped(grab.x(), kPhotoWidth, area.width()));
  EXPECT_EQ(Form2->L1.Top(), Mapped(end.y(), kPhotoHeight, area.height()) - Mapped(grab.y(), kPhotoHeight, area.height()));
  Form4->RzDirectoryTree1->SetCurrentFolder(Dir.path());
  Form2->bmp1Click();
  ASSERT_EQ(Dialogs_.MessageTexts(), QStringList({"Записано в исходную папку. Файл 1.bmp"}));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  Settle();

  // The file has the photo's size, and shrunk as the window shrinks it,
  // it is what the screen shows, label included.
  const QImage screen = ScreenShot();
  KeepScreenShot(screen, QStringLiteral("fitted-program"));
  KeepScreenShot(screen.copy(area), QStringLiteral("fitted-composition"));
  TBitmap saved;
  saved.LoadFromFile(Dir.filePath("1.bmp"));
  ASSERT_EQ(saved.Width(), kPhotoWidth);
  ASSERT_EQ(saved.Height(), kPhotoHeight);
  const TSurface shrunk = AreaAverage(saved.Surface(), {area.width(), area.height()});
  int differing = 0;
  for (int y = 0; y < area.height(); ++y)
    for (int x = 0; x < area.width(); ++x)
      if (!panel.contains(x, y) && (screen.pixel(area.x() + x, area.y() + y) & 0xFFFFFF) != (shrunk.Pixel(x, y) & 0xFFFFFF))
        ++differing;
  EXPECT_EQ(differing, 0);
  // And the label is in the file where it was dropped.
  const TRect dropped = Form2->L1.BoundsRect();
  int inked = 0;
  for (int32_t y = dropped.Top; y < dropped.Bottom; ++y)
    for (int32_t x = dropped.Left; x < dropped.Right; ++x)
      if (saved.Surface().Pixel(x, y) != Form2->Image1.Pixels().Pixel(x, y)) ++inked;
  EXPECT_GT(inked, dropped.Width() * dropped.Height() / 10);
}

}  // namespace
