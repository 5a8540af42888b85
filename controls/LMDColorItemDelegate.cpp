#include "controls/LMDColorItemDelegate.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

#include "controls/LMDColorPicker.h"
#include "toolkit/IntMath.h"
#include "toolkit/canvas/Canvas.h"

TFont EngineFont(const QFont& font) {
  TFont result;
  result.SetName(font.family());
  result.SetHeight(font.pixelSize() > 0 ? -font.pixelSize() : -MulDiv(font.pointSize(), 96, 72));
  TFontStyles style = 0;
  if (font.bold()) style |= FontStyleBit(fsBold);
  if (font.italic()) style |= FontStyleBit(fsItalic);
  if (font.underline()) style |= FontStyleBit(fsUnderline);
  if (font.strikeOut()) style |= FontStyleBit(fsStrikeOut);
  result.SetStyle(style);
  return result;
}

void PaintColorItem(QPainter& painter, const QRect& rect, const QWidget& control, const QString& text,
                    const TLMDColorItemLook& look) {
  if (rect.isEmpty()) return;
  TSurface surface(rect.width(), rect.height());
  TCanvas canvas(&surface);
  canvas.SetFont(EngineFont(control.font()));
  DrawColorItem(canvas, TRect{0, 0, rect.width(), rect.height()}, text, look);
  painter.drawImage(rect.topLeft(), surface.Image());
}

TLMDColorItemDelegate::TLMDColorItemDelegate(const TLMDColorPicker& picker, QWidget& control, bool marksFocus)
    : QStyledItemDelegate(&control), picker_(picker), control_(control), marksFocus_(marksFocus) {}

void TLMDColorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  TLMDColorItemLook look;
  look.Style = picker_.DisplayStyle();
  look.Selected = option.state & QStyle::State_Selected;
  look.Disabled = !(option.state & QStyle::State_Enabled);
  PaintColorItem(*painter, option.rect, control_, index.data(Qt::DisplayRole).toString(), look);
  if (marksFocus_ && (option.state & QStyle::State_HasFocus)) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    control_.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, &control_);
  }
}

QSize TLMDColorItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return QSize(option.rect.width(), picker_.ItemHeight());
}
