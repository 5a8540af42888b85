#pragma once
#include <QString>
#include <cstdint>

#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"

class TCanvas;

// How a colour picker shows its items: a swatch only, the name only, a
// swatch and the name, or a raised swatch and the name.
enum TLMDColorCBStyle : uint8_t { csColor, csText, csColorText, csColor3DText };

// What an item is drawn with besides its text: the style and the item's
// state. The pickers keep the colours of the platform's lists: a clWindow
// background and clWindowText text.
struct TLMDColorItemLook {
  TLMDColorCBStyle Style = csColorText;
  bool Selected = false;
  bool Disabled = false;
};

// Draws the item of Text (a colour text such as "clRed" or "$00123456";
// empty when no item is drawn, as in an edit field with nothing selected)
// into Rect: the background, then the swatch and the name ("Red") in the
// canvas's font, outlines in the canvas's pen. Text that names no colour
// draws the background only.
void DrawColorItem(TCanvas& canvas, const TRect& rect, const QString& text, const TLMDColorItemLook& look);

// The height of an item in the canvas's font: 15 pixels for a swatch only,
// else the font's text height + 2.
int32_t ColorItemHeight(const TCanvas& canvas, TLMDColorCBStyle style);
