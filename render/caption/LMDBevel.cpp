#include "render/caption/LMDBevel.h"

TLMDBevel::TLMDBevel() { UpdateExtent(); }

void TLMDBevel::SetStyleInner(TLMDBevelStyle value) {
  if (value == styleInner_) return;
  if (styleInner_ == bvShadow) styleOuter_ = bvNone;
  styleInner_ = value;
  if (value == bvShadow) styleOuter_ = bvShadow;
  NotifyChange();
}

void TLMDBevel::SetStyleOuter(TLMDBevelStyle value) {
  if (value == styleOuter_) return;
  if (styleOuter_ == bvShadow) styleInner_ = bvNone;
  styleOuter_ = value;
  if (value == bvShadow) styleInner_ = bvShadow;
  NotifyChange();
}

void TLMDBevel::SetWidthInner(TLMDBevelWidth value) {
  if (Store(widthInner_, value)) NotifyChange();
}

void TLMDBevel::SetWidthOuter(TLMDBevelWidth value) {
  if (Store(widthOuter_, value)) NotifyChange();
}

void TLMDBevel::SetBorderColor(TColor value) {
  if (Store(borderColor_, value)) NotifyChange();
}

void TLMDBevel::SetBorderSides(TLMDFrameSides value) {
  if (Store(borderSides_, static_cast<TLMDFrameSides>(value & AllFrameSides))) NotifyChange();
}

void TLMDBevel::SetBorderWidth(TLMDBorderWidth value) {
  if (Store(borderWidth_, value)) NotifyChange();
}

void TLMDBevel::SetBorderInnerWidth(TLMDBorderWidth value) {
  if (Store(borderInnerWidth_, value)) NotifyChange();
}

void TLMDBevel::SetEdgeStyle(TLMDEdgeStyle value) {
  if (Store(edgeStyle_, value)) NotifyChange();
}

void TLMDBevel::SetLightColor(TColor value) {
  if (Store(lightColor_, value)) NotifyChange();
}

void TLMDBevel::SetMode(TLMDBevelMode value) {
  if (Store(mode_, value)) NotifyChange();
}

void TLMDBevel::SetShadowColor(TColor value) {
  if (Store(shadowColor_, value)) NotifyChange();
}

void TLMDBevel::SetStandardStyle(TLMDBorderStyle value) {
  if (Store(standardStyle_, value) && mode_ == bmStandard) NotifyChange();
}

int32_t BorderStyleWidth(TLMDBorderStyle style) {
  switch (style) {
    case lsNone:
      return 0;
    case lsSingle:
    case lsSingleRaised:
    case lsSingleLowered:
      return 1;
    default:
      return 2;
  }
}

int32_t BevelStyleWidth(TLMDBevelStyle style, TLMDBevelWidth width) {
  if (style == bvNone) return 0;
  return width + (style == bvFrameLowered || style == bvFrameRaised ? 1 : 0);
}

void TLMDBevel::UpdateExtent() {
  switch (mode_) {
    case bmCustom:
      if (styleInner_ == bvShadow)
        extent_ = widthInner_ + borderInnerWidth_;
      else
        extent_ = borderWidth_ + borderInnerWidth_ + BevelStyleWidth(styleOuter_, widthOuter_) +
                  BevelStyleWidth(styleInner_, widthInner_);
      break;
    case bmStandard:
      extent_ = BorderStyleWidth(standardStyle_) + borderInnerWidth_;
      break;
    case bmEdge:
      extent_ = (borderSides_ != 0 ? 2 : 0) + borderInnerWidth_;
      break;
    case bmWindows:
      extent_ = 2 + borderInnerWidth_;
      break;
  }
  outerExtent_ = mode_ == bmCustom && styleOuter_ == bvShadow ? widthInner_ + widthOuter_ + borderInnerWidth_ : extent_;
}

void TLMDBevel::NotifyChange() {
  UpdateExtent();
  TLMDObject::NotifyChange();
}

void TLMDBevel::CopyFrom(const TLMDObject* source) {
  if (source == this) return;
  const auto* bevel = dynamic_cast<const TLMDBevel*>(source);
  if (bevel == nullptr) RefuseSource(source);
  styleInner_ = bevel->styleInner_;
  styleOuter_ = bevel->styleOuter_;
  widthInner_ = bevel->widthInner_;
  widthOuter_ = bevel->widthOuter_;
  borderColor_ = bevel->borderColor_;
  borderSides_ = bevel->borderSides_;
  borderWidth_ = bevel->borderWidth_;
  borderInnerWidth_ = bevel->borderInnerWidth_;
  edgeStyle_ = bevel->edgeStyle_;
  lightColor_ = bevel->lightColor_;
  mode_ = bevel->mode_;
  shadowColor_ = bevel->shadowColor_;
  standardStyle_ = bevel->standardStyle_;
  NotifyChange();
}
