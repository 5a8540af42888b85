#include "toolkit/Colors.h"

#include <array>

namespace {

// The fixed system colour scheme, 0xRRGGBB by index; indexes without an
// entry paint black.
constexpr std::array<uint32_t, 29> kSystemColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x000000, 0xB9D1EA, 0xD7E4F2,
};

constexpr std::array<TColorName, ColorNameCount> kColorNames = {{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
}};

TColor SchemeColor(uint32_t index) {
  if (index >= kSystemColors.size()) return clBlack;
  const uint32_t rgb = kSystemColors[index];
  return RGB(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb));
}

}  // namespace

TColor ColorToRGB(TColor color) {
  if (color < 0) return SchemeColor(static_cast<uint32_t>(color) & 0xFF);
  // Palette-relative and the special values keep their low 24 bits: on a
  // true-colour display a palette-relative colour paints as its RGB.
  return color & 0xFFFFFF;
}

const TColorName& ColorName(int index) { return kColorNames.at(static_cast<size_t>(index)); }

QString ColorToString(TColor color) {
  for (const TColorName& entry : kColorNames)
    if (entry.Value == color) return QString::fromLatin1(entry.Name);
  return QStringLiteral("$%1").arg(static_cast<uint32_t>(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> StringToColor(const QString& text) {
  for (const TColorName& entry : kColorNames)
    if (text.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0) return entry.Value;
  bool ok = false;
  if (text.startsWith(QLatin1Char('$'))) {
    const QString digits = text.mid(1);
    if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
    const uint32_t value = digits.toUInt(&ok, 16);
    if (ok) return static_cast<TColor>(value);
    return std::nullopt;
  }
  const int value = text.toInt(&ok, 10);
  if (ok) return value;
  return std::nullopt;
}
