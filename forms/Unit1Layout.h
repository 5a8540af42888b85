#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "controls/LMDColorItem.h"
#include "render/PanelChoices.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;
class TFilledHost;
class TLMDColorComboBox;
class TLMDExtSpinEdit;
class TLMDFill;
class TRzBmpButton;

// Building blocks of the control panel's description: each makes one
// component on Parent as the description gives it, under its object name,
// at its place and size in its parent.

// Names Widget; returns it.
template <typename TWidget>
TWidget* Named(TWidget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// Names Widget and places it; returns it.
template <typename TWidget>
TWidget* Placed(TWidget* widget, const char* name, const QRect& bounds) {
  Named(widget, name)->setGeometry(bounds);
  return widget;
}

QGroupBox* NewGroupBox(QWidget* parent, const char* name, const QString& caption, const QRect& bounds);
// A label sized to its text, on the window's colour.
QLabel* AddLabel(QWidget* parent, const QString& text, QPoint at);
// An editable combo box of the list's texts, showing Text, whose item (if
// any) is the current one. It completes nothing and adds nothing: what the
// user types is its text.
QComboBox* NewChoiceComboBox(QWidget* parent, const char* name, const QRect& bounds, const TChoiceList& items,
                             const QString& text);
// 49 x 21.
TLMDExtSpinEdit* NewSpinEdit(QWidget* parent, const char* name, QPoint at, int32_t minimum, int32_t maximum,
                             int32_t value);
// Non-editable, sorted, 12 entries visible, the default and custom colours
// and any other colour, the colour dialog fully open behind a right press.
TLMDColorComboBox* NewColorComboBox(QWidget* parent, const char* name, const QRect& bounds, TLMDColorCBStyle style);
// 14 x 11.
TRzBmpButton* NewDialogButton(QWidget* parent, const char* name, QPoint at);
// The texts of a list, in its order.
QStringList TextsOf(const TChoiceList& list);

// Box's caption in the classic face Family (its stand-in, WindowFace); its
// items keep the window's font.
void SetCaptionFamily(QGroupBox* box, const QString& family);

// Fill becomes a yellow diagonal cross-hatching; the host returned covers
// the inside of Box with it, beneath the box's other children.
TFilledHost* AddHatch(QGroupBox* box, TLMDFill& fill);
// Fill, the page's host, becomes the yellow hatching over the whole page.
void DescribeHatch(TLMDFill& fill);
