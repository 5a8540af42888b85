#pragma once
#include <QAbstractButton>
#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;

// A box of check boxes, one per item, ItemHeight apart. OnClick runs when
// the user checks or clears an item.
class TLMDCheckGroup : public QGroupBox {
 public:
  TLMDCheckGroup(QWidget* parent, const QString& caption, const QStringList& items, int32_t itemHeight);

  // The checked items as a bit set, bit 0 for the first.
  uint32_t Value() const;
  QAbstractButton* Button(int32_t index) const;

  std::function<void()> OnClick;

 private:
  std::vector<QCheckBox*> buttons_;
};

// A box of radio buttons, one per item in one column, spread over its
// height. No item is selected at first. OnClick runs when the user checks
// an item that was not checked, with the mouse or the keyboard; OnChange
// when the selection changes, by the user or by the program (before
// OnClick).
class TRadioGroup : public QGroupBox {
 public:
  TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items);

  // -1 while no item is selected.
  int32_t ItemIndex() const;
  // ASSUMPTION: 0 <= Index < the number of items.
  void SetItemIndex(int32_t index);
  QAbstractButton* Button(int32_t index) const;

  std::function<void()> OnClick;
  std::function<void()> OnChange;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QButtonGroup* const group_;
  bool settingIndex_ = false;  // while the program selects
};
