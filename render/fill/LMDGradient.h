#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/Colors.h"
#include "toolkit/LMDObject.h"
#include "toolkit/Palette.h"

// Band geometry of a gradient.
enum TLMDGradientStyle : uint8_t {
  gstHorizontal,
  gstVertical,
  gstSquare,
  gstElliptic,
  gstTopLeft,
  gstTopRight,
  gstBottomLeft,
  gstBottomRight,
  gstTopLeftDiagonal,
  gstTopRightDiagonal
};
constexpr int GradientStyleCount = 10;

// Declared range 2..236; the setter keeps any value modulo 256 unchecked.
using TLMDColorCount = uint8_t;

// A multi-colour gradient: the colours picked (ColorList, or Color and
// EndColor in two-colour mode), how many ramp entries to make of them and the
// band geometry. RampColors, one plain RGB colour per band, and the optional
// logical palette are rebuilt from the settings at every change.
class TLMDGradient : public TLMDObject {
 public:
  TLMDGradient();
  ~TLMDGradient() override;

  QString ClassName() const override { return QStringLiteral("TLMDGradient"); }

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TLMDColorCount ColorCount() const { return colorCount_; }
  // Keeps the low 8 bits of Value, so 255 + 1 gives 0.
  void SetColorCount(int32_t value);
  TLMDGradientStyle Style() const { return style_; }
  void SetStyle(TLMDGradientStyle value);
  TColor EndColor() const { return endColor_; }
  void SetEndColor(TColor value);
  bool PaletteRealize() const { return paletteRealize_; }
  void SetPaletteRealize(bool value);
  bool TwoColors() const { return twoColors_; }
  void SetTwoColors(bool value);

  // The colours of multi-colour mode, edited by the owner directly. Edits
  // neither notify nor rebuild: they show at the next property change.
  std::vector<TColor>& ColorList() { return colorList_; }
  const std::vector<TColor>& ColorList() const { return colorList_; }

  // The bands, as BuildRamp last computed them.
  const std::vector<TColor>& RampColors() const { return rampColors_; }
  // The palette of the last rebuild; none when PaletteRealize was off.
  HPALETTE PaletteHandle() const { return palette_; }

  // Rebuilds the ramp, then notifies (held back inside HoldChanges).
  void NotifyChange() override;
  void BuildRamp();
  // Forgets the palette and empties RampColors.
  void FreePalette();

  // Copies every setting and the colour list of another gradient, notifying once.
  void CopyFrom(const TLMDObject* source) override;

  // Stored form of ColorList under the property name "ColorList": its
  // integers in order, or nothing when the list is empty (then not written).
  static QString ColorListPropertyName() { return QStringLiteral("ColorList"); }
  std::optional<std::vector<int32_t>> StoredColorList() const;
  // Appends the integers read behind the entries already present, then
  // rebuilds and notifies once.
  void ReadColorList(const std::vector<int32_t>& values);

 private:
  TColor color_ = clBlue;
  TLMDColorCount colorCount_ = 16;
  TLMDGradientStyle style_ = gstVertical;
  TColor endColor_ = clBlack;
  bool paletteRealize_ = false;
  bool twoColors_ = true;
  std::vector<TColor> colorList_;
  std::vector<TColor> rampColors_;
  HPALETTE palette_;
};

// Adds the segment from Start to Stop in Count steps to List: with First the
// list is emptied and the segment starts with Start, otherwise it leaves out
// Start (the previous segment's last entry). Nothing when List is missing or
// Count is 0.
void AppendRamp(TColor start, TColor stop, int32_t count, bool first, std::vector<TColor>* list);

// A logical palette of the colours in order; none for a missing or empty list.
HPALETTE CreateRampPalette(const std::vector<TColor>* list);
