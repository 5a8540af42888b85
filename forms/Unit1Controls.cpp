#include "forms/Unit1Controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStylePainter>
#include <QTabBar>
#include <algorithm>

#include "toolkit/Colors.h"
#include "toolkit/Exceptions.h"
#include "toolkit/windowless/Control.h"

namespace {

QColor QColorOf(TColor color) { return QColor::fromRgb(ColorToPixel(color)); }

// "C059 [urw]": Qt names a family that several foundries provide with the
// foundry; the panel lists the family once, as fontconfig names it.
QString WithoutFoundry(const QString& family) {
  const qsizetype bracket = family.indexOf(QLatin1String(" ["));
  return bracket < 0 ? family : family.left(bracket);
}

// Tabs with the narrow margins of the platform's page controls: the fill
// page's three sub-pages fit its 177 pixels only so.
class TNarrowTabsStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    return metric == PM_TabBarTabHSpace ? 4 : QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

// TLMDExtSpinEdit

TLMDExtSpinEdit::TLMDExtSpinEdit(QWidget* parent, int32_t minimum, int32_t maximum, int32_t value) : QSpinBox(parent) {
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  setRange(minimum, maximum);
  setValue(value);
  reported_ = Text();
  // Qt updates the editor under blocked signals when the value changes, so
  // a typed key shows only as an edit, a new value only as a value, and the
  // correction of an unfinished text at the end of editing as neither.
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { TextMayHaveChanged(); });
  connect(this, &QSpinBox::textChanged, this, [this] { TextMayHaveChanged(); });
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] { TextMayHaveChanged(); });
}

QString TLMDExtSpinEdit::Text() const { return lineEdit()->text(); }

std::optional<int32_t> TLMDExtSpinEdit::IntValue() const {
  const QString text = Text();
  if (text.isEmpty()) return 0;
  if (text == QLatin1String("-")) return std::nullopt;
  bool ok = false;
  const int32_t value = text.toInt(&ok, 10);
  if (!ok) throw EConvertError::InvalidInteger(text);
  return value;
}

void TLMDExtSpinEdit::TextMayHaveChanged() {
  const QString text = Text();
  if (text == reported_) return;
  reported_ = text;
  if (OnChange) OnChange();
}

// TLMDFontComboBox

TLMDFontComboBox::TLMDFontComboBox(QWidget* parent) : QComboBox(parent) {
  // The style would show the list as a menu as tall as the screen; the
  // list popup shows MaxVisibleItems entries.
  setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  setMaxVisibleItems(12);
  // Fontconfig's aliases ("Sans Serif") stand for another family: a name
  // is listed when it resolves to itself, so the face chosen is the face
  // the label draws with.
  QStringList families;
  for (const QString& family : QFontDatabase::families()) {
    const QString name = WithoutFoundry(family);
    if (QFontDatabase::isPrivateFamily(family) || families.contains(name)) continue;
    if (WithoutFoundry(QFontInfo(QFont(name)).family()) == name) families << name;
  }
  for (const QString& family : families) {
    QFont face(family);
    face.setPixelSize(font().pixelSize());
    addItem(family);
    setItemData(count() - 1, face, Qt::FontRole);
  }
  setCurrentIndex(-1);
  connect(this, &QComboBox::activated, this, [this] {
    if (OnSelect) OnSelect();
  });
}

void TLMDFontComboBox::SelectFontName(const QString& name) { setCurrentIndex(findText(name, Qt::MatchFixedString)); }

void TLMDFontComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() >= 0) painter.setFont(itemData(currentIndex(), Qt::FontRole).value<QFont>());
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

// TLMDCheckGroup

TLMDCheckGroup::TLMDCheckGroup(QWidget* parent, const QString& caption, const QStringList& items, int32_t itemHeight)
    : QGroupBox(caption, parent) {
  const int32_t top = fontMetrics().height() + 2;
  for (const QString& item : items) {
    QCheckBox* button = new QCheckBox(item, this);
    button->move(8, top + static_cast<int32_t>(buttons_.size()) * itemHeight);
    button->resize(button->sizeHint().width(), itemHeight);
    connect(button, &QCheckBox::clicked, this, [this] {
      if (OnClick) OnClick();
    });
    buttons_.push_back(button);
  }
}

uint32_t TLMDCheckGroup::Value() const {
  uint32_t value = 0;
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->isChecked()) value |= 1u << i;
  return value;
}

QAbstractButton* TLMDCheckGroup::Button(int32_t index) const { return buttons_.at(index); }

// TRadioGroup

TRadioGroup::TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  for (const QString& item : items)
    group_->addButton(new QRadioButton(item, this), static_cast<int>(group_->buttons().size()));
  connect(group_, &QButtonGroup::idClicked, this, [this] {
    if (OnClick) OnClick();
  });
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked && OnChange) OnChange();
  });
}

int32_t TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int32_t index) { group_->button(index)->setChecked(true); }

QAbstractButton* TRadioGroup::Button(int32_t index) const { return group_->button(index); }

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  // One column of equal rows under the caption; the rows' spare pixels go
  // half above them.
  const QList<QAbstractButton*> buttons = group_->buttons();
  const int32_t textHeight = fontMetrics().height();
  const int32_t rows = std::max<int32_t>(static_cast<int32_t>(buttons.size()), 1);
  const int32_t room = height() - textHeight - 5;
  const int32_t rowHeight = room / rows;
  const int32_t top = textHeight + 1 + (room % rows) / 2;
  for (int32_t i = 0; i < buttons.size(); ++i) buttons[i]->setGeometry(8, top + i * rowHeight, width() - 10, rowHeight);
  QGroupBox::resizeEvent(event);
}

// TPageControl

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
  QProxyStyle* narrow = new TNarrowTabsStyle;
  narrow->setParent(this);
  tabBar()->setStyle(narrow);
  connect(this, &QTabWidget::currentChanged, this, [this] {
    if (!turning_ && OnChange) OnChange();
  });
}

void TPageControl::SetActivePage(QWidget* page) {
  const QScopedValueRollback<bool> turning(turning_, true);
  setCurrentWidget(page);
}

// TRzBmpButton

TRzBmpButton::TRzBmpButton(QWidget* parent, TGlyph glyph) : QAbstractButton(parent), glyph_(glyph) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void TRzBmpButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect all = rect();
  const bool down = isDown();
  painter.fillRect(all, QColorOf(clBtnFace));
  // A one-pixel raised edge, sunken while pressed.
  const QColor light = QColorOf(down ? clBtnShadow : clBtnHighlight);
  const QColor dark = QColorOf(down ? clBtnHighlight : clBtnShadow);
  painter.fillRect(0, 0, all.width(), 1, light);
  painter.fillRect(0, 0, 1, all.height(), light);
  painter.fillRect(0, all.height() - 1, all.width(), 1, dark);
  painter.fillRect(all.width() - 1, 0, 1, all.height(), dark);

  const QColor ink = QColorOf(isEnabled() ? clBtnText : clGrayText);
  const QPoint centre = all.center() + (down ? QPoint(1, 1) : QPoint());
  switch (glyph_) {
    case bgEllipsis:
      for (int dot = -1; dot <= 1; ++dot) painter.fillRect(centre.x() - 1 + 3 * dot, centre.y() + 1, 2, 2, ink);
      break;
    case bgPicture: {
      const QRect frame(centre.x() - 7, centre.y() - 5, 15, 11);
      painter.fillRect(frame, QColorOf(clWhite));
      painter.setPen(ink);
      painter.drawRect(frame.adjusted(0, 0, -1, -1));
      painter.fillRect(frame.right() - 4, frame.top() + 2, 2, 2, QColorOf(clRed));
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColorOf(clGreen));
      const QPoint hill[] = {
          {frame.left() + 1, frame.bottom()}, {frame.left() + 5, frame.top() + 4}, {frame.left() + 10, frame.bottom()}};
      painter.drawPolygon(hill, 3);
      break;
    }
  }
}

// TFilledHost

TFilledHost::TFilledHost(QWidget* parent, TGraphicControl& control) : THostWidget(parent), control_(control) {
  control_.SetParent(this);
}

void TFilledHost::resizeEvent(QResizeEvent* event) {
  THostWidget::resizeEvent(event);
  control_.SetBounds(0, 0, width(), height());
}
