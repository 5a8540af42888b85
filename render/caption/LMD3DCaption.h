#pragma once
#include <cstdint>

#include "toolkit/Colors.h"
#include "toolkit/LMDObject.h"

enum TLMDThreeDStyle : uint8_t {
  tdNone,
  tdSunken,
  tdRaised,
  tdSunkenShadow,
  tdRaisedShadow,
  tdPColorSunken,
  tdPColorRaised,
  tdShadow,
  tdOutline,
  tdExtrude,
  tdExtrudeEnh
};

// Direction in which an extrusion recedes.
enum TLMDThreeDOrientation : uint8_t { toBottomLeft, toBottomRight, toTopLeft, toTopRight };

// Look of the text on a disabled control.
enum TLMDDisabledStyle : uint8_t { dsAuto, dsStandard, ds3d, dsNone };

// How a text is drawn with a three-dimensional effect: the style, the light
// and shadow copies' depths and colours, the extrusion direction and extra
// character spacing. Holds data and notifies its owner; draws nothing.
class TLMD3DCaption : public TLMDObject {
 public:
  QString ClassName() const override { return QStringLiteral("TLMD3DCaption"); }

  TLMDDisabledStyle DisabledStyle() const { return disabledStyle_; }
  void SetDisabledStyle(TLMDDisabledStyle value);
  uint8_t LightDepth() const { return depth_[0]; }
  void SetLightDepth(uint8_t value) { SetDepth(0, value); }
  uint8_t ShadowDepth() const { return depth_[1]; }
  void SetShadowDepth(uint8_t value) { SetDepth(1, value); }
  TColor LightColor() const { return color_[0]; }
  void SetLightColor(TColor value) { SetColor(0, value); }
  TColor ShadowColor() const { return color_[1]; }
  void SetShadowColor(TColor value) { SetColor(1, value); }
  TLMDThreeDStyle Style() const { return style_; }
  void SetStyle(TLMDThreeDStyle value);
  TLMDThreeDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TLMDThreeDOrientation value);
  // Extra pixels after every character; 0 leaves the spacing alone.
  int32_t Tracing() const { return tracing_; }
  void SetTracing(int32_t value);

  // Pixels the effect adds to the width and to the height of the text.
  int32_t EffectDepth() const;
  // What rotated text's start point is pulled back by (never negative).
  int32_t RotationAdjustment() const;

  // From any caption (a descendant included): the eight settings above, then
  // one notification. Other sources are refused.
  void CopyFrom(const TLMDObject* source) override;

 protected:
  // Takes Source's settings without notifying; descendants add their own.
  virtual void CopySettings(const TLMD3DCaption& source);

 private:
  void SetDepth(int index, uint8_t value);
  void SetColor(int index, TColor value);

  TLMDDisabledStyle disabledStyle_ = dsAuto;
  uint8_t depth_[2] = {1, 1};
  TColor color_[2] = {clBtnHighlight, clBtnShadow};
  TLMDThreeDStyle style_ = tdNone;
  TLMDThreeDOrientation orientation_ = toTopLeft;
  int32_t tracing_ = 0;
};
