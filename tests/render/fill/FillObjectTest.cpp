#include <gtest/gtest.h>

#include "FillTestSupport.h"
#include "pictures/Bitmap.h"
#include "render/fill/GradientDraw.h"
#include "render/fill/LMDFillObject.h"
#include "toolkit/Exceptions.h"
#include "toolkit/canvas/Hatch.h"

namespace {

using filltest::kGround;
using filltest::PaintedBounds;

// Counts the fill object's change notifications.
struct TChangeCount {
  explicit TChangeCount(TLMDObject& object) {
    object.OnChange = [this, &object](TLMDObject* sender) {
      EXPECT_EQ(sender, &object);
      ++count;
    };
  }
  int count = 0;
};

void SolidPicture(TBitmap& picture, int width, int height, TColor color) {
  picture.SetSize(width, height);
  picture.Canvas().Brush().SetColor(color);
  picture.Canvas().FillRect(Rect(0, 0, width, height));
}

TEST(FillObject, Defaults) {
  TLMDFillObject fill;
  EXPECT_EQ(fill.ClassName(), "TLMDFillObject");
  EXPECT_EQ(fill.Style(), sfNone);
  EXPECT_EQ(fill.TileMode(), tmTile);
  EXPECT_EQ(fill.Alignment(), agTopLeft);
  EXPECT_EQ(fill.OffsetX(), 0);
  EXPECT_EQ(fill.OffsetY(), 0);
  EXPECT_EQ(fill.Options(), 5);
  EXPECT_EQ(fill.Brush().Style(), bsSolid);
  EXPECT_EQ(fill.Brush().Color(), clWhite);
  EXPECT_TRUE(fill.Bitmap().Empty());
  EXPECT_TRUE(fill.ListPicture().Empty());
  EXPECT_EQ(fill.Gradient().RampColors().size(), 16u);
  EXPECT_TRUE(fill.IsEmpty());
  EXPECT_TRUE(fill.IsTransparent());

  TLMDShapeFill shape;
  EXPECT_EQ(shape.Style(), sfBrush);
  EXPECT_EQ(shape.TileMode(), tmTile);
  EXPECT_FALSE(shape.IsEmpty());
}

TEST(FillObject, NewFillPaintsNothing) {
  TLMDFillObject fill;
  TSurface surface = FilledSurface(10, 10, kGround);
  TCanvas canvas(&surface);
  EXPECT_FALSE(fill.PaintRect(canvas, Rect(0, 0, 10, 10), clRed));
  EXPECT_TRUE(PaintedBounds(surface).IsEmpty());
}

TEST(FillObject, PlacedPictureFollowsAlignmentAndOffsets) {
  TLMDFillObject fill;
  SolidPicture(fill.Bitmap(), 10, 10, clRed);
  fill.SetStyle(sfBitmap);
  fill.SetTileMode(tmNone);
  fill.SetAlignment(agBottomRight);
  fill.SetOptions(0);
  TSurface surface = FilledSurface(100, 50, kGround);
  TCanvas canvas(&surface);
  EXPECT_TRUE(fill.PaintRect(canvas, Rect(0, 0, 100, 50), clBlue));
  EXPECT_EQ(PaintedBounds(surface), Rect(90, 40, 100, 50));

  fill.SetOffsetX(-5);
  fill.SetOptions(FillOptionBit(foFillInner));
  EXPECT_TRUE(fill.PaintRect(canvas, Rect(0, 0, 100, 50), clBlue));
  for (int x = 0; x < 100; ++x) EXPECT_TRUE(PixelIs(surface, x, 45, x >= 85 && x < 95 ? clRed : clBlue)) << x;
  EXPECT_TRUE(PixelIs(surface, 0, 0, clBlue));
}

TEST(FillObject, CentredLargerPictureShowsItsMiddle) {
  TLMDFillObject fill;
  fill.Bitmap().SetSize(30, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) fill.Bitmap().Canvas().SetPixel(x, y, RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 0));
  fill.SetStyle(sfBitmap);
  fill.SetTileMode(tmCenter);
  TSurface surface = FilledSurface(40, 40, kGround);
  TCanvas canvas(&surface);
  canvas.SelectClipRect(Rect(5, 5, 15, 25));
  fill.PaintRect(canvas, Rect(5, 5, 15, 25), clBlue);
  // Offsets (10 - 30) div 2 = -10 and (20 - 30) div 2 = -5.
  EXPECT_TRUE(PixelIs(surface, 5, 5, RGB(10, 5, 0)));
  EXPECT_TRUE(PixelIs(surface, 14, 24, RGB(19, 24, 0)));
  EXPECT_EQ(PaintedBounds(surface), Rect(5, 5, 15, 25));
}

TEST(FillObject, EmptyPictureGetsTheInnerFillAndReportsNothingPainted) {
  TLMDFillObject fill;
  fill.SetStyle(sfBitmap);
  EXPECT_TRUE(fill.IsEmpty());
  TSurface surface = FilledSurface(10, 10, kGround);
  TCanvas canvas(&surface);
  EXPECT_FALSE(fill.PaintRect(canvas, Rect(2, 2, 8, 8), clRed));
  EXPECT_EQ(PaintedBounds(surface), Rect(2, 2, 8, 8));
  EXPECT_TRUE(PixelIs(surface, 2, 2, clRed));
}

TEST(FillObject, StretchAndTileSkipTheInnerFill) {
  TLMDFillObject fill;
  SolidPicture(fill.Bitmap(), 3, 3, clRed);
  fill.SetStyle(sfBitmap);
  for (const TLMDTileMode mode : {tmStretch, tmTile}) {
    fill.SetTileMode(mode);
    TSurface surface = FilledSurface(20, 20, kGround);
    TCanvas canvas(&surface);
    canvas.SelectClipRect(Rect(0, 0, 10, 10));
    fill.PaintRect(canvas, Rect(0, 0, 10, 10), clBlue);
    EXPECT_TRUE(PixelIs(surface, 9, 9, clRed));
    EXPECT_FALSE(fill.IsTransparent());
  }
}

TEST(FillObject, HatchedBrushChangesOnlyItsLines) {
  TLMDFillObject fill;
  fill.Brush().SetColor(clRed);
  fill.Brush().SetStyle(bsDiagCross);
  fill.SetStyle(sfBrush);
  TSurface surface = FilledSurface(16, 16, kGround);
  TCanvas canvas(&surface);
  EXPECT_TRUE(fill.PaintRect(canvas, Rect(0, 0, 16, 16), clBlue));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) EXPECT_TRUE(PixelIs(surface, x, y, HatchPaints(bsDiagCross, x, y) ? clRed : kGround));
  EXPECT_FALSE(fill.IsTransparent());
  fill.SetOptions(FillOptionBit(foGrUseBitmap));
  EXPECT_TRUE(fill.IsTransparent());
  fill.Brush().SetStyle(bsSolid);
  EXPECT_FALSE(fill.IsTransparent());
}

TEST(FillObject, TransparencyByStyleAndTileMode) {
  TLMDFillObject fill;
  fill.SetOptions(0);
  fill.SetStyle(sfBitmapList);
  fill.SetTileMode(tmCenter);
  EXPECT_TRUE(fill.IsTransparent());
  fill.SetTileMode(tmStretch);
  EXPECT_FALSE(fill.IsTransparent());
  fill.SetStyle(sfBrushBitmap);
  EXPECT_FALSE(fill.IsTransparent());
  EXPECT_FALSE(fill.IsEmpty());
  fill.SetStyle(sfGradient);
  EXPECT_FALSE(fill.IsTransparent());
  EXPECT_FALSE(fill.IsEmpty());
}

TEST(FillObject, BrushBitmapUsesTheWholePictureFromTheDeviceOrigin) {
  TLMDFillObject fill;
  fill.Bitmap().SetSize(10, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 10; ++x) fill.Bitmap().Canvas().SetPixel(x, y, RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 9));
  fill.SetStyle(sfBrushBitmap);
  TSurface surface = FilledSurface(30, 30, kGround);
  TCanvas canvas(&surface);
  canvas.SetOrigin({4, 1});
  EXPECT_TRUE(fill.PaintRect(canvas, Rect(1, 1, 20, 20), clBlue));
  for (int y = 2; y < 21; ++y)
    for (int x = 5; x < 24; ++x) ASSERT_TRUE(PixelIs(surface, x, y, RGB(static_cast<uint8_t>(x % 10), static_cast<uint8_t>(y % 3), 9)));
  EXPECT_FALSE(canvas.Brush().HasBitmap());
}

TEST(FillObject, GradientPaintsOffscreenUnlessToldNotTo) {
  TLMDFillObject fill;
  fill.SetStyle(sfGradient);
  fill.Gradient().SetStyle(gstElliptic);
  TSurface offscreen = FilledSurface(40, 40, kGround);
  TCanvas offscreenCanvas(&offscreen);
  fill.PaintRectClipped(offscreenCanvas, Rect(10, 10, 30, 30), 0, clBlue);
  EXPECT_EQ(PaintedBounds(offscreen), Rect(10, 10, 30, 30));
  EXPECT_EQ(offscreenCanvas.Pen().Style(), psSolid);

  fill.SetOptions(FillOptionBit(foFillInner));
  TSurface direct = FilledSurface(40, 40, kGround);
  TCanvas directCanvas(&direct);
  EXPECT_TRUE(fill.PaintRect(directCanvas, Rect(10, 10, 30, 30), clBlue));
  EXPECT_EQ(directCanvas.Pen().Style(), psClear);
  EXPECT_TRUE(Rect(10, 10, 30, 30) != PaintedBounds(direct));  // the ellipses reach outside
}

TEST(FillObject, GradientPaletteGoesToTheCanvas) {
  TLMDFillObject fill;
  fill.SetStyle(sfGradient);
  fill.Gradient().SetPaletteRealize(true);
  EXPECT_EQ(fill.FillPalette(), fill.Gradient().PaletteHandle());
  TSurface surface = FilledSurface(10, 10, kGround);
  TCanvas canvas(&surface);
  fill.PaintRect(canvas, Rect(0, 0, 10, 10), clBlue);
  EXPECT_EQ(canvas.Palette(), fill.Gradient().PaletteHandle());
  EXPECT_TRUE(PixelIs(surface, 0, 0, clBlue));
}

TEST(FillObject, PaintRectClippedLeavesNoClipRegion) {
  TLMDFillObject fill;
  SolidPicture(fill.Bitmap(), 7, 7, clRed);
  fill.SetStyle(sfBitmap);
  TSurface surface = FilledSurface(60, 60, kGround);
  TCanvas canvas(&surface);
  canvas.SetOrigin({20, 10});
  canvas.SelectClipRect(Rect(0, 0, 5, 5));
  fill.PaintRectClipped(canvas, Rect(2, 3, 22, 13), 20 | (10 << 16), clBlue);
  EXPECT_EQ(PaintedBounds(surface), Rect(22, 13, 42, 23));
  EXPECT_FALSE(canvas.ClipRegion().has_value());
}

TEST(FillObject, PaintRectClippedWithoutOriginClipsInDeviceCoordinates) {
  TLMDFillObject fill;
  SolidPicture(fill.Bitmap(), 7, 7, clRed);
  fill.SetStyle(sfBitmap);
  TSurface surface = FilledSurface(60, 60, kGround);
  TCanvas canvas(&surface);
  fill.PaintRectClipped(canvas, Rect(2, 3, 22, 13), 0, clBlue);
  EXPECT_EQ(PaintedBounds(surface), Rect(2, 3, 22, 13));
  EXPECT_FALSE(canvas.ClipRegion().has_value());
}

TEST(FillObject, OwnedObjectsNotifyThroughTheFill) {
  TLMDFillObject fill;
  TChangeCount changes(fill);
  fill.Gradient().SetColorCount(40);
  EXPECT_EQ(changes.count, 1);
  fill.Brush().SetColor(clRed);
  EXPECT_EQ(changes.count, 2);
  fill.Bitmap().SetSize(4, 4);
  EXPECT_EQ(changes.count, 3);
  fill.ListPicture().SetSize(4, 4);
  EXPECT_EQ(changes.count, 3);
}

TEST(FillObject, SettersNotifyOnlyForChanges) {
  TLMDFillObject fill;
  TChangeCount changes(fill);
  fill.SetStyle(sfNone);
  fill.SetTileMode(tmTile);
  fill.SetOptions(5);
  EXPECT_EQ(changes.count, 0);
  fill.SetStyle(sfBrush);
  fill.SetTileMode(tmNone);
  fill.SetOptions(0);
  EXPECT_EQ(changes.count, 3);
}

TEST(FillObject, PlacementNotifiesOnlyWhileItShows) {
  TLMDFillObject fill;
  TChangeCount changes(fill);
  fill.SetAlignment(agCenter);
  fill.SetOffsetX(3);
  fill.SetOffsetY(4);
  EXPECT_EQ(changes.count, 0);
  EXPECT_EQ(fill.Alignment(), agCenter);
  EXPECT_EQ(fill.OffsetX(), 3);
  EXPECT_EQ(fill.OffsetY(), 4);
  fill.SetStyle(sfBitmapList);
  fill.SetTileMode(tmNone);
  changes.count = 0;
  fill.SetAlignment(agBottomLeft);
  fill.SetOffsetX(-1);
  fill.SetOffsetY(-2);
  fill.SetOffsetY(-2);
  EXPECT_EQ(changes.count, 3);
}

TEST(FillObject, CopyFromCopiesAllButThePlacementAndNotifiesOnce) {
  TLMDFillObject source;
  source.Brush().SetColor(clRed);
  source.Brush().SetStyle(bsCross);
  source.SetOptions(FillOptionBit(foQuickDraw));
  SolidPicture(source.Bitmap(), 3, 2, clLime);
  SolidPicture(source.ListPicture(), 5, 1, clLime);
  source.Gradient().ColorList() = {clRed, clBlue};
  source.Gradient().SetTwoColors(false);
  source.SetStyle(sfGradient);
  source.SetTileMode(tmStretch);
  source.SetAlignment(agBottomRight);
  source.SetOffsetX(7);

  TLMDFillObject target;
  target.SetAlignment(agCenter);
  target.SetOffsetY(-3);
  TChangeCount changes(target);
  target.CopyFrom(&source);
  EXPECT_EQ(changes.count, 1);
  EXPECT_EQ(target.Brush().Color(), clRed);
  EXPECT_EQ(target.Brush().Style(), bsCross);
  EXPECT_EQ(target.Options(), FillOptionBit(foQuickDraw));
  EXPECT_EQ(target.Bitmap().Width(), 3);
  EXPECT_EQ(target.ListPicture().Width(), 5);
  EXPECT_EQ(target.Gradient().ColorList(), source.Gradient().ColorList());
  EXPECT_EQ(target.Gradient().RampColors(), source.Gradient().RampColors());
  EXPECT_EQ(target.Style(), sfGradient);
  EXPECT_EQ(target.TileMode(), tmStretch);
  EXPECT_EQ(target.Alignment(), agCenter);
  EXPECT_EQ(target.OffsetX(), 0);
  EXPECT_EQ(target.OffsetY(), -3);

  target.CopyFrom(&target);
  EXPECT_EQ(changes.count, 1);
}

TEST(FillObject, CopyFromAShapeFillCopiesTheSharedPart) {
  TLMDShapeFill shape;
  shape.SetTileMode(tmCenter);
  SolidPicture(shape.Bitmap(), 2, 2, clRed);
  TLMDFillObject fill;
  fill.Brush().SetColor(clRed);
  TChangeCount changes(fill);
  fill.CopyFrom(&shape);
  EXPECT_EQ(changes.count, 1);
  EXPECT_EQ(fill.Style(), sfBrush);
  EXPECT_EQ(fill.TileMode(), tmCenter);
  EXPECT_EQ(fill.Bitmap().Width(), 2);
  EXPECT_EQ(fill.Brush().Color(), clRed);

  TLMDShapeFill other;
  other.CopyFrom(&fill);
  EXPECT_EQ(other.TileMode(), tmCenter);
}

TEST(FillObject, CopyFromRefusesOtherKinds) {
  TLMDFillObject fill;
  TLMDGradient gradient;
  try {
    fill.CopyFrom(&gradient);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TLMDGradient to a TLMDFillObject");
  }
  TLMDShapeFill shape;
  EXPECT_THROW(shape.CopyFrom(nullptr), EConvertError);
}

TEST(FillObject, SettingOwnedObjectsCopiesIntoThem) {
  TLMDFillObject fill;
  TBitmap* const picture = &fill.Bitmap();
  TLMDGradient* const gradient = &fill.Gradient();
  TChangeCount changes(fill);
  TBitmap other;
  SolidPicture(other, 4, 5, clRed);
  fill.SetBitmap(other);
  TLMDGradient otherGradient;
  otherGradient.SetStyle(gstSquare);
  fill.SetGradient(otherGradient);
  TBrush brush;
  brush.SetStyle(bsVertical);
  fill.SetBrush(brush);
  EXPECT_EQ(&fill.Bitmap(), picture);
  EXPECT_EQ(&fill.Gradient(), gradient);
  EXPECT_EQ(fill.Bitmap().Height(), 5);
  EXPECT_EQ(fill.Gradient().Style(), gstSquare);
  EXPECT_EQ(fill.Brush().Style(), bsVertical);
  EXPECT_EQ(changes.count, 3);
}

TEST(FillObject, FillPaletteByStyle) {
  TLMDFillObject fill;
  const HPALETTE picturePalette = std::make_shared<TLogPalette>(TLogPalette{{qRgb(1, 2, 3)}});
  const HPALETTE listPalette = std::make_shared<TLogPalette>(TLogPalette{{qRgb(4, 5, 6)}});
  fill.Bitmap().SetPalette(picturePalette);
  fill.ListPicture().SetPalette(listPalette);
  EXPECT_EQ(fill.FillPalette(), nullptr);
  fill.SetStyle(sfBrushBitmap);
  EXPECT_EQ(fill.FillPalette(), picturePalette);
  fill.SetStyle(sfBitmap);
  EXPECT_EQ(fill.FillPalette(), picturePalette);
  fill.SetStyle(sfBitmapList);
  EXPECT_EQ(fill.FillPalette(), listPalette);
  fill.SetStyle(sfBrush);
  EXPECT_EQ(fill.FillPalette(), nullptr);
}

}  // namespace
