#include <gtest/gtest.h>

#include <functional>

#include "render/caption/LMDFXCaption.h"
#include "toolkit/Exceptions.h"

namespace {

// Counts notifications and checks their sender.
struct TChangeCounter {
  explicit TChangeCounter(TLMDObject& object) {
    object.OnChange = [this, &object](TLMDObject* sender) {
      EXPECT_EQ(sender, &object);
      ++count;
    };
  }
  int count = 0;
};

class TOtherObject : public TLMDObject {
 public:
  QString ClassName() const override { return QStringLiteral("TOtherObject"); }
};

TEST(FxCaption, Defaults) {
  const TLMDFxCaption c;
  EXPECT_EQ(c.Style(), tdNone);
  EXPECT_EQ(c.Orientation(), toTopLeft);
  EXPECT_EQ(c.LightDepth(), 1);
  EXPECT_EQ(c.ShadowDepth(), 1);
  EXPECT_EQ(c.LightColor(), clBtnHighlight);
  EXPECT_EQ(c.ShadowColor(), clBtnShadow);
  EXPECT_EQ(c.Tracing(), 0);
  EXPECT_EQ(c.DisabledStyle(), dsAuto);
  EXPECT_EQ(c.Angle(), 0);
  EXPECT_EQ(c.PosX(), 0);
  EXPECT_EQ(c.PosY(), 0);
  EXPECT_EQ(c.ClassName(), "TLMDFxCaption");
  EXPECT_EQ(TLMD3DCaption().ClassName(), "TLMD3DCaption");
}

// One setter: a value other than the default, and how to read it back.
struct SetterCase {
  const char* name;
  std::function<void(TLMDFxCaption&)> setDefault;
  std::function<void(TLMDFxCaption&)> setNew;
  std::function<bool(const TLMDFxCaption&)> hasNew;
};

class CaptionSetter : public ::testing::TestWithParam<SetterCase> {};

TEST_P(CaptionSetter, NotifiesOncePerRealChange) {
  const SetterCase& s = GetParam();
  TLMDFxCaption c;
  TChangeCounter counter(c);
  s.setDefault(c);
  EXPECT_EQ(counter.count, 0) << "unchanged value";
  s.setNew(c);
  EXPECT_EQ(counter.count, 1);
  EXPECT_TRUE(s.hasNew(c));
  s.setNew(c);
  EXPECT_EQ(counter.count, 1) << "same value again";
}

INSTANTIATE_TEST_SUITE_P(
    All, CaptionSetter,
    ::testing::Values(
        SetterCase{"DisabledStyle", [](auto& c) { c.SetDisabledStyle(dsAuto); }, [](auto& c) { c.SetDisabledStyle(ds3d); },
                   [](auto& c) { return c.DisabledStyle() == ds3d; }},
        SetterCase{"LightDepth", [](auto& c) { c.SetLightDepth(1); }, [](auto& c) { c.SetLightDepth(255); },
                   [](auto& c) { return c.LightDepth() == 255 && c.ShadowDepth() == 1; }},
        SetterCase{"ShadowDepth", [](auto& c) { c.SetShadowDepth(1); }, [](auto& c) { c.SetShadowDepth(0); },
                   [](auto& c) { return c.ShadowDepth() == 0 && c.LightDepth() == 1; }},
        SetterCase{"LightColor", [](auto& c) { c.SetLightColor(clBtnHighlight); }, [](auto& c) { c.SetLightColor(clRed); },
                   [](auto& c) { return c.LightColor() == clRed && c.ShadowColor() == clBtnShadow; }},
        SetterCase{"ShadowColor", [](auto& c) { c.SetShadowColor(clBtnShadow); }, [](auto& c) { c.SetShadowColor(clNavy); },
                   [](auto& c) { return c.ShadowColor() == clNavy && c.LightColor() == clBtnHighlight; }},
        SetterCase{"Style", [](auto& c) { c.SetStyle(tdNone); }, [](auto& c) { c.SetStyle(tdExtrudeEnh); },
                   [](auto& c) { return c.Style() == tdExtrudeEnh; }},
        SetterCase{"Orientation", [](auto& c) { c.SetOrientation(toTopLeft); },
                   [](auto& c) { c.SetOrientation(toBottomRight); }, [](auto& c) { return c.Orientation() == toBottomRight; }},
        SetterCase{"Tracing", [](auto& c) { c.SetTracing(0); }, [](auto& c) { c.SetTracing(-20); },
                   [](auto& c) { return c.Tracing() == -20; }},
        SetterCase{"Angle", [](auto& c) { c.SetAngle(0); }, [](auto& c) { c.SetAngle(65446); },
                   [](auto& c) { return c.Angle() == 65446; }},
        SetterCase{"PosX", [](auto& c) { c.SetPosX(0); }, [](auto& c) { c.SetPosX(12); },
                   [](auto& c) { return c.PosX() == 12 && c.PosY() == 0; }},
        SetterCase{"PosY", [](auto& c) { c.SetPosY(0); }, [](auto& c) { c.SetPosY(65535); },
                   [](auto& c) { return c.PosY() == 65535 && c.PosX() == 0; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FxCaption, Angle360IsStoredAsZeroAndStillNotifies) {
  TLMDFxCaption c;
  TChangeCounter counter(c);
  c.SetAngle(360);
  EXPECT_EQ(c.Angle(), 0);
  EXPECT_EQ(counter.count, 1);
  c.SetAngle(90);
  c.SetAngle(360);
  EXPECT_EQ(c.Angle(), 0);
  EXPECT_EQ(counter.count, 3);
}

TEST(FxCaption, SetPositionIsSilent) {
  TLMDFxCaption c;
  c.SetPosX(12);
  c.SetPosY(7);
  TChangeCounter counter(c);
  c.SetPosition(0, 0);
  EXPECT_EQ(c.PosX(), 0);
  EXPECT_EQ(c.PosY(), 0);
  EXPECT_EQ(counter.count, 0);
  EXPECT_FALSE(c.Updating());
  c.SetPosX(3);
  EXPECT_EQ(counter.count, 1) << "changes are reported again afterwards";
}

TEST(FxCaption, CopyFromFxCaptionCopiesEverythingAndNotifiesOnce) {
  TLMDFxCaption source;
  source.SetOrientation(toBottomRight);
  source.SetAngle(45);
  source.SetPosX(11);
  source.SetPosY(22);
  source.SetStyle(tdOutline);
  source.SetLightDepth(3);
  source.SetShadowDepth(4);
  source.SetLightColor(clRed);
  source.SetShadowColor(clBlue);
  source.SetTracing(-2);
  source.SetDisabledStyle(dsNone);
  TLMDFxCaption target;
  TChangeCounter counter(target);
  target.CopyFrom(&source);
  EXPECT_EQ(counter.count, 1);
  EXPECT_EQ(target.Orientation(), toBottomRight);
  EXPECT_EQ(target.Angle(), 45);
  EXPECT_EQ(target.PosX(), 11);
  EXPECT_EQ(target.PosY(), 22);
  EXPECT_EQ(target.Style(), tdOutline);
  EXPECT_EQ(target.LightDepth(), 3);
  EXPECT_EQ(target.ShadowDepth(), 4);
  EXPECT_EQ(target.LightColor(), clRed);
  EXPECT_EQ(target.ShadowColor(), clBlue);
  EXPECT_EQ(target.Tracing(), -2);
  EXPECT_EQ(target.DisabledStyle(), dsNone);
}

TEST(FxCaption, CopyFromPlainCaptionKeepsAngleAndPosition) {
  TLMD3DCaption source;
  source.SetStyle(tdShadow);
  source.SetShadowDepth(9);
  TLMDFxCaption target;
  target.SetAngle(30);
  target.SetPosX(5);
  TChangeCounter counter(target);
  target.CopyFrom(&source);
  EXPECT_EQ(counter.count, 1);
  EXPECT_EQ(target.Style(), tdShadow);
  EXPECT_EQ(target.ShadowDepth(), 9);
  EXPECT_EQ(target.Angle(), 30);
  EXPECT_EQ(target.PosX(), 5);
}

TEST(FxCaption, PlainCaptionTakesTheCaptionPartOfAnFxCaption) {
  TLMDFxCaption source;
  source.SetStyle(tdRaised);
  source.SetAngle(90);
  TLMD3DCaption target;
  TChangeCounter counter(target);
  target.CopyFrom(&source);
  EXPECT_EQ(target.Style(), tdRaised);
  EXPECT_EQ(counter.count, 1);
}

TEST(FxCaption, CopyFromItselfDoesNothing) {
  TLMDFxCaption c;
  TChangeCounter counter(c);
  c.CopyFrom(&c);
  EXPECT_EQ(counter.count, 0);
}

TEST(FxCaption, CopyFromAnotherClassIsRefusedAndChangesNothing) {
  TLMDFxCaption c;
  c.SetStyle(tdSunken);
  TChangeCounter counter(c);
  TOtherObject other;
  try {
    c.CopyFrom(&other);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TOtherObject to a TLMDFxCaption");
  }
  EXPECT_THROW(TLMD3DCaption().CopyFrom(&other), EConvertError);
  EXPECT_EQ(c.Style(), tdSunken);
  EXPECT_EQ(counter.count, 0);
}

struct DepthCase {
  TLMDThreeDStyle style;
  int32_t depth;
  int32_t adjustment;
};

class EffectDepthTable : public ::testing::TestWithParam<DepthCase> {};

// Light depth 5, shadow depth 8.
TEST_P(EffectDepthTable, DepthAndRotationAdjustment) {
  TLMD3DCaption c;
  c.SetLightDepth(5);
  c.SetShadowDepth(8);
  c.SetStyle(GetParam().style);
  EXPECT_EQ(c.EffectDepth(), GetParam().depth);
  EXPECT_EQ(c.RotationAdjustment(), GetParam().adjustment);
}

INSTANTIATE_TEST_SUITE_P(All, EffectDepthTable,
                         ::testing::Values(DepthCase{tdNone, 0, 0}, DepthCase{tdSunken, 5, 1}, DepthCase{tdRaised, 5, 1},
                                           DepthCase{tdSunkenShadow, 13, 5}, DepthCase{tdRaisedShadow, 13, 5},
                                           DepthCase{tdPColorSunken, 13, 5}, DepthCase{tdPColorRaised, 13, 5},
                                           DepthCase{tdShadow, 8, 3}, DepthCase{tdOutline, 8, 0},
                                           DepthCase{tdExtrude, 8, 3}, DepthCase{tdExtrudeEnh, 8, 3}));

TEST(EffectDepth, NegativeAdjustmentCountsAsZero) {
  TLMD3DCaption c;
  c.SetStyle(tdSunken);  // light depth 1: 1 div 2 - 1 = -1
  EXPECT_EQ(c.RotationAdjustment(), 0);
  c.SetLightDepth(3);
  EXPECT_EQ(c.RotationAdjustment(), 0);
  c.SetLightDepth(4);
  EXPECT_EQ(c.RotationAdjustment(), 1);
  c.SetStyle(tdExtrude);
  c.SetShadowDepth(255);
  EXPECT_EQ(c.EffectDepth(), 255);
  EXPECT_EQ(c.RotationAdjustment(), 126);
}

TEST(RotationDegrees, DeclaredRangeAsStoredNegativeAnglesWrap) {
  EXPECT_EQ(RotationDegrees(0), 0);
  EXPECT_EQ(RotationDegrees(90), 90);
  EXPECT_EQ(RotationDegrees(270), 270);
  EXPECT_EQ(RotationDegrees(360), 360);
  EXPECT_EQ(RotationDegrees(65446), 270);  // -90
  EXPECT_EQ(RotationDegrees(65535), 359);  // -1
  EXPECT_EQ(RotationDegrees(65176), 0);    // -360
  EXPECT_EQ(RotationDegrees(450), 90);
}

}  // namespace
