#include "controls/LMDCustomColorComboBox.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QMouseEvent>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "controls/LMDColorItemDelegate.h"
#include "toolkit/canvas/Canvas.h"

TLMDCustomColorComboBox::TLMDCustomColorComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // A style that opens the list over the selected item would show every
  // item; the list opens below and shows DropDownCount of them.
  setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  setItemDelegate(new TLMDColorItemDelegate(*this, *this, true));
  connect(this, QOverload<int>::of(&QComboBox::activated), this, [this] { Change(); });
  MeasureItems();
  Refill();
}

void TLMDCustomColorComboBox::InsertItem(int32_t index, const QString& text) {
  const int32_t selected = currentIndex();
  insertItem(index, text);
  if (selected < 0) setCurrentIndex(-1);
}

void TLMDCustomColorComboBox::DisplayChanged() {
  const int32_t textHeight = MeasureItems();
  resize(width(), DisplayStyle() == csColor ? 25 : textHeight + 11);
  view()->doItemsLayout();
  update();
}

int32_t TLMDCustomColorComboBox::MeasureItems() {
  TCanvas canvas;
  canvas.SetFont(EngineFont(font()));
  itemHeight_ = ColorItemHeight(canvas, DisplayStyle());
  return canvas.GetTextMetrics().tmHeight;
}

void TLMDCustomColorComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  option.currentIcon = QIcon();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  // Windows draws the closed list's item selected while it has the focus.
  TLMDColorItemLook look;
  look.Style = DisplayStyle();
  look.Selected = hasFocus() && !view()->isVisible();
  look.Disabled = !isEnabled();
  PaintColorItem(painter, field, *this, currentText(), look);
  if (look.Selected) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = field;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void TLMDCustomColorComboBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && (Options() & ColorCBOptionBit(coAllowDialog))) {
    event->accept();
    ExecuteDialog();
    return;
  }
  QComboBox::mousePressEvent(event);
}

void TLMDCustomColorComboBox::changeEvent(QEvent* event) {
  QComboBox::changeEvent(event);
  if (event->type() == QEvent::FontChange) DisplayChanged();
}
