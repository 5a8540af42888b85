// The windows' own texts fit: every visible widget of the three windows,
// on every page and sub-page of the panel, is drawn in the stand-in of its
// classic face, and every text its description gives (captions, titles,
// tabs, radio and check items, the items of the choice combos, start
// texts) lies whole inside the room its widget gives it, inside every
// widget that holds it, and under no other widget. Run-time data (paths,
// file, font and colour names) is left out.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>
#include <QTest>
#include <set>

#include "controls/LMDColorComboBox.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/window/ButtonGroups.h"
#include "toolkit/window/FilledHost.h"
#include "toolkit/window/LMDExtSpinEdit.h"
#include "toolkit/window/LMDFontComboBox.h"
#include "toolkit/window/PageControl.h"

namespace {

// The texts the windows' descriptions give, each of which must be met.
const char* const kDescribedTexts[] = {
    "Шрифт 3D", "Заливка", "Текст", "Шрифт", "Рамка", "Жирный", "Наклон", "Подчеркн", "Объем", "Стиль", "Свет",
    "Тень", "Угол", "<---->", "Цвет", "None", "Extrude", "ExtrudeEnh", "Outline", "ColorRaised", "ColorSunken",
    "Raised", "RaisedShadow", "Shadow", "Sunken", "SunkenShadow", "Верх-право", "Верх-лево", "Низ-право", "Низ-лево",
    "Эффекты", "Нет", "Картинка", "Градиент", "Край заливки", "Выбрать картинку", "Оригинал", "Центр", "Растянуть",
    "Черепица", "Сплошная", "Горизонтальная", "Вертикальная", "Диагональная1", "Диагональная2", "Клетка",
    "Клетка диаг", "Прозрачная", "Горизонт", "Вертикаль", "Квадрат", "Круг", "Диаг-1", "Диаг-2", "Диаг-3", "Диаг-4",
    "Диаг-5", "Диаг-6", "Колич. цветов", "+", "-", "Текстъ!", "1", "0", "16"};

// A text where a widget draws it, and the room the widget gives it there,
// both in the widget's coordinates.
struct TPlacedText {
  QString Text;
  QRect Drawn;
  QRect Room;
};

int Advance(const QWidget* widget, const QString& text) { return widget->fontMetrics().horizontalAdvance(text); }

// One line of Text from Left, its line centred in Room's height, as Widget
// draws it: as wide as its advance, as high as its ink.
QRect Line(const QWidget* widget, const QString& text, int left, const QRect& room) {
  const QFontMetrics metrics = widget->fontMetrics();
  const int baseline = room.top() + (room.height() - metrics.height()) / 2 + metrics.ascent();
  const QRect ink = metrics.tightBoundingRect(text);
  return QRect(left, baseline + ink.top(), Advance(widget, text), ink.height());
}

// The text as a line edit (a combo's or a spin edit's field) draws it: from
// the left of its contents, within them less the edit's 2-pixel margins.
TPlacedText InField(const QLineEdit* field, const QString& text) {
  const QRect room = field->rect().adjusted(2, 0, -2, 0);
  return {text, Line(field, text, room.left(), room), room};
}

QRect GroupTitle(const QGroupBox* box) {
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.lineWidth = 1;
  option.textAlignment = box->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

// The contents of a check box or radio button: right of its indicator.
QRect ButtonContents(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const bool radio = qobject_cast<const QRadioButton*>(button);
  const bool check = qobject_cast<const QCheckBox*>(button);
  const QStyle::SubElement contents = radio   ? QStyle::SE_RadioButtonContents
                                      : check ? QStyle::SE_CheckBoxContents
                                              : QStyle::SE_PushButtonContents;
  return button->style()->subElementRect(contents, &option, button);
}

// The described texts Widget draws itself. The fields of the combos and
// spin edits draw theirs; the choice combos are the plain editable ones
// (colour and font names are the user's data).
std::vector<TPlacedText> DescribedTexts(QWidget* widget) {
  std::vector<TPlacedText> texts;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (qobject_cast<QStatusBar*>(label->parentWidget())) return texts;  // paths and sizes
    const QRect room = label->contentsRect();
    texts.push_back({label->text(), Line(label, label->text(), room.left(), room), room});
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    const QRect title = GroupTitle(box);
    const QRect line(title.topLeft(), QSize(title.width(), box->fontMetrics().height()));
    texts.push_back({box->title(), Line(box, box->title(), title.left(), line), box->rect()});
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (button->text().isEmpty()) return texts;
    const QRect room = ButtonContents(button);
    const int width = Advance(button, button->text());
    const bool centred = qobject_cast<QPushButton*>(button);
    const int left = centred ? room.left() + (room.width() - width) / 2 : room.left();
    texts.push_back({button->text(), Line(button, button->text(), left, room), room});
  } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
    const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
    for (int i = 0; i < tabs->count(); ++i) {
      const QRect tab = tabs->tabRect(i);
      const QRect text = Line(tabs, tabs->tabText(i), 0, tab).adjusted(0, 0, space, 0);
      texts.push_back({tabs->tabText(i), text.translated(tab.left() + (tab.width() - text.width()) / 2, 0),
                       tab & tabs->rect()});
    }
  } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    QWidget* owner = field->parentWidget();
    auto* combo = qobject_cast<QComboBox*>(owner);
    if (combo && !dynamic_cast<TLMDColorComboBox*>(combo) && !dynamic_cast<TLMDFontComboBox*>(combo)) {
      for (int i = 0; i < combo->count(); ++i) texts.push_back(InField(field, combo->itemText(i)));
      texts.push_back(InField(field, combo->currentText()));
    } else if (auto* spin = dynamic_cast<TLMDExtSpinEdit*>(owner)) {
      texts.push_back(InField(field, spin->Text()));
    }
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget->parentWidget()); memo && widget == memo->viewport()) {
    const QString text = memo->toPlainText();
    const int margin = static_cast<int>(memo->document()->documentMargin());
    const QRect line(margin, margin, Advance(memo, text), memo->fontMetrics().height());
    texts.push_back({text, Line(memo, text, margin, line), widget->rect()});
  }
  return texts;
}

// The hatched grounds lie under everything in their boxes and pages.
bool IsGround(const QWidget* widget) { return dynamic_cast<const TFilledHost*>(widget) != nullptr; }

// Whether Rect, in Widget's coordinates, lies whole inside Widget and every
// widget holding it; the first that cuts it is named.
QString CutBy(QWidget* widget, const QRect& rect) {
  for (QWidget* w = widget;; w = w->parentWidget()) {
    const QRect inW(widget->mapTo(w, rect.topLeft()), rect.size());
    if (!w->rect().contains(inW)) return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                                     : w->objectName();
    if (w->isWindow()) return QString();
    for (QWidget* sibling : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QRect inParent(widget->mapTo(w->parentWidget(), rect.topLeft()), rect.size());
      if (sibling != w && sibling->isVisible() && !IsGround(sibling) && sibling->geometry().intersects(inParent))
        return QStringLiteral("covered by ") + sibling->objectName() + QLatin1Char(' ') +
               QString::fromLatin1(sibling->metaObject()->className());
    }
  }
}

class WindowTextFit : public ProgramTest {
 protected:
  void SetUp() override {
    Form4->show();
    Form2->LoadBackground(WriteTestPicture(Dir.filePath("back.bmp"), 320, 240));
    Form2->show();
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  }

  // Checks every visible widget of the three windows as they show now.
  void CheckShown(const QString& where) {
    for (QWidget* window : std::initializer_list<QWidget*>{Form4, Form2, Form1}) {
      QList<QWidget*> widgets = window->findChildren<QWidget*>();
      widgets.prepend(window);
      for (QWidget* widget : widgets) {
        if (!widget->isVisible()) continue;
        const QString name = where + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ') +
                             QString::fromLatin1(widget->metaObject()->className());
        EXPECT_EQ(QFontInfo(widget->font()).family(), ExpectedFamily(widget)) << name.toStdString();
        // The panel's face is narrowed, the others' are not.
        EXPECT_EQ(widget->font().stretch() == TForm1::kPanelStretch, window == Form1) << name.toStdString();
        for (const TPlacedText& text : DescribedTexts(widget)) {
          met_.insert(text.Text);
          const std::string what = (name + QStringLiteral(": \"") + text.Text + QLatin1Char('"')).toStdString();
          EXPECT_TRUE(text.Room.contains(text.Drawn))
              << what << " needs " << text.Drawn.width() << " x " << text.Drawn.height() << " pixels at "
              << text.Drawn.left() << ", " << text.Drawn.top() << ", has " << text.Room.width() << " x "
              << text.Room.height() << " at " << text.Room.left() << ", " << text.Room.top();
          EXPECT_EQ(CutBy(widget, text.Drawn), QString()) << what;
          for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_FALSE(child->isVisible() && !IsGround(child) && child->geometry().intersects(text.Drawn))
                << what << " under " << child->objectName().toStdString();
        }
      }
    }
  }

  // The stand-ins: Liberation Mono for the two "Courier New" captions,
  // Liberation Sans for everything else.
  static QString ExpectedFamily(const QWidget* widget) {
    return widget == Form1->AttrBox || widget == Form1->RG1 ? QStringLiteral("Liberation Mono")
                                                            : QStringLiteral("Liberation Sans");
  }

  std::set<QString> met_;
};

TEST_F(WindowTextFit, EveryDescribedTextOfEveryPageFitsInItsStandInFace) {
  for (int page = 0; page < Form1->PageControl1->count(); ++page) {
    Form1->PageControl1->setCurrentIndex(page);
    const QString name = Form1->PageControl1->tabText(page);
    if (Form1->PageControl1->currentWidget() != Form1->TabSheet2) {
      CheckShown(name);
      continue;
    }
    for (int subPage = 0; subPage < Form1->PageControl2->count(); ++subPage) {
      Form1->PageControl2->setCurrentIndex(subPage);
      CheckShown(name + QLatin1Char('/') + Form1->PageControl2->tabText(subPage));
    }
  }
  for (const char* text : kDescribedTexts) EXPECT_EQ(met_.count(QString::fromUtf8(text)), 1u) << text;
}

}  // namespace
