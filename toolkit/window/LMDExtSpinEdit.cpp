#include "toolkit/window/LMDExtSpinEdit.h"

#include <QLineEdit>

#include "toolkit/Exceptions.h"

TLMDExtSpinEdit::TLMDExtSpinEdit(QWidget* parent, int32_t minimum, int32_t maximum, int32_t value) : QSpinBox(parent) {
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  setRange(minimum, maximum);
  setValue(value);
  reported_ = Text();
  // Qt updates the editor under blocked signals when the value changes, so
  // a typed key shows only as an edit, a new value only as a value, and the
  // correction of an unfinished text at the end of editing as neither.
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { TextMayHaveChanged(); });
  connect(this, &QSpinBox::textChanged, this, [this] { TextMayHaveChanged(); });
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] { TextMayHaveChanged(); });
}

QString TLMDExtSpinEdit::Text() const { return lineEdit()->text(); }

std::optional<int32_t> TLMDExtSpinEdit::IntValue() const {
  const QString text = Text();
  if (text.isEmpty()) return 0;
  // A lone sign begins a number being typed.
  if (text == QLatin1String("-") || text == QLatin1String("+")) return std::nullopt;
  bool ok = false;
  const int32_t value = text.toInt(&ok, 10);
  if (!ok) throw EConvertError::InvalidInteger(text);
  return value;
}

void TLMDExtSpinEdit::TextMayHaveChanged() {
  const QString text = Text();
  if (text == reported_) return;
  reported_ = text;
  if (OnChange) OnChange();
}
