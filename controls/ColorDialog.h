#pragma once
#include <array>
#include <cstdint>

#include "toolkit/Colors.h"

class QWidget;

enum TColorDialogOption : uint8_t { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = uint8_t;  // bit n for the option of ordinal n
constexpr TColorDialogOptions ColorDialogOptionBit(TColorDialogOption option) {
  return static_cast<TColorDialogOptions>(1u << option);
}

// The platform's colour dialog as a component: it opens on Color with its
// own sixteen custom colours (-1: an unused slot) and, after OK, holds the
// user's colour and custom colours for next time. Qt's dialog always shows
// its custom colours (cdFullOpen) and knows none of the other options.
class TColorDialog {
 public:
  TColorDialog() { customColors_.fill(-1); }

  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  const std::array<TColor, 16>& CustomColors() const { return customColors_; }
  void SetCustomColors(const std::array<TColor, 16>& colors) { customColors_ = colors; }
  TColorDialogOptions Options() const { return options_; }
  void SetOptions(TColorDialogOptions options) { options_ = options; }

  // Runs the dialog through the dialogs, starting on the RGB value Color
  // paints as. True when the user confirmed; Cancel changes nothing.
  bool Execute(QWidget* parent);

 private:
  TColor color_ = clBlack;
  std::array<TColor, 16> customColors_;
  TColorDialogOptions options_ = 0;
};
