#pragma once
#include <QString>
#include <cstdint>

// One item of a list the control panel offers: the text the panel shows,
// the English token the command-line tool takes for it, and the value it
// gives the label (an enumeration value of the label's property).
struct TChoice {
  const char* Text;  // UTF-8
  const char* Token;
  uint8_t Value;
};

// A list's items, in the panel's order.
struct TChoiceList {
  const TChoice* Items;
  uint8_t Count;

  const TChoice* begin() const { return Items; }
  const TChoice* end() const { return Items + Count; }
  // The item whose text equals Text exactly, letter case included; null
  // when none does.
  const TChoice* FindText(const QString& text) const;
};

extern const TChoiceList StyleChoices;          // the eleven 3D styles (FontFX.Style)
extern const TChoiceList DirectionChoices;      // the shadow direction (FontFX.Orientation)
extern const TChoiceList FillChoices;           // the letters' effect (FillObject.Style)
extern const TChoiceList BrushStyleChoices;     // the brush hatches (FillObject.Brush.Style)
extern const TChoiceList TileChoices;           // the picture's placement (FillObject.TileMode)
extern const TChoiceList GradientStyleChoices;  // the ten geometries (Gradient.Style)
