#include <gtest/gtest.h>

#include <vector>

#include "render/fill/LMDGradient.h"
#include "render/fill/LMDShapeFill.h"
#include "toolkit/Exceptions.h"

namespace {

std::vector<int> BlueChannels(const std::vector<TColor>& ramp) {
  std::vector<int> blues;
  for (const TColor c : ramp) blues.push_back(GetBValue(c));
  return blues;
}

// Counts OnChange calls and remembers the ramp each one saw.
struct TChangeLog {
  explicit TChangeLog(TLMDGradient& gradient) {
    gradient.OnChange = [this, &gradient](TLMDObject* sender) {
      EXPECT_EQ(sender, &gradient);
      ++count;
      ramps.push_back(gradient.RampColors());
    };
  }
  int count = 0;
  std::vector<std::vector<TColor>> ramps;
};

TEST(GradientModel, DefaultsAndTheNewGradientsSixteenBlueLevels) {
  TLMDGradient gradient;
  EXPECT_EQ(gradient.ClassName(), "TLMDGradient");
  EXPECT_EQ(gradient.Color(), clBlue);
  EXPECT_EQ(gradient.ColorCount(), 16);
  EXPECT_EQ(gradient.Style(), gstVertical);
  EXPECT_EQ(gradient.EndColor(), clBlack);
  EXPECT_FALSE(gradient.PaletteRealize());
  EXPECT_TRUE(gradient.TwoColors());
  EXPECT_TRUE(gradient.ColorList().empty());
  EXPECT_EQ(gradient.PaletteHandle(), nullptr);
  ASSERT_EQ(gradient.RampColors().size(), 16u);
  for (int n = 0; n < 16; ++n) EXPECT_EQ(gradient.RampColors()[static_cast<size_t>(n)], RGB(0, 0, static_cast<uint8_t>(255 - 17 * n))) << n;
}

TEST(GradientModel, HalvesRoundAwayFromZero) {
  TLMDGradient gradient;
  gradient.SetColor(clRed);
  gradient.SetColorCount(3);
  EXPECT_EQ(gradient.RampColors(), (std::vector<TColor>{RGB(255, 0, 0), RGB(127, 0, 0), RGB(0, 0, 0)}));
}

TEST(GradientModel, SystemColoursRampFromTheirSchemeValues) {
  TLMDGradient gradient;
  gradient.SetColorCount(2);
  gradient.SetColor(clBtnFace);
  gradient.SetEndColor(clHighlight);
  EXPECT_EQ(gradient.RampColors(), (std::vector<TColor>{RGB(0xF0, 0xF0, 0xF0), RGB(0x33, 0x99, 0xFF)}));
}

TEST(GradientModel, MultiColourBudgetIsDividedByTheNumberOfColours) {
  TLMDGradient gradient;
  gradient.ColorList() = {clBlue, clBlack};
  gradient.SetTwoColors(false);
  gradient.SetColorCount(17);
  EXPECT_EQ(BlueChannels(gradient.RampColors()), (std::vector<int>{255, 219, 182, 146, 109, 73, 36, 0}));
}

TEST(GradientModel, FollowingSegmentsLeaveOutTheirStartColour) {
  TLMDGradient gradient;
  gradient.ColorList() = {clRed, clLime, clBlue};
  gradient.SetTwoColors(false);
  EXPECT_EQ(gradient.RampColors(),
            (std::vector<TColor>{RGB(255, 0, 0), RGB(191, 64, 0), RGB(127, 128, 0), RGB(64, 191, 0), RGB(0, 255, 0),
                                 RGB(0, 191, 64), RGB(0, 127, 128), RGB(0, 64, 191), RGB(0, 0, 255)}));
}

TEST(GradientModel, SmallCountsAndShortLists) {
  TLMDGradient gradient;
  gradient.SetColorCount(0);
  EXPECT_TRUE(gradient.RampColors().empty());
  gradient.SetColorCount(1);
  EXPECT_EQ(gradient.RampColors(), std::vector<TColor>{clBlue});

  gradient.ColorList() = {clRed, clLime, clBlue};
  gradient.SetTwoColors(false);  // k = 1 div 3 = 0
  EXPECT_TRUE(gradient.RampColors().empty());
  gradient.SetColorCount(3);  // k = 1: the first colour alone
  EXPECT_EQ(gradient.RampColors(), std::vector<TColor>{clRed});
  gradient.ColorList() = {clRed};
  gradient.SetColorCount(200);
  EXPECT_TRUE(gradient.RampColors().empty());
}

TEST(GradientModel, ColorCountKeepsTheLowByte) {
  TLMDGradient gradient;
  TChangeLog log(gradient);
  gradient.SetColorCount(255);
  gradient.SetColorCount(gradient.ColorCount() + 1);
  EXPECT_EQ(gradient.ColorCount(), 0);
  EXPECT_TRUE(gradient.RampColors().empty());
  gradient.SetColorCount(256);  // still 0: no change
  EXPECT_EQ(log.count, 2);
}

TEST(GradientModel, ColorListEditsWaitForTheNextChange) {
  TLMDGradient gradient;
  gradient.ColorList() = {clRed, clBlack};
  gradient.SetTwoColors(false);
  const std::vector<TColor> before = gradient.RampColors();
  gradient.ColorList().push_back(clWhite);
  EXPECT_EQ(gradient.RampColors(), before);
  gradient.SetColorCount(gradient.ColorCount() + 1);  // 17: k = 5
  ASSERT_EQ(gradient.RampColors().size(), 9u);
  EXPECT_EQ(gradient.RampColors().back(), RGB(255, 255, 255));
}

TEST(GradientModel, UnchangedValuesNeitherRebuildNorNotify) {
  TLMDGradient gradient;
  gradient.SetPaletteRealize(true);
  TChangeLog log(gradient);
  const HPALETTE palette = gradient.PaletteHandle();
  gradient.SetColor(clBlue);
  gradient.SetColorCount(16 + 256);
  gradient.SetStyle(gstVertical);
  gradient.SetEndColor(clBlack);
  gradient.SetPaletteRealize(true);
  gradient.SetTwoColors(true);
  EXPECT_EQ(log.count, 0);
  EXPECT_EQ(gradient.PaletteHandle(), palette);
}

TEST(GradientModel, EachChangeRebuildsThenNotifies) {
  TLMDGradient gradient;
  TChangeLog log(gradient);
  gradient.SetColor(clRed);
  gradient.SetStyle(gstSquare);
  ASSERT_EQ(log.count, 2);
  EXPECT_EQ(log.ramps[0].front(), clRed);
}

TEST(GradientModel, HeldChangesStillRebuildTheRamp) {
  TLMDGradient gradient;
  TChangeLog log(gradient);
  gradient.HoldChanges();
  gradient.SetColor(clRed);
  EXPECT_EQ(gradient.RampColors().front(), clRed);
  EXPECT_EQ(log.count, 0);
  gradient.ReleaseChanges(true);
  EXPECT_EQ(log.count, 1);
}

TEST(GradientModel, PaletteFollowsEveryRebuild) {
  TLMDGradient gradient;
  gradient.SetColorCount(3);
  gradient.SetColor(clRed);
  gradient.SetPaletteRealize(true);
  const HPALETTE first = gradient.PaletteHandle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Entries, (std::vector<QRgb>{qRgb(255, 0, 0), qRgb(127, 0, 0), qRgb(0, 0, 0)}));
  gradient.SetEndColor(clWhite);
  ASSERT_NE(gradient.PaletteHandle(), nullptr);
  EXPECT_NE(gradient.PaletteHandle(), first);
  EXPECT_EQ(gradient.PaletteHandle()->Entries.back(), qRgb(255, 255, 255));
  gradient.SetPaletteRealize(false);
  EXPECT_EQ(gradient.PaletteHandle(), nullptr);
  EXPECT_EQ(CreateRampPalette(nullptr), nullptr);
  const std::vector<TColor> empty;
  EXPECT_EQ(CreateRampPalette(&empty), nullptr);
}

TEST(GradientModel, AppendRampSegments) {
  std::vector<TColor> list{clWhite};
  AppendRamp(clBlack, clWhite, 3, false, &list);
  EXPECT_EQ(list, (std::vector<TColor>{clWhite, RGB(128, 128, 128), clWhite}));
  AppendRamp(clRed, clBlue, 1, true, &list);
  EXPECT_EQ(list, std::vector<TColor>{clRed});
  AppendRamp(clRed, clBlue, 1, false, &list);
  AppendRamp(clRed, clBlue, 0, true, &list);
  EXPECT_EQ(list, std::vector<TColor>{clRed});
  AppendRamp(clRed, clBlue, 4, true, nullptr);  // nothing to append to
}

TEST(GradientModel, CopyFromNotifiesOnceWithEverythingCopied) {
  TLMDGradient source;
  source.SetColorCount(9);
  source.SetColor(clYellow);
  source.SetStyle(gstElliptic);
  source.SetEndColor(clNavy);
  source.SetPaletteRealize(true);
  source.ColorList() = {clRed, clLime, clBlue};
  source.SetTwoColors(false);
  TLMDGradient target;
  target.ColorList() = {clWhite};
  TChangeLog log(target);
  target.CopyFrom(&source);
  ASSERT_EQ(log.count, 1);
  EXPECT_EQ(log.ramps[0], source.RampColors());
  EXPECT_EQ(target.ColorCount(), 9);
  EXPECT_EQ(target.Color(), clYellow);
  EXPECT_EQ(target.Style(), gstElliptic);
  EXPECT_EQ(target.EndColor(), clNavy);
  EXPECT_TRUE(target.PaletteRealize());
  EXPECT_FALSE(target.TwoColors());
  EXPECT_EQ(target.ColorList(), source.ColorList());
  ASSERT_NE(target.PaletteHandle(), nullptr);
  EXPECT_EQ(target.PaletteHandle()->Entries.size(), source.RampColors().size());

  target.CopyFrom(&target);
  EXPECT_EQ(log.count, 1);
}

TEST(GradientModel, CopyFromRefusesOtherKinds) {
  TLMDGradient gradient;
  TLMDShapeFill fill;
  try {
    gradient.CopyFrom(&fill);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TLMDShapeFill to a TLMDGradient");
  }
  try {
    gradient.CopyFrom(nullptr);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TLMDGradient");
  }
}

TEST(GradientModel, StoredColorListIsWrittenOnlyWhenNotEmpty) {
  TLMDGradient gradient;
  EXPECT_EQ(TLMDGradient::ColorListPropertyName(), "ColorList");
  EXPECT_FALSE(gradient.StoredColorList().has_value());
  gradient.ColorList() = {clRed, clBtnFace, clBlack};
  EXPECT_EQ(gradient.StoredColorList(), (std::vector<int32_t>{0x0000FF, TColorValue(0x8000000F), 0}));
}

TEST(GradientModel, ReadingColorListAppendsRebuildsAndNotifiesOnce) {
  TLMDGradient gradient;
  gradient.SetTwoColors(false);
  gradient.ColorList() = {clRed};
  TChangeLog log(gradient);
  gradient.ReadColorList({clLime, clBlue});
  EXPECT_EQ(gradient.ColorList(), (std::vector<TColor>{clRed, clLime, clBlue}));
  EXPECT_EQ(log.count, 1);
  EXPECT_EQ(gradient.RampColors().size(), 9u);
}

}  // namespace
