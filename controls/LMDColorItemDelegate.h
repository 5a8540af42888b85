#pragma once
#include <QStyledItemDelegate>

#include "controls/LMDColorItem.h"
#include "toolkit/text/Font.h"

class QPainter;
class TLMDColorPicker;

// The engine font that draws as Font does.
TFont EngineFont(const QFont& font);

// Paints the item of Text into Rect as Control shows it: drawn by the item
// drawing on a surface of its own in the control's font, then shown 1:1.
void PaintColorItem(QPainter& painter, const QRect& rect, const QWidget& control, const QString& text,
                    const TLMDColorItemLook& look);

// Paints the items of a colour picker's list in its display style; each
// item is the picker's item height high. A combo box's list also marks its
// focused item with the platform's focus rectangle.
class TLMDColorItemDelegate : public QStyledItemDelegate {
 public:
  TLMDColorItemDelegate(const TLMDColorPicker& picker, QWidget& control, bool marksFocus);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  const TLMDColorPicker& picker_;
  QWidget& control_;
  bool marksFocus_;
};
