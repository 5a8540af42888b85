#pragma once
#include <cstdint>
#include <vector>

#include "render/caption/LMD3DCaption.h"
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"

// How the caller's control asks for text to be drawn (bit n for ordinal n).
enum TFxDrawFlag : uint8_t { fxdDisabled, fxdEnabled, fxdSunkenWhenDisabled, fxdClip };
using FxDrawFlags = uint16_t;
constexpr FxDrawFlags FxDrawFlagBit(TFxDrawFlag flag) { return static_cast<FxDrawFlags>(1u << flag); }

// The style an effect is drawn in and the colour of the letter faces.
struct TFxLook {
  TLMDThreeDStyle Style = tdNone;
  TColor Face = clBlack;
};

// Enabled (or dsNone) text keeps its style, with the faces in the font
// colour, or in the brush colour for the two colour styles; disabled text
// gets grey faces and, by DisabledStyle, the sunken look.
TFxLook ChooseFxLook(const TLMD3DCaption& caption, FxDrawFlags flags, TColor brushColor, TColor fontColor);

// One output of the text: the drawing rectangle moves by (DX, DY) from
// where the previous pass left it, then the text is drawn in Color.
struct TFxPass {
  int32_t DX = 0;
  int32_t DY = 0;
  TColor Color = clBlack;
  friend bool operator==(const TFxPass& a, const TFxPass& b) {
    return a.DX == b.DX && a.DY == b.DY && a.Color == b.Color;
  }
};

// Everything an effect does to the text, in order.
struct TFxPlan {
  // Taken off the rectangle's right edge before the passes.
  int32_t RightReduction = 0;
  // Where an extrusion starts, relative to the rectangle.
  TPoint Start;
  std::vector<TFxPass> Passes;
  // The outline: the single pass becomes a path stroked with this pen width.
  bool Outline = false;
  int32_t PenWidth = 0;
};

TFxPlan PlanFxPasses(const TLMD3DCaption& caption, const TFxLook& look);
