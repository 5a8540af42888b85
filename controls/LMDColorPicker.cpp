#include "controls/LMDColorPicker.h"

#include <algorithm>
#include <vector>

#include "toolkit/window/Dialogs.h"

namespace {

constexpr int32_t kCustomColorCount = 16;
// The table entries up to this one are the default colours, the later
// ones the system colours.
constexpr int32_t kLastDefaultColor = 15;

QString CustomColorName(int32_t slot) { return QStringLiteral("Color") + QChar(u'A' + slot); }

// The value of the "Name=Value" line named Name (any letter case), or an
// empty text.
QString CustomColorValue(const QStringList& colors, int32_t slot) {
  const QString name = CustomColorName(slot);
  for (const QString& line : colors) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals >= 0 && line.left(equals).compare(name, Qt::CaseInsensitive) == 0) return line.mid(equals + 1);
  }
  return QString();
}

bool SortsAfter(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) > 0; }

}  // namespace

void TLMDColorPicker::SetOptions(TLMDColorCBOptions options) {
  if (options_ == options) return;
  options_ = options;
  Refill();
}

void TLMDColorPicker::SetDisplayStyle(TLMDColorCBStyle style) {
  if (displayStyle_ == style) return;
  displayStyle_ = style;
  DisplayChanged();
}

void TLMDColorPicker::SetCustomColors(const QStringList& colors) {
  if (customColors_ == colors) return;
  customColors_ = colors;
  Refill();
}

void TLMDColorPicker::SetSorted(bool sorted) {
  if (sorted_ == sorted) return;
  sorted_ = sorted;
  if (sorted_) Sort();
}

int32_t TLMDColorPicker::AddItem(const QString& text) {
  int32_t index = Count();
  if (sorted_) {
    index = 0;
    while (index < Count() && !SortsAfter(Item(index), text)) ++index;
  }
  InsertItem(index, text);
  return index;
}

TColor TLMDColorPicker::SelectedColor() const {
  const QString text = SelectedText();
  if (text.isEmpty()) return -1;
  return StringToColor(text).value_or(-1);
}

void TLMDColorPicker::SelectColor(TColor color) {
  const QString text = ColorToString(color);
  if (SelectedText() == text) return;
  int32_t index = Count() - 1;
  while (index >= 0 && Item(index) != text) --index;
  if (index < 0 && (options_ & ColorCBOptionBit(coAllowAnyColor)) && color != clNone) index = AddItem(text);
  SetItemIndex(index);
  if (ChangesOnSelect()) Change();
}

void TLMDColorPicker::Refill() {
  const bool reselect = ItemIndex() >= 0;
  const TColor selected = SelectedColor();
  ClearItems();
  if (options_ & (ColorCBOptionBit(coDefaultColors) | ColorCBOptionBit(coSystemColors))) {
    for (int32_t entry = 0; entry < ColorNameCount; ++entry) {
      const TColorName& name = ColorName(entry);
      if (name.Value == clNone) continue;
      const TLMDColorCBOption wanted = entry <= kLastDefaultColor ? coDefaultColors : coSystemColors;
      if (options_ & ColorCBOptionBit(wanted)) AddItem(QString::fromLatin1(name.Name));
    }
  }
  if ((options_ & ColorCBOptionBit(coCustomColors)) && !customColors_.isEmpty()) {
    for (int32_t slot = 0; slot < kCustomColorCount; ++slot) {
      const QString value = CustomColorValue(customColors_, slot);
      if (!value.isEmpty() && value != QLatin1String("FFFFFFFF"))
        AddItem(QLatin1Char('$') + value.rightJustified(8, QLatin1Char('0')));
    }
  }
  if (reselect) SelectColor(selected);
}

bool TLMDColorPicker::ExecuteDialog() {
  TColorDialogRequest request;
  request.Color = ColorToRGB(SelectedColor());
  for (int32_t slot = 0; slot < kCustomColorCount; ++slot) {
    const QString value = CustomColorValue(customColors_, slot);
    request.CustomColors[slot] = value.isEmpty() ? -1 : StringToColor(QLatin1Char('$') + value).value_or(-1);
  }
  request.FullOpen = (dlgOptions_ & ColorDialogOptionBit(cdFullOpen)) != 0;
  if (!Dialogs().ExecuteColorDialog(Widget(), request)) return false;
  QStringList colors;
  for (int32_t slot = 0; slot < kCustomColorCount; ++slot) {
    const auto value = static_cast<uint32_t>(request.CustomColors[slot]);
    colors << CustomColorName(slot) + QLatin1Char('=') + QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper();
  }
  SetCustomColors(colors);
  SelectColor(request.Color);
  return true;
}

void TLMDColorPicker::Change() {
  if (OnChange) OnChange(Widget());
}

QString TLMDColorPicker::SelectedText() const {
  const int32_t index = ItemIndex();
  return index < 0 ? QString() : Item(index);
}

void TLMDColorPicker::Sort() {
  std::vector<int32_t> order(static_cast<size_t>(Count()));
  for (size_t index = 0; index < order.size(); ++index) order[index] = static_cast<int32_t>(index);
  QStringList texts;
  for (int32_t index = 0; index < Count(); ++index) texts << Item(index);
  std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return SortsAfter(texts[b], texts[a]); });
  const int32_t selected = ItemIndex();
  ClearItems();
  int32_t reselect = -1;
  for (size_t index = 0; index < order.size(); ++index) {
    InsertItem(static_cast<int32_t>(index), texts[order[index]]);
    if (order[index] == selected) reselect = static_cast<int32_t>(index);
  }
  SetItemIndex(reselect);
}
