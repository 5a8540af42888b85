#include "render/caption/LMDFXCaption.h"

void TLMDFxCaption::SetAngle(TLMDAngle value) {
  if (value == angle_) return;
  // A full turn is no turn; the change is still reported.
  angle_ = value == 360 ? 0 : value;
  NotifyChange();
}

void TLMDFxCaption::SetPos(int index, uint16_t value) {
  if (Store(pos_[index], value)) NotifyChange();
}

void TLMDFxCaption::SetPosition(uint16_t x, uint16_t y) {
  HoldChanges();
  SetPosX(x);
  SetPosY(y);
  ReleaseChanges(false);
}

void TLMDFxCaption::CopySettings(const TLMD3DCaption& source) {
  TLMD3DCaption::CopySettings(source);
  const auto* fx = dynamic_cast<const TLMDFxCaption*>(&source);
  if (fx == nullptr) return;
  pos_[0] = fx->pos_[0];
  pos_[1] = fx->pos_[1];
  angle_ = fx->angle_;
}

int32_t RotationDegrees(TLMDAngle angle) {
  if (angle <= 360) return angle;
  const int32_t signedAngle = static_cast<int16_t>(angle);
  return ((signedAngle % 360) + 360) % 360;
}
