#include "controls/LMDCustomColorListBox.h"

#include <QMouseEvent>

#include "controls/LMDColorItemDelegate.h"

TLMDCustomColorListBox::TLMDCustomColorListBox(QWidget* parent, TLMDColorCBOptions options)
    : QListWidget(parent), TLMDColorPicker(options) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setItemDelegate(new TLMDColorItemDelegate(*this, *this, false));
}

QString TLMDCustomColorListBox::Item(int32_t index) const {
  const QListWidgetItem* entry = item(index);
  return entry ? entry->text() : QString();
}

int32_t TLMDCustomColorListBox::ItemIndex() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void TLMDCustomColorListBox::SetItemIndex(int32_t index) {
  setCurrentRow(index);
  if (index < 0) clearSelection();
}

void TLMDCustomColorListBox::DeleteItem(int32_t index) {
  const bool selected = index == ItemIndex();
  delete takeItem(index);
  if (selected) SetItemIndex(-1);
}

void TLMDCustomColorListBox::DisplayChanged() {
  doItemsLayout();
  viewport()->update();
}

void TLMDCustomColorListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && (Options() & ColorCBOptionBit(coAllowDialog))) {
    event->accept();
    ExecuteDialog();
    return;
  }
  UserInput([&] { QListWidget::mousePressEvent(event); });
}

void TLMDCustomColorListBox::mouseMoveEvent(QMouseEvent* event) {
  UserInput([&] { QListWidget::mouseMoveEvent(event); });
}

void TLMDCustomColorListBox::keyPressEvent(QKeyEvent* event) {
  UserInput([&] { QListWidget::keyPressEvent(event); });
}

template <typename Handle>
void TLMDCustomColorListBox::UserInput(Handle handle) {
  const int32_t before = ItemIndex();
  handle();
  if (ItemIndex() != before) Change();
}
