#pragma once
#include <QSpinBox>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// A whole-number spin edit with bold text. OnChange runs at every change
// of the text: a typed key, an arrow or page key, an arrow clicked, a
// value set by the program, a correction when the field is left. The
// text, not the value, is what its owner reads.
class TLMDExtSpinEdit : public QSpinBox {
 public:
  TLMDExtSpinEdit(QWidget* parent, int32_t minimum, int32_t maximum, int32_t value);

  QString Text() const;
  // The text as a whole number. An empty text reads as 0 and a lone sign
  // ("-" or "+": a number being typed) as none; any other text that is no
  // whole number fails with "'%s' is not a valid integer value".
  std::optional<int32_t> IntValue() const;

  std::function<void()> OnChange;

 private:
  // Qt reports the edits of the text, the changes of the value and the
  // corrections apart, some more than once: each new text runs OnChange once.
  void TextMayHaveChanged();

  QString reported_;
};
