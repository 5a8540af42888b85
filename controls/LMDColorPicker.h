#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "controls/ColorDialog.h"
#include "controls/LMDColorItem.h"
#include "toolkit/Colors.h"

class QWidget;

enum TLMDColorCBOption : uint8_t { coDefaultColors, coSystemColors, coCustomColors, coAllowAnyColor, coAllowDialog };
using TLMDColorCBOptions = uint8_t;  // bit n for the option of ordinal n
constexpr TLMDColorCBOptions ColorCBOptionBit(TLMDColorCBOption option) {
  return static_cast<TLMDColorCBOptions>(1u << option);
}

// What both colour pickers share: items that are colour texts ("clRed",
// "$00123456"), built from the options and the custom colours, selected by
// colour, read back as a colour, and the colour dialog behind them. The
// widget underneath keeps the items; this class runs the rules on them.
//
// CustomColors holds "Name=Value" lines, "ColorA" to "ColorP", each value
// at least 6 upper-case hexadecimal digits of 0x00BBGGRR or "FFFFFFFF" for
// an unused slot; each control has its own, empty at first.
class TLMDColorPicker {
 public:
  using TNotifyEvent = std::function<void(QWidget* sender)>;

  explicit TLMDColorPicker(TLMDColorCBOptions options = ColorCBOptionBit(coDefaultColors) |
                                                          ColorCBOptionBit(coAllowAnyColor))
      : options_(options) {}
  TLMDColorPicker(const TLMDColorPicker&) = delete;
  TLMDColorPicker& operator=(const TLMDColorPicker&) = delete;
  virtual ~TLMDColorPicker() = default;

  // Setting the options or the custom colours refills the items.
  TLMDColorCBOptions Options() const { return options_; }
  void SetOptions(TLMDColorCBOptions options);
  TLMDColorCBStyle DisplayStyle() const { return displayStyle_; }
  void SetDisplayStyle(TLMDColorCBStyle style);
  const QStringList& CustomColors() const { return customColors_; }
  void SetCustomColors(const QStringList& colors);
  // What the colour dialog is asked for.
  TColorDialogOptions DlgOptions() const { return dlgOptions_; }
  void SetDlgOptions(TColorDialogOptions options) { dlgOptions_ = options; }
  // Sorted items stay in order of their texts without regard to case.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  // The items, first to last, and the selected one (-1: none).
  virtual int32_t Count() const = 0;
  virtual QString Item(int32_t index) const = 0;
  virtual int32_t ItemIndex() const = 0;
  virtual void SetItemIndex(int32_t index) = 0;
  // Adds Text at the end, or at its place when sorted; returns its index.
  int32_t AddItem(const QString& text);
  // The height every item is drawn with.
  virtual int32_t ItemHeight() const = 0;

  // The selected item's text as a colour; -1 when nothing is selected or
  // the text is no colour.
  TColor SelectedColor() const;
  // Selects the item showing Color, adding it when there is none (unless
  // it is clNone or coAllowAnyColor is off). Nothing happens when the
  // selected text already shows it.
  void SelectColor(TColor color);
  // Rebuilds the items from the options and the custom colours, keeping
  // the selected colour.
  void Refill();
  // Runs the colour dialog on the selected colour and the custom colours;
  // on OK keeps the dialog's custom colours and selects its colour. True
  // when the user confirmed.
  bool ExecuteDialog();

  // After a choice of the user's (and, in the combo box, after every
  // select-colour).
  TNotifyEvent OnChange;

 protected:
  // The widget the items live in.
  virtual QWidget* Widget() = 0;
  virtual void InsertItem(int32_t index, const QString& text) = 0;
  virtual void ClearItems() = 0;
  // Whether a select-colour raises OnChange.
  virtual bool ChangesOnSelect() const = 0;
  // The display style has changed.
  virtual void DisplayChanged() = 0;
  // Raises OnChange.
  void Change();

 private:
  QString SelectedText() const;
  // The first item of exactly Text, or -1.
  int32_t IndexOf(const QString& text) const;
  void Sort();

  TLMDColorCBOptions options_;
  TLMDColorCBStyle displayStyle_ = csColorText;
  QStringList customColors_;
  TColorDialogOptions dlgOptions_ = 0;
  bool sorted_ = false;
};
