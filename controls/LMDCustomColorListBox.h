#pragma once
#include <QListWidget>

#include "controls/LMDColorPicker.h"

// A list of colours drawn by the item drawing, one item selected at most.
// OnChange follows the user's choice of another item, never the program's
// (select-colour included). A right press opens the colour dialog when
// coAllowDialog is set. Descendants give the item height.
class TLMDCustomColorListBox : public QListWidget, public TLMDColorPicker {
 public:
  TLMDCustomColorListBox(QWidget* parent, TLMDColorCBOptions options);

  int32_t Count() const override { return count(); }
  QString Item(int32_t index) const override;
  int32_t ItemIndex() const override;
  void SetItemIndex(int32_t index) override;
  // Deleting the selected item leaves none selected.
  void DeleteItem(int32_t index);

 protected:
  QWidget* Widget() override { return this; }
  void InsertItem(int32_t index, const QString& text) override { insertItem(index, text); }
  void ClearItems() override { clear(); }
  bool ChangesOnSelect() const override { return false; }
  void DisplayChanged() override;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs an input event's own handling, then raises OnChange when it
  // selected another item.
  template <typename Handle>
  void UserInput(Handle handle);
};
