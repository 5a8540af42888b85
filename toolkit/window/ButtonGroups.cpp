#include "toolkit/window/ButtonGroups.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>

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
  // Qt reports a click on the item already checked too; only a new check
  // is a click of the group, and only the user's.
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (!checked) return;
    if (OnChange) OnChange();
    if (!settingIndex_ && OnClick) OnClick();
  });
}

int32_t TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int32_t index) {
  const QScopedValueRollback<bool> setting(settingIndex_, true);
  group_->button(index)->setChecked(true);
}

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
