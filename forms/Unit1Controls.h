#pragma once
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "toolkit/window/HostWidget.h"

class QButtonGroup;
class QCheckBox;
class TGraphicControl;

// The control panel's ordinary input controls on Qt widgets. Qt raises most
// signals on the program's changes as well; each control here says when
// its own events run, and the panel connects to those.

// A whole-number spin edit with bold text. OnChange runs at every change
// of the text: a typed key, an arrow or page key, an arrow clicked, a
// value set by the program, a correction when the field is left. The
// text, not the value, is what the panel reads.
class TLMDExtSpinEdit : public QSpinBox {
 public:
  TLMDExtSpinEdit(QWidget* parent, int32_t minimum, int32_t maximum, int32_t value);

  QString Text() const;
  // The text as a whole number. An empty text reads as 0 and a lone "-"
  // (a negative number being typed) as none; any other text that is no
  // whole number fails with "'%s' is not a valid integer value".
  std::optional<int32_t> IntValue() const;

  std::function<void()> OnChange;

 private:
  // Qt reports the edits of the text, the changes of the value and the
  // corrections apart, some more than once: each new text runs OnChange once.
  void TextMayHaveChanged();

  QString reported_;
};

// The installed font families (Qt's font database, fontconfig underneath),
// each entry drawn in its own face, the chosen one too. OnSelect runs when
// the user chooses an entry, with the mouse or the keyboard.
class TLMDFontComboBox : public QComboBox {
 public:
  explicit TLMDFontComboBox(QWidget* parent);

  // Selects the entry equal to Name without regard to letter case; none
  // when no entry is.
  void SelectFontName(const QString& name);

  std::function<void()> OnSelect;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

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
// height. No item is selected at first. OnClick runs when the user clicks
// an item; OnChange when the selection changes, by the user or by the
// program.
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
};

// Pages with tabs. OnChange runs when the user turns to another page, with
// the mouse or the keyboard; the program turns pages silently with
// SetActivePage.
class TPageControl : public QTabWidget {
 public:
  explicit TPageControl(QWidget* parent);

  void SetActivePage(QWidget* page);

  std::function<void()> OnChange;

 private:
  bool turning_ = false;
};

// A small flat button that shows a glyph of its own drawing, with the hand
// pointer. It takes no keyboard focus.
class TRzBmpButton : public QAbstractButton {
 public:
  enum TGlyph : uint8_t {
    bgEllipsis,  // "…": opens a dialog
    bgPicture    // a framed landscape: chooses a picture
  };

  TRzBmpButton(QWidget* parent, TGlyph glyph);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TGlyph glyph_;
};

// A host whose one windowless control always covers its whole client area,
// however the host is sized: the panel's hatched backgrounds.
class TFilledHost : public THostWidget {
 public:
  TFilledHost(QWidget* parent, TGraphicControl& control);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TGraphicControl& control_;
};
