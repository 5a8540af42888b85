#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "FillTestSupport.h"
#include "pictures/Bitmap.h"
#include "render/fill/PictureDraw.h"

namespace {

using filltest::kGround;
using filltest::PaintedBounds;

// A picture whose every pixel tells its position.
TColor Marker(int x, int y) { return RGB(static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 11), 0x80); }

void Paint(TBitmap& picture, int width, int height, const std::function<TColor(int, int)>& colorAt) {
  picture.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.Canvas().SetPixel(x, y, colorAt(x, y));
}

TEST(PictureDraw, TilesFillTheGridFromTheTopLeftCorner) {
  TBitmap picture;
  Paint(picture, 30, 20, Marker);
  TSurface surface = FilledSurface(200, 150, kGround);
  TCanvas canvas(&surface);
  DrawPicture(canvas, Rect(10, 10, 110, 60), picture, 0, pdfTile);
  // Columns 0 ... 4 and rows 0 ... 3: 20 tiles covering (10, 10) to (160, 90).
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) {
      const bool tiled = x >= 10 && x < 160 && y >= 10 && y < 90;
      ASSERT_TRUE(PixelIs(surface, x, y, tiled ? Marker((x - 10) % 30, (y - 10) % 20) : kGround));
    }
}

TEST(PictureDraw, TilesAreClippedByTheCanvasOnly) {
  TBitmap picture;
  Paint(picture, 30, 20, Marker);
  TSurface surface = FilledSurface(200, 150, kGround);
  TCanvas canvas(&surface);
  canvas.SelectClipRect(Rect(10, 10, 110, 60));
  DrawPicture(canvas, Rect(10, 10, 110, 60), picture, 0, pdfTile);
  EXPECT_EQ(PaintedBounds(surface), Rect(10, 10, 110, 60));
  EXPECT_TRUE(PixelIs(surface, 109, 59, Marker(9, 9)));
}

struct TPlacementCase {
  const char* name;
  PictureDrawFlags flags;
  TRect rect;
  TRect box;
};

class PicturePlacement : public ::testing::TestWithParam<TPlacementCase> {};

TEST_P(PicturePlacement, PutsTheWholePictureInItsBox) {
  const TPlacementCase& c = GetParam();
  TBitmap picture;
  Paint(picture, 40, 30, Marker);
  TSurface surface = FilledSurface(200, 200, kGround);
  TCanvas canvas(&surface);
  canvas.SetOrigin({20, 20});
  DrawPicture(canvas, c.rect, picture, 0, c.flags);
  const TRect box = c.box.Offset(20, 20);
  EXPECT_EQ(PaintedBounds(surface), box);
  EXPECT_TRUE(PixelIs(surface, box.Left, box.Top, Marker(0, 0)));
  EXPECT_TRUE(PixelIs(surface, box.Right - 1, box.Bottom - 1, Marker(39, 29)));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PicturePlacement,
    ::testing::Values(TPlacementCase{"NaturalSize", 0, Rect(5, 5, 100, 100), Rect(5, 5, 45, 35)},
                      TPlacementCase{"Centred", pdfCenter, Rect(0, 0, 100, 100), Rect(30, 35, 70, 65)},
                      // (21 - 40) div 2 = -9 and (11 - 30) div 2 = -9: truncated toward zero.
                      TPlacementCase{"CentredLarger", pdfCenter, Rect(50, 50, 71, 61), Rect(41, 41, 81, 71)},
                      TPlacementCase{"Stretched", pdfStretch, Rect(0, 0, 100, 100), Rect(0, 0, 100, 100)},
                      TPlacementCase{"KeepWidth", pdfStretch | pdfKeepWidth, Rect(0, 0, 100, 100), Rect(0, 0, 100, 75)},
                      TPlacementCase{"KeepHeight", pdfStretch | pdfKeepHeight, Rect(0, 0, 100, 100), Rect(0, 0, 133, 100)},
                      TPlacementCase{"KeepBoth", pdfStretch | pdfKeepWidth | pdfKeepHeight, Rect(0, 0, 100, 100),
                                     Rect(0, 0, 100, 75)},
                      TPlacementCase{"KeepBothTall", pdfStretch | pdfKeepWidth | pdfKeepHeight, Rect(0, 0, 100, 45),
                                     Rect(0, 0, 60, 45)},
                      TPlacementCase{"StretchOverridesCentre", pdfCenter | pdfStretch, Rect(0, 0, 80, 60),
                                     Rect(0, 0, 80, 60)},
                      TPlacementCase{"TileOverridesStretch", pdfStretch | pdfTile, Rect(0, 0, 40, 30), Rect(0, 0, 120, 90)},
                      // Columns 0 ... 3 and rows 0 ... 2 of 40 x 30 tiles from the corner.
                      TPlacementCase{"TileOverridesCentre", pdfCenter | pdfTile, Rect(0, 0, 100, 50), Rect(0, 0, 160, 90)},
                      TPlacementCase{"TileOverridesStretchToALargerRect", pdfStretch | pdfKeepWidth | pdfTile,
                                     Rect(5, 5, 105, 55), Rect(5, 5, 165, 95)}),
    [](const ::testing::TestParamInfo<TPlacementCase>& info) { return std::string(info.param.name); });

TEST(PictureDraw, PlainCopyUsesTheCopyMode) {
  TBitmap picture;
  Paint(picture, 4, 4, [](int, int) { return RGB(0x0F, 0xFF, 0xF0); });
  TSurface surface = FilledSurface(4, 4, RGB(0xFF, 0x0F, 0xFF));
  TCanvas canvas(&surface);
  canvas.SetCopyMode(SRCAND);
  DrawPicture(canvas, Rect(0, 0, 4, 4), picture, 0, 0);
  EXPECT_TRUE(PixelIs(surface, 3, 3, RGB(0x0F, 0x0F, 0xF0)));
  EXPECT_EQ(canvas.CopyMode(), SRCAND);
}

// A white picture with a red square at (3, 3) to (7, 7).
TColor RedSquareOnWhite(int x, int y) { return x >= 3 && x < 7 && y >= 3 && y < 7 ? clRed : clWhite; }

TEST(PictureDraw, KeyColourShowsTheDestinationThrough) {
  TBitmap picture;
  Paint(picture, 10, 10, RedSquareOnWhite);
  TSurface surface = FilledSurface(30, 30, clBlue);
  TCanvas canvas(&surface);
  canvas.SetTextColor(clLime);
  canvas.SetBkColor(clYellow);
  canvas.SetCopyMode(SRCPAINT);
  DrawPicture(canvas, Rect(0, 0, 30, 30), picture, clWhite, pdfKeyColorMask | pdfTile);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_TRUE(PixelIs(surface, x, y, RedSquareOnWhite(x % 10, y % 10) == clRed ? clRed : clBlue));
  EXPECT_EQ(canvas.TextColor(), clLime);
  EXPECT_EQ(canvas.BkColor(), clYellow);
  EXPECT_EQ(canvas.CopyMode(), SRCPAINT);
}

TEST(PictureDraw, MaskedDrawingKeepsTheDestinationWhereTheMaskIsWhite) {
  TBitmap image, mask;
  Paint(image, 8, 2, [](int x, int) { return x < 4 ? clBlack : clRed; });
  Paint(mask, 8, 2, [](int x, int) { return x < 4 ? clWhite : clBlack; });
  mask.SetMonochrome(true);
  TSurface surface = FilledSurface(8, 2, clBlue);
  TCanvas canvas(&surface);
  canvas.SetTextColor(clLime);
  canvas.SetBkColor(clYellow);
  DrawPictureRect(canvas, Rect(0, 0, 8, 2), image.Canvas(), &mask.Canvas(), {}, 0, pdfMasked, Rect(0, 0, 8, 2));
  for (int x = 0; x < 8; ++x) EXPECT_TRUE(PixelIs(surface, x, 1, x < 4 ? clBlue : clRed));
  EXPECT_EQ(canvas.TextColor(), clLime);
  EXPECT_EQ(canvas.BkColor(), clYellow);
  EXPECT_EQ(canvas.CopyMode(), SRCCOPY);
}

TEST(PictureDraw, BrushCopyReplacesTheBottomLeftColourByTheBrush) {
  TBitmap picture;
  Paint(picture, 6, 6, [](int x, int y) { return x == y ? clRed : clLime; });
  picture.Canvas().SetPixel(0, 5, clLime);
  TSurface surface = FilledSurface(6, 6, clBlue);
  TCanvas canvas(&surface);
  DrawPicture(canvas, Rect(0, 0, 6, 6), picture, clYellow, pdfBrushCopy);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_TRUE(PixelIs(surface, x, y, x == y ? clRed : clYellow));
  EXPECT_EQ(canvas.Brush().Color(), clYellow);
}

TEST(PictureDraw, MakeColorMaskSplitsKeyPixelsFromTheImage) {
  TBitmap source;
  Paint(source, 12, 12, [](int x, int y) { return RedSquareOnWhite(x - 2, y - 2); });
  TBitmap mask, image;
  MakeColorMask(source.Canvas(), Rect(2, 2, 12, 12), mask, image, clRed);
  ASSERT_EQ(mask.Width(), 10);
  ASSERT_EQ(image.Height(), 10);
  EXPECT_TRUE(mask.Monochrome());
  EXPECT_FALSE(image.Monochrome());
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool key = RedSquareOnWhite(x, y) == clRed;
      EXPECT_TRUE(PixelIs(mask.Surface(), x, y, key ? clWhite : clBlack));
      EXPECT_TRUE(PixelIs(image.Surface(), x, y, key ? clBlack : clWhite));
    }
  EXPECT_EQ(image.Canvas().CopyMode(), SRCCOPY);
  EXPECT_EQ(image.Canvas().BkColor(), clWhite);
}

TEST(PictureDraw, MakeColorMaskMayMaskItsOwnSource) {
  TBitmap text, scratch;
  Paint(text, 10, 10, RedSquareOnWhite);
  MakeColorMask(text.Canvas(), Rect(0, 0, 10, 10), text, scratch, clWhite);
  EXPECT_TRUE(text.Monochrome());
  EXPECT_TRUE(PixelIs(text.Surface(), 0, 0, clWhite));
  EXPECT_TRUE(PixelIs(text.Surface(), 4, 4, clBlack));
  EXPECT_TRUE(PixelIs(scratch.Surface(), 0, 0, clBlack));
  EXPECT_TRUE(PixelIs(scratch.Surface(), 4, 4, clRed));
}

TEST(PictureDraw, MaskBlitStretchesMaskAndImageAlike) {
  TBitmap image, mask;
  Paint(image, 2, 1, [](int x, int) { return x == 0 ? clBlack : clRed; });
  Paint(mask, 2, 1, [](int x, int) { return x == 0 ? clWhite : clBlack; });
  mask.SetMonochrome(true);
  TSurface surface = FilledSurface(4, 2, clBlue);
  TCanvas canvas(&surface);
  canvas.SetCopyMode(SRCPAINT);
  MaskBlit(canvas, Rect(0, 0, 4, 2), mask.Canvas(), image.Canvas(), Rect(0, 0, 2, 1));
  for (int x = 0; x < 4; ++x) EXPECT_TRUE(PixelIs(surface, x, 1, x < 2 ? clBlue : clRed));
  EXPECT_EQ(canvas.CopyMode(), SRCPAINT);
}

TEST(PictureDraw, EmptyRectangleOrPictureDrawsNothing) {
  TBitmap picture;
  Paint(picture, 5, 5, Marker);
  TBitmap empty;
  TSurface surface = FilledSurface(20, 20, kGround);
  TCanvas canvas(&surface);
  DrawPicture(canvas, Rect(5, 5, 5, 15), picture, 0, pdfTile);
  DrawPicture(canvas, Rect(0, 0, 20, 20), empty, 0, pdfTile | pdfStretch | pdfKeepWidth | pdfKeepHeight);
  DrawPicture(canvas, Rect(0, 0, 20, 20), empty, clWhite, pdfKeyColorMask);
  EXPECT_TRUE(PaintedBounds(surface).IsEmpty());
}

TEST(PictureDraw, PaletteIsSelectedOnlyWhenAskedFor) {
  TBitmap picture;
  Paint(picture, 5, 5, Marker);
  const HPALETTE palette = std::make_shared<TLogPalette>(TLogPalette{{qRgb(1, 2, 3)}});
  picture.SetPalette(palette);
  TSurface surface = FilledSurface(20, 20, kGround);
  TCanvas canvas(&surface);
  DrawPicture(canvas, Rect(0, 0, 20, 20), picture, 0, 0);
  EXPECT_EQ(canvas.Palette(), nullptr);
  DrawPicture(canvas, Rect(0, 0, 20, 20), picture, clWhite, pdfPalette | pdfKeyColorMask);
  EXPECT_EQ(canvas.Palette(), palette);
  EXPECT_TRUE(PixelIs(surface, 4, 4, Marker(4, 4)));
}

}  // namespace

namespace {

// Tiling by blocks of small tiles against drawing every tile on its own.
enum TTileMode { kPlain, kPlainAnd, kMonochrome, kKeyColour, kMasked, kBrushCopy };

class SmallTiles : public ::testing::TestWithParam<std::tuple<int, TSize>> {};

TEST_P(SmallTiles, DrawTheSamePixelsAsEveryTileOnItsOwn) {
  const auto mode = static_cast<TTileMode>(std::get<0>(GetParam()));
  const TSize tile = std::get<1>(GetParam());
  // The source: a picture with a margin, of which SourceRect is the tile.
  TBitmap source, mask;
  Paint(source, tile.cx + 3, tile.cy + 2, [](int x, int y) { return (x + y) % 3 == 0 ? clWhite : Marker(x, y); });
  Paint(mask, tile.cx + 3, tile.cy + 2, [](int x, int y) { return (x * y) % 2 == 0 ? clWhite : clBlack; });
  mask.SetMonochrome(true);
  if (mode == kMonochrome) source.SetMonochrome(true);
  const TRect sourceRect = Bounds(2, 1, tile.cx, tile.cy);
  const TRect rect = Rect(-3, 4, 150, 97);

  TSurface blocked = FilledSurface(170, 120, kGround);
  TSurface single = blocked;
  single.Image().detach();
  TCanvas blockedCanvas(&blocked), singleCanvas(&single);
  for (TCanvas* canvas : {&blockedCanvas, &singleCanvas}) {
    canvas->SetOrigin({5, 2});
    canvas->SelectClipRect(Rect(0, 3, 160, 110));
    canvas->SetTextColor(clRed);
    canvas->SetBkColor(clLime);
    if (mode == kPlainAnd) canvas->SetCopyMode(SRCAND);
  }
  const PictureDrawFlags flags = pdfTile | (mode == kKeyColour ? pdfKeyColorMask : 0) | (mode == kMasked ? pdfMasked : 0) |
                                 (mode == kBrushCopy ? pdfBrushCopy : 0);
  const TMaskOrPicture maskOrPicture = mode == kMasked ? TMaskOrPicture(&mask.Canvas())
                                       : mode == kBrushCopy ? TMaskOrPicture(&source)
                                                            : TMaskOrPicture();
  DrawPictureRect(blockedCanvas, rect, source.Canvas(), maskOrPicture, {}, clWhite, flags, sourceRect);

  const int columns = rect.Width() / tile.cx + 1, rows = rect.Height() / tile.cy + 1;
  TBitmap keyMask, keyImage;
  MakeColorMask(source.Canvas(), sourceRect, keyMask, keyImage, clWhite);
  const TColor transparent = PixelToColor(source.Surface().Pixel(0, source.Height() - 1));
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= columns; ++c) {
      const TRect box = Bounds(rect.Left + c * tile.cx, rect.Top + r * tile.cy, tile.cx, tile.cy);
      switch (mode) {
        case kKeyColour:
        case kMasked: {
          singleCanvas.SetBkColor(clWhite);
          singleCanvas.SetTextColor(clBlack);
          if (mode == kMasked) MaskBlit(singleCanvas, box, mask.Canvas(), source.Canvas(), sourceRect);
          else MaskBlit(singleCanvas, box, keyMask.Canvas(), keyImage.Canvas(), Rect(0, 0, tile.cx, tile.cy));
          break;
        }
        case kBrushCopy:
          singleCanvas.Brush().SetColor(clWhite);
          singleCanvas.BrushCopy(box, source.Surface(), sourceRect, transparent);
          break;
        default: singleCanvas.CopyRect(box, source.Canvas(), sourceRect); break;
      }
    }
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 170; ++x) ASSERT_EQ(blocked.Pixel(x, y), single.Pixel(x, y)) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(EveryDrawing, SmallTiles,
                         ::testing::Combine(::testing::Range(0, 6),
                                            ::testing::Values(TSize{1, 1}, TSize{3, 5}, TSize{7, 2}, TSize{64, 1},
                                                              TSize{70, 30})));

TEST(PictureDraw, TilesOfASourceReachingPastItsPictureAreDrawnOneByOne) {
  TBitmap picture;
  Paint(picture, 4, 4, Marker);
  TSurface surface = FilledSurface(40, 40, kGround);
  TCanvas canvas(&surface);
  // Columns 2 and 3 of the source lie outside the picture: copies leave them alone.
  DrawPictureRect(canvas, Rect(0, 0, 20, 4), picture.Canvas(), nullptr, {}, 0, pdfTile, Rect(2, 0, 6, 4));
  EXPECT_TRUE(PixelIs(surface, 4, 0, Marker(2, 0)));
  EXPECT_TRUE(PixelIs(surface, 6, 0, kGround));
  EXPECT_TRUE(PixelIs(surface, 21, 7, Marker(3, 3)));
}

}  // namespace

namespace {

TEST(PictureDraw, HugeTiledRectanglesDrawOnlyWhatTheCanvasShows) {
  TBitmap picture;
  Paint(picture, 3, 2, Marker);
  TSurface surface = FilledSurface(20, 20, kGround);
  TCanvas canvas(&surface);
  canvas.SetOrigin({4, 0});
  const int32_t far = 1073741823;
  DrawPicture(canvas, Rect(-far, -far, far, far), picture, 0, pdfTile);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_TRUE(PixelIs(surface, x, y, Marker(static_cast<int>((int64_t{x} - 4 + far) % 3), static_cast<int>((int64_t{y} + far) % 2))));
}

}  // namespace
