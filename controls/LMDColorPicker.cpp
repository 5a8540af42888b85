#include "controls/LMDColorPicker.h"

#include <algorithm>
#include <array>
#include <vector>

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
  int32_t index = IndexOf(text);
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
  TColorDialog dialog;
  dialog.SetColor(SelectedColor());
  std::array<TColor, kCustomColorCount> custom;
  for (int32_t slot = 0; slot < kCustomColorCount; ++slot) {
    const QString value = CustomColorValue(customColors_, slot);
    custom[slot] = value.isEmpty() ? -1 : StringToColor(QLatin1Char('$') + value).value_or(-1);
  }
  dialog.SetCustomColors(custom);
  dialog.SetOptions(dlgOptions_);
  if (!dialog.Execute(Widget())) return false;
  QStringList colors;
  for (int32_t slot = 0; slot < kCustomColorCount; ++slot) {
    const auto value = static_cast<uint32_t>(dialog.CustomColors()[slot]);
    const QString digits = QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper();
    colors << CustomColorName(slot) + QLatin1Char('=') + digits;
  }
  SetCustomColors(colors);
  SelectColor(dialog.Color());
  return true;
}

void TLMDColorPicker::Change() {
  if (OnChange) OnChange(Widget());
}

int32_t TLMDColorPicker::IndexOf(const QString& text) const {
  for (int32_t index = 0; index < Count(); ++index)
    if (Item(index) == text) return index;
  return -1;
}

QString TLMDColorPicker::SelectedText() const {
  const int32_t index = ItemIndex();
  return index < 0 ? QString() : Item(index);
}

void TLMDColorPicker::Sort() {
  struct TEntry {
    QString Text;
    bool Selected;
  };
  std::vector<TEntry> entries;
  for (int32_t index = 0; index < Count(); ++index) entries.push_back({Item(index), index == ItemIndex()});
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TEntry& a, const TEntry& b) { return SortsAfter(b.Text, a.Text); });
  ClearItems();
  int32_t reselect = -1;
  for (int32_t index = 0; index < static_cast<int32_t>(entries.size()); ++index) {
    InsertItem(index, entries[index].Text);
    if (entries[index].Selected) reselect = index;
  }
  SetItemIndex(reselect);
}
