#pragma once
#include <cstdint>

#include "render/caption/LMD3DCaption.h"

// Whole degrees, counter-clockwise. Declared 0..360; the setter stores 360
// as 0 and takes any other 16-bit value as it comes.
using TLMDAngle = uint16_t;

// A 3D caption that may be rotated. PosX and PosY are where rotated text
// starts inside the drawing rectangle; the measuring routine computes them.
class TLMDFxCaption : public TLMD3DCaption {
 public:
  QString ClassName() const override { return QStringLiteral("TLMDFxCaption"); }

  TLMDAngle Angle() const { return angle_; }
  void SetAngle(TLMDAngle value);
  uint16_t PosX() const { return pos_[0]; }
  void SetPosX(uint16_t value) { SetPos(0, value); }
  uint16_t PosY() const { return pos_[1]; }
  void SetPosY(uint16_t value) { SetPos(1, value); }

  // Sets both coordinates without a change notification.
  void SetPosition(uint16_t x, uint16_t y);

 protected:
  // Also takes angle and position from another rotatable caption.
  void CopySettings(const TLMD3DCaption& source) override;

 private:
  void SetPos(int index, uint16_t value);

  TLMDAngle angle_ = 0;
  uint16_t pos_[2] = {0, 0};
};

// The degrees a stored angle turns text by. 0..360 stand as they are; a
// control may store the low 16 bits of a negative rotation (65446 for -90),
// so larger values read as signed 16-bit degrees brought into 0..359, and
// -90 turns exactly as 270 does.
int32_t RotationDegrees(TLMDAngle angle);
