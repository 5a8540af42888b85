#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "render/PanelChoices.h"
#include "tools/render/RenderSettings.h"

// bmp, jpg, png; and the nine places of --place. The other list options
// take the control panel's lists (render/PanelChoices.h).
extern const TChoiceList FormatChoices;
extern const TChoiceList PlaceChoices;

enum TOptionKind : uint8_t {
  okFlag,       // no value
  okText,       // any text, taken as it is
  okCaption,    // text in which "\n" is a line break and "\\" a backslash
  okInteger,    // a whole number within Min..Max
  okColor,      // a colour in its text form
  okColorList,  // colours separated by commas
  okChoice,     // one entry of Choices
  okPoint,      // "X,Y"
  okFontSize    // points within Min..Max, or a percentage with "%" within kMinFontPercent..kMaxFontPercent
};

// The range of a font size given as a percentage, in thousandths of a
// percent: 0.1% to 50%, with up to three decimals.
constexpr int32_t kMinFontPercent = 100;
constexpr int32_t kMaxFontPercent = 50000;

// A value as read for an option, by kind.
struct TOptionValue {
  QString Text;
  int32_t Number = 0;  // okFontSize: points, or thousandths of a percent when Percent
  bool Percent = false;
  uint8_t Choice = 0;  // the chosen entry's Value
  std::vector<TColor> Colors;
  TPoint Point;
};

struct TRenderOption {
  const char* Name;      // with its dashes: "--size"
  const char* Argument;  // name of the value in the help; nullptr for flags
  TOptionKind Kind;
  int32_t Min;  // okInteger and okPoint
  int32_t Max;
  const TChoiceList* Choices;  // okChoice
  const char* Default;         // the default as a value of the option; nullptr when there is none
  const char* Help;
  void (*Store)(TRenderSettings& settings, const TOptionValue& value);
};

// Every option, in the order the help lists them.
const std::vector<TRenderOption>& RenderOptions();

// The option of that name ("--size"), or nullptr.
const TRenderOption* FindRenderOption(const QString& name);

// "None", or "none (Нет)": a list entry as help and messages show it, the
// panel's text beside the token where the two differ.
QString ChoiceText(const TChoice& choice);
