#include "render/caption/LMD3DCaption.h"

#include <algorithm>

void TLMD3DCaption::SetDisabledStyle(TLMDDisabledStyle value) {
  if (Store(disabledStyle_, value)) NotifyChange();
}

void TLMD3DCaption::SetDepth(int index, uint8_t value) {
  if (Store(depth_[index], value)) NotifyChange();
}

void TLMD3DCaption::SetColor(int index, TColor value) {
  if (Store(color_[index], value)) NotifyChange();
}

void TLMD3DCaption::SetStyle(TLMDThreeDStyle value) {
  if (Store(style_, value)) NotifyChange();
}

void TLMD3DCaption::SetOrientation(TLMDThreeDOrientation value) {
  if (Store(orientation_, value)) NotifyChange();
}

void TLMD3DCaption::SetTracing(int32_t value) {
  if (Store(tracing_, value)) NotifyChange();
}

int32_t TLMD3DCaption::EffectDepth() const {
  switch (style_) {
    case tdSunken:
    case tdRaised:
      return LightDepth();
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised:
      return LightDepth() + ShadowDepth();
    case tdShadow:
    case tdOutline:
    case tdExtrude:
    case tdExtrudeEnh:
      return ShadowDepth();
    case tdNone:
      break;
  }
  return 0;
}

int32_t TLMD3DCaption::RotationAdjustment() const {
  if (style_ == tdOutline) return 0;
  return std::max(EffectDepth() / 2 - 1, 0);
}

void TLMD3DCaption::CopyFrom(const TLMDObject* source) {
  if (source == this) return;
  const auto* caption = dynamic_cast<const TLMD3DCaption*>(source);
  if (caption == nullptr) RefuseSource(source);
  CopySettings(*caption);
  NotifyChange();
}

void TLMD3DCaption::CopySettings(const TLMD3DCaption& source) {
  disabledStyle_ = source.disabledStyle_;
  depth_[0] = source.depth_[0];
  depth_[1] = source.depth_[1];
  color_[0] = source.color_[0];
  color_[1] = source.color_[1];
  style_ = source.style_;
  orientation_ = source.orientation_;
  tracing_ = source.tracing_;
}
