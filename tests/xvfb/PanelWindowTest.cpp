// The control panel as a real X server shows it, over a composition: the
// window's hints, each component where the description puts it, the
// pixels of its fills, and the label answering real clicks and keys.
// Screenshots of every page go to $VELLUMO_SCREENSHOTS.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/window/ButtonGroups.h"
#include "toolkit/window/FilledHost.h"
#include "toolkit/window/LMDExtSpinEdit.h"
#include "toolkit/window/PageControl.h"
#include "xvfb/XTestSupport.h"

namespace {

class PanelWindowTest : public ProgramTest {
 protected:
  void SetUp() override {
    // The browser's double click, as the program makes it.
    Form2->LoadBackground(QStringLiteral(VELLUMO_SOURCE_DIR "/samples/meadow.jpg"));
    Form2->show();
    Form2->FitToBackground();
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
    Settle();
  }

  // The panel's pixels on the screen, kept as Name.png.
  QImage Shot(const QString& name) {
    Settle();
    const QImage panel = ScreenShot().copy(ScreenGeometry(Form1));
    KeepScreenShot(panel, name);
    return panel;
  }
  // Where Widget lies in the panel's client area.
  QRect InPanel(QWidget* widget) const { return QRect(widget->mapTo(Form1, QPoint()), widget->size()); }
};

// A component of the description: its place and size in its parent, its
// caption and its tooltip.
struct TDescribed {
  const char* Name;
  QRect Bounds;
  const char* Caption;
  const char* Hint;
};

const TDescribed kDescription[] = {
    {"GroupBox3", {8, 2, 153, 149}, "Шрифт", ""},
    {"FCB1", {10, 18, 123, 21}, "", ""},
    {"LMDColorComboBox1", {10, 40, 123, 21}, "", ""},
    {"RzBmpButton7", {135, 44, 14, 11}, "", ""},
    {"CheckBox1", {94, 74, 55, 17}, "Рамка", ""},
    {"AttrBox", {4, 72, 87, 67}, "Шрифт", ""},
    {"SE6", {98, 116, 49, 21}, "", "Размер шрифта"},
    {"GroupBox4", {166, 2, 185, 149}, "Объем", ""},
    {"LMDComboBox1", {44, 16, 129, 21}, "", "Эффекты объема"},
    {"LMDExtSpinEdit1", {44, 40, 49, 21}, "", ""},
    {"LMDExtSpinEdit3", {124, 40, 49, 21}, "", ""},
    {"LMDExtSpinEdit2", {44, 66, 49, 21}, "", "Поворот"},
    {"LMDExtSpinEdit4", {124, 68, 49, 21}, "", "Растянуть надпись"},
    {"GroupBox1", {2, 86, 181, 61}, "Цвет", ""},
    {"CCB1", {36, 15, 111, 21}, "", ""},
    {"RzBmpButton1", {150, 20, 14, 11}, "", ""},
    {"CCB2", {36, 37, 111, 21}, "", ""},
    {"RzBmpButton2", {150, 42, 14, 11}, "", ""},
    {"RG1", {354, 6, 95, 117}, "Тень", ""},
    {"RG2", {2, 4, 81, 95}, "Эффекты", ""},
    {"CCB6", {8, 122, 69, 21}, "", "Цвет края заливки"},
    {"RzBmpButton8", {79, 126, 14, 11}, "", ""},
    {"PageControl2", {96, 0, 177, 150}, "", ""},
    {"RzBmpButton3", {113, 16, 25, 21}, "", "Выбрать картинку"},
    {"ComboBox1", {46, 62, 83, 21}, "", ""},
    {"CCB3", {6, 24, 91, 21}, "", ""},
    {"RzBmpButton4", {99, 29, 14, 11}, "", ""},
    {"ComboBox2", {8, 76, 107, 21}, "", ""},
    {"CLB", {8, 8, 111, 43}, "", ""},
    {"Button1", {124, 8, 21, 19}, "+", "Добавить цвет"},
    {"Button2", {124, 30, 21, 19}, "-", "Удалить цвет"},
    {"LMDComboBox2", {46, 68, 103, 21}, "", ""},
    {"LMDExtSpinEdit5", {100, 90, 49, 21}, "", ""},
    {"Memo1", {16, 6, 427, 138}, "", ""},
};

QString CaptionOf(QWidget* widget) {
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return QString();
}

// The window can be moved and sized, neither closed nor minimised.
TEST_F(PanelWindowTest, TheWindowAndEveryComponentStandWhereTheDescriptionPutsThem) {
  EXPECT_EQ(ServerTitle(Form1), QStringLiteral("Vellumo v2.0 (Prof)"));
  EXPECT_EQ(MotifFunctions(Form1), 2 | 4);
  EXPECT_EQ(ScreenGeometry(Form1), QRect(223, 304, 464, 178));
  EXPECT_EQ(Form1->PageControl1->geometry(), Form1->rect());
  const QStringList pages = {"Шрифт 3D", "Заливка", "Текст"};
  const QStringList subPages = {"Картинка", "Заливка", "Градиент"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Form1->PageControl1->tabText(i), pages[i]);
    EXPECT_EQ(Form1->PageControl2->tabText(i), subPages[i]);
  }
  for (const TDescribed& component : kDescription) {
    QWidget* widget = Form1->findChild<QWidget*>(QString::fromLatin1(component.Name));
    ASSERT_NE(widget, nullptr) << component.Name;
    EXPECT_EQ(widget->geometry(), component.Bounds) << component.Name;
    EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(component.Caption)) << component.Name;
    EXPECT_EQ(widget->toolTip(), QString::fromUtf8(component.Hint)) << component.Name;
  }
  EXPECT_EQ(Form1->Im1.BoundsRect(), (TRect{280, 2, 451, 147}));
  EXPECT_FALSE(Form1->RG1->isEnabled());
}

// The share of Rect's pixels that are exactly yellow.
double YellowShare(const QImage& image, const QRect& rect) {
  int yellow = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) yellow += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFF00;
  return double(yellow) / (rect.width() * rect.height());
}

TEST_F(PanelWindowTest, EveryPageShownTheBoxesHatchedAndTheGradientPreviewed) {
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet1);
  const QImage font = Shot(QStringLiteral("panel-font"));
  // The diagonal cross paints a quarter of the pixels; the boxes' own
  // children cover some of that.
  for (QWidget* box : {static_cast<QWidget*>(Form1->GroupBox3), static_cast<QWidget*>(Form1->GroupBox4),
                       static_cast<QWidget*>(Form1->GroupBox1)}) {
    const QRect inside = InPanel(box).adjusted(4, 22, -4, -4);
    EXPECT_GT(YellowShare(font, inside), 0.05) << box->objectName().toStdString();
  }
  EXPECT_GT(YellowShare(font, QRect(InPanel(Form1->TabSheet1).topLeft() + QPoint(452, 130), QSize(6, 15))), 0.15);
  EXPECT_EQ(YellowShare(font, InPanel(Form1->RG1).adjusted(4, 16, -4, -4)), 0.0);

  Form1->PageControl1->setCurrentWidget(Form1->TabSheet2);
  for (QWidget* page : {Form1->Bit, Form1->Bru, Form1->Gra}) {
    Form1->PageControl2->setCurrentWidget(page);
    Shot(QStringLiteral("panel-fill-") + page->objectName());
  }
  // After "Градиент" the preview runs from blue at its top to near black.
  QTest::mouseClick(Form1->RG2->Button(3), Qt::LeftButton);
  const QImage fill = Shot(QStringLiteral("panel-fill-gradient"));
  const QPoint preview = Form1->TabSheet2->mapTo(Form1, QPoint(280 + 85, 2));
  const QRgb top = fill.pixel(preview + QPoint(0, 2));
  const QRgb bottom = fill.pixel(preview + QPoint(0, 141));
  EXPECT_GT(qBlue(top), 200);
  EXPECT_LT(qRed(top) + qGreen(top), 20);
  EXPECT_LT(qRed(bottom) + qGreen(bottom) + qBlue(bottom), 60);
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet7);
  Shot(QStringLiteral("panel-text"));
}

TEST_F(PanelWindowTest, AnEnhancedExtrusionTwentyDeepGrowsTheLabelInTheComposition) {
  const QRect composition = ScreenGeometry(Form2);
  const QImage before = ScreenShot().copy(composition);
  const int32_t width = Form2->L1.Width();

  Form1->PageControl1->setCurrentWidget(Form1->TabSheet1);
  Settle();
  QLineEdit* style = Form1->LMDComboBox1->lineEdit();
  QTest::mouseDClick(style, Qt::LeftButton, {}, style->rect().center());
  QTest::keyClicks(style, QStringLiteral("ExtrudeEnh"));
  QLineEdit* depth = Form1->LMDExtSpinEdit3->findChild<QLineEdit*>();
  QTest::mouseDClick(depth, Qt::LeftButton, {}, depth->rect().center());
  QTest::keyClicks(Form1->LMDExtSpinEdit3, QStringLiteral("20"));
  QTest::keyClick(Form1->LMDExtSpinEdit3, Qt::Key_Return);
  Settle();
  ASSERT_EQ(Form2->L1.FontFX().Style(), tdExtrudeEnh);
  ASSERT_EQ(Form2->L1.FontFX().ShadowDepth(), 20);
  EXPECT_EQ(Form2->L1.Width(), width + 20);

  // Where the composition changed on the screen (the panel over it aside):
  // the label, now reaching 20 pixels further right and down.
  const QImage after = ScreenShot().copy(composition);
  KeepScreenShot(after, QStringLiteral("composition-extruded"));
  const QRect panel = ScreenGeometry(Form1).translated(-composition.topLeft());
  QRect changed;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (!panel.contains(x, y) && after.pixel(x, y) != before.pixel(x, y)) changed |= QRect(x, y, 1, 1);
  EXPECT_GE(changed.right(), Form2->L1.Left() + width + 10);
  EXPECT_GE(changed.bottom(), Form2->L1.Top() + Form2->L1.Height() - 10);
  EXPECT_LT(changed.right(), Form2->L1.Left() + Form2->L1.Width());
}

}  // namespace
