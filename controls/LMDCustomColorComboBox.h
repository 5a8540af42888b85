#pragma once
#include <QComboBox>

#include "controls/LMDColorPicker.h"

// A drop-down list of colours without an edit field: its items and its
// edit field are drawn by the item drawing. OnChange follows every choice
// of the user's and every select-colour. A right press opens the colour
// dialog when coAllowDialog is set.
class TLMDCustomColorComboBox : public QComboBox, public TLMDColorPicker {
 public:
  explicit TLMDCustomColorComboBox(QWidget* parent = nullptr);

  int32_t Count() const override { return count(); }
  QString Item(int32_t index) const override { return itemText(index); }
  int32_t ItemIndex() const override { return currentIndex(); }
  void SetItemIndex(int32_t index) override { setCurrentIndex(index); }
  // 15 pixels for csColor, else the font's text height + 2.
  int32_t ItemHeight() const override { return itemHeight_; }

 protected:
  QWidget* Widget() override { return this; }
  // Qt selects the first item put into an empty list; adding selects nothing here.
  void InsertItem(int32_t index, const QString& text) override;
  void ClearItems() override { clear(); }
  bool ChangesOnSelect() const override { return true; }
  // The control's height follows the style: the font's text height + 11,
  // 25 for csColor.
  void DisplayChanged() override;

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Sets the item height from the font and the style; returns the font's
  // text height.
  int32_t MeasureItems();

  int32_t itemHeight_ = 0;
};
