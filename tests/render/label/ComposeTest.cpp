#include <gtest/gtest.h>

#include "pictures/Jpeg.h"
#include "render/Compose.h"
#include "support/PixelAssert.h"
#include "toolkit/windowless/Control.h"
#include "toolkit/windowless/HeadlessHost.h"

namespace {

// Fills its client area with its colour.
class TBlock : public TGraphicControl {
 public:
  TBlock(TControlHost& host, TRect bounds, TColor color) {
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    SetColor(color);
    SetParent(&host);
  }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
  }
};

TEST(Compose, PaintsTheControlsOverTheBackgroundAtItsSize) {
  TBitmap background(40, 30);
  background.Canvas().Brush().SetColor(clGreen);
  background.Canvas().FillRect({0, 0, 40, 30});
  background.Canvas().SetPixel(0, 0, clYellow);
  THeadlessHost host(100, 100);
  TBlock lower(host, {10, 10, 20, 20}, clRed);
  TBlock upper(host, {15, 15, 60, 25}, clBlue);
  TBlock hidden(host, {0, 20, 5, 30}, clAqua);
  hidden.SetVisible(false);
  // What the window shows plays no part.
  host.Update();
  host.Surface().Image().fill(ColorToPixel(clBlack));

  const std::unique_ptr<TBitmap> picture = ComposeControls(background, host);
  ASSERT_EQ(picture->Width(), 40);
  ASSERT_EQ(picture->Height(), 30);
  EXPECT_EQ(picture->Surface().Image().format(), QImage::Format_RGB32);
  const TSurface& s = picture->Surface();
  EXPECT_TRUE(PixelIs(s, 0, 0, clYellow));
  EXPECT_TRUE(PixelIs(s, 9, 10, clGreen));
  EXPECT_TRUE(PixelIs(s, 10, 10, clRed));
  EXPECT_TRUE(PixelIs(s, 14, 19, clRed));
  EXPECT_TRUE(PixelIs(s, 15, 15, clBlue));
  EXPECT_TRUE(PixelIs(s, 39, 24, clBlue));
  EXPECT_TRUE(PixelIs(s, 39, 25, clGreen));
  EXPECT_TRUE(PixelIs(s, 2, 25, clGreen));
  EXPECT_TRUE(host.InvalidRects().empty());
  EXPECT_EQ(lower.Canvas().Surface(), nullptr);
}

TEST(Compose, AnEmptyBackgroundGivesAnEmptyPicture) {
  TBitmap background;
  THeadlessHost host(10, 10);
  TBlock block(host, {0, 0, 5, 5}, clRed);
  const std::unique_ptr<TBitmap> picture = ComposeControls(background, host);
  EXPECT_TRUE(picture->Empty());
}

// A photo-like picture: every pixel different.
TBitmap& Pattern(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.Canvas().Surface()->SetPixel(x, y, qRgb(x * 5, y * 6, (x * y) & 0xFF));
  return bitmap;
}

TEST(Compose, TheBackgroundKeepsItsPixels) {
  TBitmap background;
  Pattern(background, 30, 20);
  const TSurface before = background.Surface().Copy();
  THeadlessHost host(100, 100);
  TBlock block(host, {0, 0, 30, 20}, clRed);
  const std::unique_ptr<TBitmap> picture = ComposeControls(background, host);
  EXPECT_TRUE(PixelIs(picture->Surface(), 3, 3, clRed));
  EXPECT_TRUE(SameSurface(background.Surface(), before));
}

TEST(Compose, AJpegBackgroundShowsAsItsDecodedBitmap) {
  TBitmap photo;
  TJPEGImage encoder;
  encoder.Assign(Pattern(photo, 48, 40));
  const QByteArray file = encoder.SaveToBytes();
  TJPEGImage background, reference;
  background.LoadFromBytes(file);
  reference.LoadFromBytes(file);
  THeadlessHost host(100, 100);
  TBlock block(host, {10, 10, 20, 15}, clBlue);
  const std::unique_ptr<TBitmap> picture = ComposeControls(background, host);
  const TSurface& want = reference.Bitmap().Surface();
  EXPECT_TRUE(SameArea(picture->Surface(), want, {0, 0, 48, 10}));
  EXPECT_TRUE(SameArea(picture->Surface(), want, {0, 15, 48, 40}));
  EXPECT_TRUE(SameArea(picture->Surface(), want, {20, 10, 48, 15}));
  EXPECT_TRUE(PixelIs(picture->Surface(), 19, 14, clBlue));
}

TEST(Compose, AMaskBackgroundIsDrawnInBlackAndWhite) {
  TBitmap mask(6, 4);
  mask.Canvas().SetPixel(1, 1, clBlack);
  mask.SetMonochrome(true);
  THeadlessHost host(10, 10);
  const std::unique_ptr<TBitmap> picture = NewComposition(mask);
  EXPECT_FALSE(picture->Monochrome());
  EXPECT_TRUE(PixelIs(picture->Surface(), 1, 1, clBlack));
  EXPECT_TRUE(PixelIs(picture->Surface(), 2, 1, clWhite));
  PaintControls(*picture, host);  // no controls: nothing changes
  EXPECT_TRUE(PixelIs(picture->Surface(), 2, 1, clWhite));
}

}  // namespace
