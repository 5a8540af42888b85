#include "render/caption/LMDFxPasses.h"

#include "render/caption/LMDFxMath.h"

TFxLook ChooseFxLook(const TLMD3DCaption& caption, FxDrawFlags flags, TColor brushColor, TColor fontColor) {
  const TLMDThreeDStyle style = caption.Style();
  if ((flags & FxDrawFlagBit(fxdEnabled)) || caption.DisabledStyle() == dsNone) {
    const bool colorFace = style == tdPColorSunken || style == tdPColorRaised;
    return {style, colorFace ? brushColor : fontColor};
  }
  const bool sunken = caption.DisabledStyle() == ds3d ||
                      (caption.DisabledStyle() == dsAuto && (flags & FxDrawFlagBit(fxdSunkenWhenDisabled)));
  return {sunken ? tdSunken : style, clGrayText};
}

namespace {

struct TExtrusion {
  TPoint Start;
  TPoint Step;
};

// The face ends one pixel in from the edge on the axes the start moves.
TExtrusion ExtrusionOf(TLMDThreeDOrientation orientation, int32_t depth) {
  switch (orientation) {
    case toBottomLeft:
      return {{0, depth + 1}, {+1, -1}};
    case toBottomRight:
      return {{depth + 1, depth + 1}, {-1, -1}};
    case toTopRight:
      return {{depth + 1, 0}, {-1, +1}};
    case toTopLeft:
      break;
  }
  return {{0, 0}, {+1, +1}};
}

}  // namespace

TFxPlan PlanFxPasses(const TLMD3DCaption& caption, const TFxLook& look) {
  const int32_t ld = caption.LightDepth();
  const int32_t sd = caption.ShadowDepth();
  const int32_t both = ld + sd;
  const TColor l = caption.LightColor();
  const TColor h = caption.ShadowColor();
  const TColor f = look.Face;
  TFxPlan plan;
  switch (look.Style) {
    case tdNone:
      plan.Passes = {{0, 0, f}};
      break;
    case tdSunken:
      plan.RightReduction = ld;
      plan.Passes = {{ld, ld, l}, {-ld, -ld, f}};
      break;
    case tdRaised:
      plan.RightReduction = ld;
      plan.Passes = {{0, 0, l}, {ld, ld, f}};
      break;
    case tdSunkenShadow:
    case tdPColorSunken:
      plan.RightReduction = both;
      plan.Passes = {{0, 0, h}, {both, both, l}, {-ld, -ld, f}};
      break;
    case tdRaisedShadow:
    case tdPColorRaised:
      plan.RightReduction = both;
      plan.Passes = {{both, both, h}, {-both, -both, l}, {ld, ld, f}};
      break;
    case tdShadow:
      plan.RightReduction = sd;
      plan.Passes = {{sd, sd, h}, {-sd, -sd, f}};
      break;
    case tdOutline:
      plan.Outline = true;
      plan.PenWidth = sd;
      plan.Passes = {{sd / 2, sd / 2, f}};
      break;
    case tdExtrude:
    case tdExtrudeEnh: {
      const TExtrusion extrusion = ExtrusionOf(caption.Orientation(), sd);
      plan.Start = extrusion.Start;
      plan.Passes.reserve(static_cast<size_t>(sd) + 1);
      // Copy k = 1 lies farthest from the face; the enhanced extrusion fades
      // it toward the light colour, never reaching it.
      for (int32_t k = 1; k <= sd; ++k)
        plan.Passes.push_back({extrusion.Step.X, extrusion.Step.Y, look.Style == tdExtrudeEnh ? BlendColor(h, l, sd - k, sd) : h});
      plan.Passes.push_back({0, 0, f});
      break;
    }
  }
  return plan;
}
