#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "pictures/Bitmap.h"
#include "render/caption/LMDBevel.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"

namespace {

TRect Inset(const TRect& r, int32_t n) { return {r.Left + n, r.Top + n, r.Right - n, r.Bottom - n}; }

// A bitmap filled with one colour, for drawing frames on.
std::unique_ptr<TBitmap> Ground(int w, int h, TColor color) {
  auto bitmap = std::make_unique<TBitmap>(w, h);
  bitmap->Canvas().Brush().SetColor(color);
  bitmap->Canvas().FillRect({0, 0, w, h});
  return bitmap;
}

TEST(Bevel, DefaultsHaveNoExtentAndDrawNothing) {
  TLMDBevel bevel;
  EXPECT_EQ(bevel.StyleInner(), bvNone);
  EXPECT_EQ(bevel.StyleOuter(), bvNone);
  EXPECT_EQ(bevel.WidthInner(), 1);
  EXPECT_EQ(bevel.WidthOuter(), 1);
  EXPECT_EQ(bevel.BorderColor(), clBtnFace);
  EXPECT_EQ(bevel.BorderSides(), AllFrameSides);
  EXPECT_EQ(bevel.BorderWidth(), 0);
  EXPECT_EQ(bevel.BorderInnerWidth(), 0);
  EXPECT_EQ(bevel.EdgeStyle(), etEtched);
  EXPECT_EQ(bevel.LightColor(), clBtnHighlight);
  EXPECT_EQ(bevel.Mode(), bmCustom);
  EXPECT_EQ(bevel.ShadowColor(), clBtnShadow);
  EXPECT_EQ(bevel.StandardStyle(), lsSingleLowered);
  EXPECT_EQ(bevel.Extent(), 0);
  auto bitmap = Ground(6, 6, clRed);
  EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 6, 6}, false), TRect({0, 0, 6, 6}));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_TRUE(PixelIs(bitmap->Surface(), x, y, clRed));
}

TEST(Bevel, ShadowStylesGoTogether) {
  TLMDBevel bevel;
  int notes = 0;
  bevel.OnChange = [&](TLMDObject*) { ++notes; };
  bevel.SetStyleOuter(bvShadow);
  EXPECT_EQ(bevel.StyleInner(), bvShadow);
  EXPECT_EQ(notes, 1);
  bevel.SetStyleInner(bvRaised);
  EXPECT_EQ(bevel.StyleInner(), bvRaised);
  EXPECT_EQ(bevel.StyleOuter(), bvNone);
  EXPECT_EQ(notes, 2);
  bevel.SetStyleOuter(bvLowered);
  EXPECT_EQ(bevel.StyleInner(), bvRaised) << "only a shadow pulls the other style along";
  bevel.SetStyleInner(bvShadow);
  EXPECT_EQ(bevel.StyleOuter(), bvShadow);
  bevel.SetStyleOuter(bvFrameRaised);
  EXPECT_EQ(bevel.StyleInner(), bvNone);
  EXPECT_EQ(bevel.StyleOuter(), bvFrameRaised);
}

TEST(Bevel, StandardStyleNotifiesOnlyInStandardMode) {
  TLMDBevel bevel;
  int notes = 0;
  bevel.OnChange = [&](TLMDObject*) { ++notes; };
  bevel.SetMode(bmEdge);
  EXPECT_EQ(notes, 1);
  bevel.SetStandardStyle(lsRaised);
  EXPECT_EQ(bevel.StandardStyle(), lsRaised);
  EXPECT_EQ(notes, 1);
  bevel.SetMode(bmStandard);
  EXPECT_EQ(bevel.Extent(), 2);
  bevel.SetStandardStyle(lsSingle);
  EXPECT_EQ(notes, 3);
  EXPECT_EQ(bevel.Extent(), 1);
  bevel.SetStandardStyle(lsSingle);
  EXPECT_EQ(notes, 3);
}

TEST(Bevel, ExtentIsCurrentInsideTheChangeHandler) {
  TLMDBevel bevel;
  std::vector<int32_t> seen;
  bevel.OnChange = [&](TLMDObject* sender) { seen.push_back(static_cast<TLMDBevel*>(sender)->Extent()); };
  bevel.SetMode(bmEdge);
  bevel.SetBorderInnerWidth(3);
  bevel.SetBorderSides(0);
  bevel.SetMode(bmCustom);
  EXPECT_EQ(seen, (std::vector<int32_t>{2, 5, 3, 3}));
}

TEST(Bevel, CopyFromCopiesAllAndNotifiesOnce) {
  TLMDBevel source;
  source.SetStyleOuter(bvShadow);
  source.SetWidthInner(4);
  source.SetWidthOuter(6);
  source.SetBorderColor(clRed);
  source.SetBorderSides(FrameSideBit(fsTop));
  source.SetBorderWidth(7);
  source.SetBorderInnerWidth(2);
  source.SetEdgeStyle(etBump);
  source.SetLightColor(clYellow);
  source.SetShadowColor(clNavy);
  source.SetStandardStyle(lsFrameInset);
  TLMDBevel target;
  int notes = 0;
  target.OnChange = [&](TLMDObject*) { ++notes; };
  target.CopyFrom(&source);
  EXPECT_EQ(notes, 1);
  EXPECT_EQ(target.StyleInner(), bvShadow);
  EXPECT_EQ(target.StyleOuter(), bvShadow);
  EXPECT_EQ(target.WidthInner(), 4);
  EXPECT_EQ(target.WidthOuter(), 6);
  EXPECT_EQ(target.BorderColor(), clRed);
  EXPECT_EQ(target.BorderSides(), FrameSideBit(fsTop));
  EXPECT_EQ(target.BorderWidth(), 7);
  EXPECT_EQ(target.BorderInnerWidth(), 2);
  EXPECT_EQ(target.EdgeStyle(), etBump);
  EXPECT_EQ(target.LightColor(), clYellow);
  EXPECT_EQ(target.ShadowColor(), clNavy);
  EXPECT_EQ(target.StandardStyle(), lsFrameInset);
  EXPECT_EQ(target.Mode(), bmCustom);
  EXPECT_EQ(target.Extent(), 6);
  EXPECT_EQ(target.OuterExtent(), 12);
}

TEST(Bevel, CopyFromAnotherKindIsRefused) {
  TLMDBevel bevel;
  TLMDObject other;
  try {
    bevel.CopyFrom(&other);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TLMDObject to a TLMDBevel");
  }
}

// A bevel configuration and the extent (and outer extent) it takes.
struct ExtentCase {
  const char* name;
  std::function<void(TLMDBevel&)> setup;
  int32_t extent;
  int32_t outer;
};

class BevelExtent : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(BevelExtent, ExtentAndInnerRectangle) {
  TLMDBevel bevel;
  bevel.SetWidthInner(3);
  bevel.SetWidthOuter(2);
  bevel.SetBorderWidth(4);
  bevel.SetBorderInnerWidth(1);
  GetParam().setup(bevel);
  EXPECT_EQ(bevel.Extent(), GetParam().extent);
  EXPECT_EQ(bevel.OuterExtent(), GetParam().outer);
  for (const bool skip : {false, true}) {
    auto bitmap = Ground(40, 30, clRed);
    const TRect r{3, 2, 37, 28};
    EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), r, skip), Inset(r, bevel.Extent())) << "skip " << skip;
    // Nothing outside the rectangle, nothing inside the inner one.
    const TRect inner = Inset(r, bevel.Extent());
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        if (!r.Contains({x, y}) || inner.Contains({x, y})) {
          ASSERT_TRUE(PixelIs(bitmap->Surface(), x, y, clRed));
        }
  }
}

// Widths used: inner 3, outer 2, border 4, border inner 1.
INSTANTIATE_TEST_SUITE_P(
    All, BevelExtent,
    ::testing::Values(
        ExtentCase{"CustomNone", [](auto&) {}, 5, 5},
        ExtentCase{"CustomInnerLowered", [](auto& b) { b.SetStyleInner(bvLowered); }, 8, 8},
        ExtentCase{"CustomOuterRaised", [](auto& b) { b.SetStyleOuter(bvRaised); }, 7, 7},
        ExtentCase{"CustomBothFrames",
                   [](auto& b) {
                     b.SetStyleInner(bvFrameLowered);
                     b.SetStyleOuter(bvFrameRaised);
                   },
                   12, 12},
        ExtentCase{"CustomNormal", [](auto& b) { b.SetStyleInner(bvNormal); }, 8, 8},
        ExtentCase{"CustomShadow", [](auto& b) { b.SetStyleInner(bvShadow); }, 4, 6},
        ExtentCase{"StandardNone",
                   [](auto& b) {
                     b.SetMode(bmStandard);
                     b.SetStandardStyle(lsNone);
                   },
                   1, 1},
        ExtentCase{"StandardSingle",
                   [](auto& b) {
                     b.SetMode(bmStandard);
                     b.SetStandardStyle(lsSingle);
                   },
                   2, 2},
        ExtentCase{"StandardSingleLowered", [](auto& b) { b.SetMode(bmStandard); }, 2, 2},
        ExtentCase{"StandardSingleRaised",
                   [](auto& b) {
                     b.SetMode(bmStandard);
                     b.SetStandardStyle(lsSingleRaised);
                   },
                   2, 2},
        ExtentCase{"StandardLowered",
                   [](auto& b) {
                     b.SetMode(bmStandard);
                     b.SetStandardStyle(lsLowered);
                   },
                   3, 3},
        ExtentCase{"StandardRaisedspb",
                   [](auto& b) {
                     b.SetMode(bmStandard);
                     b.SetStandardStyle(lsRaisedspb);
                   },
                   3, 3},
        ExtentCase{"StandardWindowBorder",
                   [](auto& b) {
                     b.SetMode(bmStandard);
                     b.SetStandardStyle(lsWindowBorder);
                   },
                   3, 3},
        ExtentCase{"StandardDoubleLowered",
                   [](auto& b) {
                     b.SetMode(bmStandard);
                     b.SetStandardStyle(lsDoubleLowered);
                   },
                   3, 3},
        ExtentCase{"Edge", [](auto& b) { b.SetMode(bmEdge); }, 3, 3},
        ExtentCase{"EdgeTopOnly",
                   [](auto& b) {
                     b.SetMode(bmEdge);
                     b.SetBorderSides(FrameSideBit(fsTop));
                   },
                   3, 3},
        ExtentCase{"EdgeNoSides",
                   [](auto& b) {
                     b.SetMode(bmEdge);
                     b.SetBorderSides(0);
                   },
                   1, 1},
        ExtentCase{"Windows", [](auto& b) { b.SetMode(bmWindows); }, 3, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BevelExtent, EveryStandardStyleShrinksByItsWidth) {
  for (int s = lsNone; s <= lsDoubleLowered; ++s) {
    TLMDBevel bevel;
    bevel.SetMode(bmStandard);
    bevel.SetStandardStyle(static_cast<TLMDBorderStyle>(s));
    const int32_t width = s == lsNone ? 0 : (s == lsSingle || s == lsSingleRaised || s == lsSingleLowered) ? 1 : 2;
    EXPECT_EQ(bevel.Extent(), width) << s;
    auto bitmap = Ground(10, 10, clRed);
    EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 10, 10}, false), Inset({0, 0, 10, 10}, width)) << s;
  }
}

TEST(BevelDraw, EdgeModeDrawsAnEtchedFrame) {
  TLMDBevel bevel;
  bevel.SetMode(bmEdge);
  auto bitmap = Ground(10, 8, clRed);
  EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 10, 8}, false), TRect({2, 2, 8, 6}));
  const TSurface& s = bitmap->Surface();
  // Outer ring sunken: shadow top-left, highlight bottom-right.
  EXPECT_TRUE(PixelIs(s, 0, 0, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 8, 0, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 9, 0, clBtnHighlight));
  EXPECT_TRUE(PixelIs(s, 0, 6, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 0, 7, clBtnHighlight));
  EXPECT_TRUE(PixelIs(s, 9, 7, clBtnHighlight));
  // Inner ring raised: highlight top-left, shadow bottom-right.
  EXPECT_TRUE(PixelIs(s, 1, 1, clBtnHighlight));
  EXPECT_TRUE(PixelIs(s, 7, 1, clBtnHighlight));
  EXPECT_TRUE(PixelIs(s, 8, 1, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 1, 6, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 8, 6, clBtnShadow));
  EXPECT_TRUE(PixelIs(s, 2, 2, clRed));
  EXPECT_TRUE(PixelIs(s, 7, 5, clRed));
}

TEST(BevelDraw, EdgeOnTopOnlyStillInsetsEverySide) {
  TLMDBevel bevel;
  bevel.SetMode(bmEdge);
  bevel.SetBorderSides(FrameSideBit(fsTop));
  auto bitmap = Ground(10, 8, clRed);
  EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 10, 8}, false), TRect({2, 2, 8, 6}));
  const TSurface& s = bitmap->Surface();
  for (int x = 0; x < 10; ++x) {
    EXPECT_TRUE(PixelIs(s, x, 0, clBtnShadow)) << x;
    EXPECT_TRUE(PixelIs(s, x, 1, clBtnHighlight)) << x;
  }
  for (int y = 2; y < 8; ++y) {
    EXPECT_TRUE(PixelIs(s, 0, y, clRed)) << y;
    EXPECT_TRUE(PixelIs(s, 9, y, clRed)) << y;
  }
}

TEST(BevelDraw, BorderInnerWidthRingsInsideTheEdge) {
  TLMDBevel bevel;
  bevel.SetMode(bmEdge);
  bevel.SetBorderInnerWidth(3);
  bevel.SetBorderColor(clLime);
  auto bitmap = Ground(14, 14, clRed);
  // A clear brush left by earlier text drawing must not hide the rings.
  bitmap->Canvas().Brush().SetColor(clLime);
  bitmap->Canvas().Brush().SetStyle(bsClear);
  EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 14, 14}, false), TRect({5, 5, 9, 9}));
  const TSurface& s = bitmap->Surface();
  for (int i = 2; i < 5; ++i) {
    EXPECT_TRUE(PixelIs(s, i, 7, clLime)) << i;
    EXPECT_TRUE(PixelIs(s, 7, i, clLime)) << i;
    EXPECT_TRUE(PixelIs(s, 13 - i, 7, clLime)) << i;
    EXPECT_TRUE(PixelIs(s, 7, 13 - i, clLime)) << i;
    EXPECT_TRUE(PixelIs(s, i, i, clLime)) << i;
  }
  EXPECT_TRUE(PixelIs(s, 5, 5, clRed));
  EXPECT_TRUE(PixelIs(s, 8, 8, clRed));
}

TEST(BevelDraw, SkipBorderLeavesTheRingsUndrawn) {
  TLMDBevel bevel;
  bevel.SetMode(bmEdge);
  bevel.SetBorderInnerWidth(3);
  bevel.SetBorderColor(clLime);
  auto bitmap = Ground(14, 14, clRed);
  EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 14, 14}, true), TRect({5, 5, 9, 9}));
  for (int i = 2; i < 12; ++i) EXPECT_TRUE(PixelIs(bitmap->Surface(), i, 3, clRed)) << i;
  EXPECT_TRUE(PixelIs(bitmap->Surface(), 0, 0, clBtnShadow));
}

TEST(BevelDraw, CustomBevelsUseTheBevelColours) {
  TLMDBevel bevel;
  bevel.SetStyleOuter(bvRaised);
  bevel.SetStyleInner(bvLowered);
  bevel.SetBorderWidth(1);
  bevel.SetLightColor(clYellow);
  bevel.SetShadowColor(clNavy);
  bevel.SetBorderColor(clLime);
  auto bitmap = Ground(10, 10, clRed);
  EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 10, 10}, false), TRect({3, 3, 7, 7}));
  const TSurface& s = bitmap->Surface();
  EXPECT_TRUE(PixelIs(s, 0, 5, clYellow));  // raised outer: light top-left
  EXPECT_TRUE(PixelIs(s, 9, 5, clNavy));
  EXPECT_TRUE(PixelIs(s, 1, 5, clLime));  // border ring
  EXPECT_TRUE(PixelIs(s, 2, 5, clNavy));  // lowered inner: shadow top-left
  EXPECT_TRUE(PixelIs(s, 7, 5, clYellow));
  EXPECT_TRUE(PixelIs(s, 3, 3, clRed));
}

TEST(BevelDraw, ShadowBevelCastsItsShadowInsideTheFrame) {
  TLMDBevel bevel;
  bevel.SetStyleInner(bvShadow);
  bevel.SetWidthInner(2);
  bevel.SetWidthOuter(1);
  bevel.SetLightColor(clYellow);
  bevel.SetShadowColor(clNavy);
  bevel.SetBorderColor(clLime);
  auto bitmap = Ground(10, 10, clRed);
  EXPECT_EQ(bevel.DrawBevel(bitmap->Canvas(), {0, 0, 10, 10}, false), TRect({2, 2, 8, 8}));
  const TSurface& s = bitmap->Surface();
  EXPECT_TRUE(PixelIs(s, 0, 0, clYellow));
  EXPECT_TRUE(PixelIs(s, 8, 0, clYellow));
  EXPECT_TRUE(PixelIs(s, 8, 8, clYellow));
  EXPECT_TRUE(PixelIs(s, 9, 0, clLime));
  EXPECT_TRUE(PixelIs(s, 0, 9, clLime));
  EXPECT_TRUE(PixelIs(s, 9, 1, clNavy));
  EXPECT_TRUE(PixelIs(s, 1, 9, clNavy));
  EXPECT_TRUE(PixelIs(s, 9, 9, clNavy));
  EXPECT_TRUE(PixelIs(s, 2, 2, clRed));
  EXPECT_TRUE(PixelIs(s, 7, 7, clRed));
}

}  // namespace
