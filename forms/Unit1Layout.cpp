#include "forms/Unit1Layout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "controls/LMDColorComboBox.h"
#include "render/fill/LMDFill.h"
#include "toolkit/window/FilledHost.h"
#include "toolkit/window/LMDExtSpinEdit.h"
#include "toolkit/window/RzBmpButton.h"
#include "toolkit/window/WindowFont.h"

QGroupBox* NewGroupBox(QWidget* parent, const char* name, const QString& caption, const QRect& bounds) {
  return Placed(new QGroupBox(caption, parent), name, bounds);
}

QLabel* AddLabel(QWidget* parent, const QString& text, QPoint at) {
  QLabel* label = new QLabel(text, parent);
  label->setAutoFillBackground(true);
  label->move(at);
  label->adjustSize();
  return label;
}

QComboBox* NewChoiceComboBox(QWidget* parent, const char* name, const QRect& bounds, const TChoiceList& items,
                             const QString& text) {
  QComboBox* combo = Placed(new QComboBox(parent), name, bounds);
  combo->setEditable(true);
  combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(TextsOf(items));
  // The item shown is the current one, where the list opens and the arrow
  // keys start; a text of no item leaves none current.
  combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  combo->setEditText(text);
  return combo;
}

TLMDExtSpinEdit* NewSpinEdit(QWidget* parent, const char* name, QPoint at, int32_t minimum, int32_t maximum,
                             int32_t value) {
  return Placed(new TLMDExtSpinEdit(parent, minimum, maximum, value), name, QRect(at, QSize(49, 21)));
}

TLMDColorComboBox* NewColorComboBox(QWidget* parent, const char* name, const QRect& bounds, TLMDColorCBStyle style) {
  TLMDColorComboBox* combo = new TLMDColorComboBox(parent);
  combo->SetDisplayStyle(style);
  combo->SetOptions(ColorCBOptionBit(coDefaultColors) | ColorCBOptionBit(coCustomColors) |
                    ColorCBOptionBit(coAllowAnyColor) | ColorCBOptionBit(coAllowDialog));
  combo->SetDlgOptions(ColorDialogOptionBit(cdFullOpen) | ColorDialogOptionBit(cdAnyColor));
  combo->SetDropDownCount(12);
  combo->SetSorted(true);
  // The style sets the height; the description's size comes after it.
  return Placed(combo, name, bounds);
}

TRzBmpButton* NewDialogButton(QWidget* parent, const char* name, QPoint at) {
  return Placed(new TRzBmpButton(parent, TRzBmpButton::bgEllipsis), name, QRect(at, QSize(14, 11)));
}

QStringList TextsOf(const TChoiceList& list) {
  QStringList texts;
  for (const TChoice& choice : list) texts << QString::fromUtf8(choice.Text);
  return texts;
}

void SetCaptionFamily(QGroupBox* box, const QString& family) {
  const QFont items = box->font();
  for (QWidget* item : box->findChildren<QWidget*>()) item->setFont(items);
  QFont caption = items;
  caption.setFamily(WindowFace(family));
  box->setFont(caption);
}

void DescribeHatch(TLMDFill& fill) {
  fill.Bevel().SetMode(bmCustom);
  TLMDFillObject& object = fill.FillObject();
  object.SetStyle(sfBrush);
  object.Brush().SetColor(clYellow);
  object.Brush().SetStyle(bsDiagCross);
}

TFilledHost* AddHatch(QGroupBox* box, TLMDFill& fill) {
  DescribeHatch(fill);
  TFilledHost* host = new TFilledHost(box, fill);
  // The inside of the box, below its caption and within its frame, as
  // the style draws them.
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  host->setGeometry(box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, box));
  host->lower();
  return host;
}
