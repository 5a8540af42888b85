#pragma once
#include <cstdint>

#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/LMDObject.h"

class TCanvas;

enum TLMDBevelStyle : uint8_t { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum TLMDBevelMode : uint8_t { bmCustom, bmStandard, bmEdge, bmWindows };
enum TLMDEdgeStyle : uint8_t {
  etRaisedInner,
  etRaisedOuter,
  etSunkenInner,
  etSunkenOuter,
  etBump,
  etEtched,
  etRaised,
  etSunken
};
enum TLMDFrameSide : uint8_t { fsBottom, fsLeft, fsRight, fsTop };
using TLMDFrameSides = uint8_t;  // bit n for the side of ordinal n
constexpr TLMDFrameSides FrameSideBit(TLMDFrameSide side) { return static_cast<TLMDFrameSides>(1u << side); }
constexpr TLMDFrameSides AllFrameSides = 0x0F;
enum TLMDBorderStyle : uint8_t {
  lsNone,
  lsSingle,
  lsLowered,
  lsRaised,
  lsRaisedspb,
  lsLoweredspb,
  lsRaisedExt,
  lsLoweredExt,
  lsFrameInset,
  lsFrameOffset,
  lsWindowBorder,
  lsSingleRaised,
  lsSingleLowered,
  lsDoubleRaised,
  lsDoubleLowered
};

using TLMDBevelWidth = uint8_t;   // published as 0..50
using TLMDBorderWidth = uint8_t;  // 0..255

// The frame around a control's client area and the pixels it takes on
// every side (Extent). Extent is recomputed before every notification, so
// an owner's change handler always reads the current value.
class TLMDBevel : public TLMDObject {
 public:
  TLMDBevel();
  QString ClassName() const override { return QStringLiteral("TLMDBevel"); }

  // The inner and outer styles are bvShadow together or not at all.
  TLMDBevelStyle StyleInner() const { return styleInner_; }
  void SetStyleInner(TLMDBevelStyle value);
  TLMDBevelStyle StyleOuter() const { return styleOuter_; }
  void SetStyleOuter(TLMDBevelStyle value);
  TLMDBevelWidth WidthInner() const { return widthInner_; }
  void SetWidthInner(TLMDBevelWidth value);
  TLMDBevelWidth WidthOuter() const { return widthOuter_; }
  void SetWidthOuter(TLMDBevelWidth value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TLMDFrameSides BorderSides() const { return borderSides_; }
  void SetBorderSides(TLMDFrameSides value);
  TLMDBorderWidth BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(TLMDBorderWidth value);
  TLMDBorderWidth BorderInnerWidth() const { return borderInnerWidth_; }
  void SetBorderInnerWidth(TLMDBorderWidth value);
  TLMDEdgeStyle EdgeStyle() const { return edgeStyle_; }
  void SetEdgeStyle(TLMDEdgeStyle value);
  TColor LightColor() const { return lightColor_; }
  void SetLightColor(TColor value);
  TLMDBevelMode Mode() const { return mode_; }
  void SetMode(TLMDBevelMode value);
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor value);
  // Only matters in bmStandard, so only there a change is reported.
  TLMDBorderStyle StandardStyle() const { return standardStyle_; }
  void SetStandardStyle(TLMDBorderStyle value);

  // Pixels the frame takes on every side.
  int32_t Extent() const { return extent_; }
  // As Extent, but a shadow bevel counts its shadow as well.
  int32_t OuterExtent() const { return outerExtent_; }

  void NotifyChange() override;
  // From another bevel: all thirteen properties, then one notification.
  void CopyFrom(const TLMDObject* source) override;

  // Draws the frame inside Rect and returns Rect shrunk by Extent. With
  // SkipBorder the plain border rings are left undrawn (the control's own
  // colour already shows there) but still take their room.
  TRect DrawBevel(TCanvas& canvas, const TRect& rect, bool skipBorder) const;

 private:
  void UpdateExtent();

  TLMDBevelStyle styleInner_ = bvNone;
  TLMDBevelStyle styleOuter_ = bvNone;
  TLMDBevelWidth widthInner_ = 1;
  TLMDBevelWidth widthOuter_ = 1;
  TColor borderColor_ = clBtnFace;
  TLMDFrameSides borderSides_ = AllFrameSides;
  TLMDBorderWidth borderWidth_ = 0;
  TLMDBorderWidth borderInnerWidth_ = 0;
  TLMDEdgeStyle edgeStyle_ = etEtched;
  TColor lightColor_ = clBtnHighlight;
  TLMDBevelMode mode_ = bmCustom;
  TColor shadowColor_ = clBtnShadow;
  TLMDBorderStyle standardStyle_ = lsSingleLowered;
  int32_t extent_ = 0;
  int32_t outerExtent_ = 0;
};

// Width in pixels of a standard border style.
int32_t BorderStyleWidth(TLMDBorderStyle style);
// Width in pixels of a custom bevel style of the given width (a frame adds one).
int32_t BevelStyleWidth(TLMDBevelStyle style, TLMDBevelWidth width);
