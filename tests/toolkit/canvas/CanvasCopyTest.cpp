#include <gtest/gtest.h>

#include "pictures/Bitmap.h"
#include "support/PixelAssert.h"

namespace {

// A 4 x 1 bitmap of the given colours.
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> colors) {
  auto b = std::make_unique<TBitmap>(static_cast<int>(colors.size()), 1);
  int x = 0;
  for (TColor c : colors) b->Canvas().SetPixel(x++, 0, c);
  return b;
}

}  // namespace

TEST(CanvasCopy, RasterOperationsCombineChannelsBitwise) {
  auto source = Strip({RGB(0x0F, 0xF0, 0x33), clBlack, clWhite, RGB(0x80, 0x01, 0x10)});
  for (TCopyMode mode : {SRCCOPY, SRCAND, SRCPAINT}) {
    TBitmap dest(4, 1);
    dest.Canvas().Brush().SetColor(RGB(0x3C, 0x3C, 0x3C));
    dest.Canvas().FillRect(Rect(0, 0, 4, 1));
    dest.Canvas().SetCopyMode(mode);
    dest.Canvas().CopyRect(Rect(0, 0, 4, 1), source->Canvas(), Rect(0, 0, 4, 1));
    for (int x = 0; x < 4; ++x) {
      const QRgb s = source->Surface().Pixel(x, 0) & 0xFFFFFF, d = 0x3C3C3C;
      const QRgb want = mode == SRCCOPY ? s : mode == SRCAND ? (s & d) : (s | d);
      EXPECT_EQ(dest.Surface().Pixel(x, 0) & 0xFFFFFF, want) << mode << " " << x;
    }
  }
}

TEST(CanvasCopy, StretchingPicksTheNearestSourcePixel) {
  auto source = Strip({clRed, clLime, clBlue, clWhite});
  TBitmap wide(8, 2);
  wide.Canvas().CopyRect(Rect(0, 0, 8, 2), source->Canvas(), Rect(0, 0, 4, 1));
  const TColor expect[] = {clRed, clRed, clLime, clLime, clBlue, clBlue, clWhite, clWhite};
  for (int x = 0; x < 8; ++x) {
    EXPECT_TRUE(PixelIs(wide.Surface(), x, 0, expect[x]));
    EXPECT_TRUE(PixelIs(wide.Surface(), x, 1, expect[x]));
  }
  TBitmap narrow(2, 1);
  narrow.Canvas().CopyRect(Rect(0, 0, 2, 1), source->Canvas(), Rect(0, 0, 4, 1));
  EXPECT_TRUE(PixelIs(narrow.Surface(), 0, 0, clRed));  // pixels are dropped, never blended
  EXPECT_TRUE(PixelIs(narrow.Surface(), 1, 0, clBlue));
}

TEST(CanvasCopy, CopyHonoursOriginsAndTheDestinationClip) {
  auto source = Strip({clRed, clLime, clBlue, clWhite});
  source->Canvas().SetOrigin({-1, 0});  // canvas x 1 is pixel 0
  TBitmap dest(10, 3);
  TCanvas& c = dest.Canvas();
  c.Brush().SetColor(clBlack);
  c.FillRect(Rect(0, 0, 10, 3));
  c.SetOrigin({3, 1});
  c.SelectClipRect(Rect(4, 0, 6, 3));
  c.CopyRect(Rect(0, 0, 4, 1), source->Canvas(), Rect(1, 0, 5, 1));
  EXPECT_TRUE(PixelIs(dest.Surface(), 3, 1, clBlack));  // clipped away
  EXPECT_TRUE(PixelIs(dest.Surface(), 4, 1, clLime));
  EXPECT_TRUE(PixelIs(dest.Surface(), 5, 1, clBlue));
  EXPECT_TRUE(PixelIs(dest.Surface(), 6, 1, clBlack));
}

TEST(CanvasCopy, MonochromeMaskTakesTheDestinationsBackgroundAndTextColours) {
  auto picture = Strip({clRed, clWhite, clRed, clBlue});
  TBitmap mask;
  mask.Assign(*picture);
  mask.Mask(clRed);  // white where red
  ASSERT_TRUE(mask.Monochrome());
  EXPECT_EQ(mask.Surface().Pixel(0, 0), kWhitePixel);
  EXPECT_EQ(mask.Surface().Pixel(1, 0), kBlackPixel);
  TBitmap dest(4, 1);
  dest.Canvas().SetBkColor(clYellow);
  dest.Canvas().SetTextColor(clNavy);
  dest.Canvas().CopyRect(Rect(0, 0, 4, 1), mask.Canvas(), Rect(0, 0, 4, 1));
  EXPECT_TRUE(PixelIs(dest.Surface(), 0, 0, clYellow));
  EXPECT_TRUE(PixelIs(dest.Surface(), 1, 0, clNavy));
  EXPECT_TRUE(PixelIs(dest.Surface(), 2, 0, clYellow));
  EXPECT_TRUE(PixelIs(dest.Surface(), 3, 0, clNavy));
}

TEST(CanvasCopy, ColourOntoMonochromeTurnsTheSourceBackgroundWhite) {
  auto picture = Strip({clRed, clWhite, clRed, clBlue});
  picture->Canvas().SetBkColor(clRed);
  TBitmap mask(4, 1);
  mask.SetMonochrome(true);
  mask.Canvas().CopyRect(Rect(0, 0, 4, 1), picture->Canvas(), Rect(0, 0, 4, 1));
  EXPECT_EQ(mask.Surface().Pixel(0, 0), kWhitePixel);
  EXPECT_EQ(mask.Surface().Pixel(1, 0), kBlackPixel);
  EXPECT_EQ(mask.Surface().Pixel(2, 0), kWhitePixel);
  EXPECT_EQ(mask.Surface().Pixel(3, 0), kBlackPixel);
}

TEST(CanvasCopy, MaskBlitLeavesTheBackgroundWhereTheMaskIsWhite) {
  // SRCAND of the mask (white -> white, black -> black) then SRCPAINT of an
  // image that is black where the mask is white.
  auto image = Strip({clBlack, clRed, clBlack, clBlue});
  auto mask = Strip({clWhite, clBlack, clWhite, clBlack});
  mask->SetMonochrome(true);
  TBitmap dest(4, 1);
  dest.Canvas().Brush().SetColor(clLime);
  dest.Canvas().FillRect(Rect(0, 0, 4, 1));
  dest.Canvas().SetCopyMode(SRCAND);
  dest.Canvas().CopyRect(Rect(0, 0, 4, 1), mask->Canvas(), Rect(0, 0, 4, 1));
  dest.Canvas().SetCopyMode(SRCPAINT);
  dest.Canvas().CopyRect(Rect(0, 0, 4, 1), image->Canvas(), Rect(0, 0, 4, 1));
  EXPECT_TRUE(PixelIs(dest.Surface(), 0, 0, clLime));
  EXPECT_TRUE(PixelIs(dest.Surface(), 1, 0, clRed));
  EXPECT_TRUE(PixelIs(dest.Surface(), 2, 0, clLime));
  EXPECT_TRUE(PixelIs(dest.Surface(), 3, 0, clBlue));
}

TEST(CanvasCopy, CopyWithinOneSurfaceReadsTheOriginalPixels) {
  auto b = Strip({clRed, clLime, clBlue, clWhite});
  b->Canvas().CopyRect(Rect(1, 0, 4, 1), b->Canvas(), Rect(0, 0, 3, 1));
  EXPECT_TRUE(PixelIs(b->Surface(), 1, 0, clRed));
  EXPECT_TRUE(PixelIs(b->Surface(), 2, 0, clLime));
  EXPECT_TRUE(PixelIs(b->Surface(), 3, 0, clBlue));
}

TEST(CanvasCopy, BrushCopyReplacesTheTransparentColourByTheBrush) {
  auto picture = Strip({clWhite, clRed, clWhite, clBlue});
  TBitmap dest(4, 1);
  dest.Canvas().Brush().SetColor(clYellow);
  dest.Canvas().BrushCopy(Rect(0, 0, 4, 1), picture->Surface(), Rect(0, 0, 4, 1), clWhite);
  EXPECT_TRUE(PixelIs(dest.Surface(), 0, 0, clYellow));
  EXPECT_TRUE(PixelIs(dest.Surface(), 1, 0, clRed));
  EXPECT_TRUE(PixelIs(dest.Surface(), 2, 0, clYellow));
  EXPECT_TRUE(PixelIs(dest.Surface(), 3, 0, clBlue));
}

TEST(CanvasBrush, APatternPictureTilesFromTheDeviceOrigin) {
  auto pattern = Strip({clRed, clLime, clBlue});
  TBitmap dest(7, 2);
  dest.Canvas().SetOrigin({1, 0});
  dest.Canvas().Brush().SetBitmap(pattern->Surface());
  dest.Canvas().FillRect(Rect(-1, 0, 6, 2));
  const TColor expect[] = {clRed, clLime, clBlue, clRed, clLime, clBlue, clRed};
  for (int x = 0; x < 7; ++x) {
    EXPECT_TRUE(PixelIs(dest.Surface(), x, 0, expect[x]));
    EXPECT_TRUE(PixelIs(dest.Surface(), x, 1, expect[x]));
  }
}

TEST(Bitmap, SizeCanBeGivenOneSideAtATime) {
  TBitmap b;
  int changes = 0;
  b.OnChange = [&](TGraphic*) { ++changes; };
  b.SetHeight(5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Height(), 5);
  b.SetWidth(7);
  EXPECT_FALSE(b.Empty());
  EXPECT_EQ(b.Width(), 7);
  EXPECT_EQ(b.Height(), 5);
  EXPECT_EQ(changes, 2);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect(Rect(0, 0, 7, 5));
  EXPECT_TRUE(PixelIs(b.Surface(), 6, 4, clRed));
}
