// What a preview draws: a JPEG decoded at the smallest scale that covers
// the drawn size, kept while later sizes fit in it, and shrunk to the drawn
// size by area averaging; a copy that cannot be decoded larger still shows.
#include <gtest/gtest.h>

#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "pictures/PicturePreview.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"
#include "toolkit/canvas/AreaAverage.h"

namespace {

TSurface Photo(int32_t width, int32_t height) {
  TSurface photo(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) photo.SetPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, (x ^ y) & 0xFF));
  return photo;
}

// A JPEG as read from a file: its compressed bytes, not yet decoded.
std::unique_ptr<TJPEGImage> Jpeg(int32_t width, int32_t height) {
  TJPEGImage encoder;
  encoder.Assign(TBitmap(Photo(width, height)));
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->LoadFromBytes(encoder.SaveToBytes());
  return jpeg;
}

struct TScaleCase {
  TSize Drawn;
  TSize Decoded;
};

class PreviewScales : public ::testing::TestWithParam<TScaleCase> {};

// 1000 x 750: an eighth is 125 x 94, a quarter 250 x 188, a half 500 x 375.
TEST_P(PreviewScales, DecodeAtTheSmallestCoveringScaleAndShrinkByAreaAveraging) {
  const TScaleCase& c = GetParam();
  const std::unique_ptr<TJPEGImage> jpeg = Jpeg(1000, 750);
  TPicturePreview preview(*jpeg);
  EXPECT_EQ(preview.Size(), (TSize{1000, 750}));
  const TSurface drawn = preview.Pixels(c.Drawn);
  ASSERT_EQ(preview.Decoded().Width(), c.Decoded.cx);
  ASSERT_EQ(preview.Decoded().Height(), c.Decoded.cy);
  EXPECT_TRUE(SameSurface(drawn, AreaAverage(preview.Decoded(), c.Drawn)));
  // The picture keeps its settings and stays undecoded.
  EXPECT_EQ(jpeg->Settings().Scale, jsFullSize);
  EXPECT_EQ(jpeg->Width(), 1000);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PreviewScales,
                         ::testing::Values(TScaleCase{{125, 94}, {125, 94}}, TScaleCase{{100, 75}, {125, 94}},
                                           TScaleCase{{126, 50}, {250, 188}}, TScaleCase{{250, 188}, {250, 188}},
                                           TScaleCase{{425, 318}, {500, 375}}, TScaleCase{{501, 375}, {1000, 750}},
                                           TScaleCase{{1000, 750}, {1000, 750}}));

TEST(PicturePreview, AGrowingSizeDecodesAgainOnlyPastTheKeptCopy) {
  TPicturePreview preview(*Jpeg(1000, 750));
  preview.Pixels({100, 75});
  const qint64 eighth = preview.Decoded().Image().cacheKey();
  preview.Pixels({125, 90});
  preview.Pixels({40, 30});
  EXPECT_EQ(preview.Decoded().Image().cacheKey(), eighth);
  preview.Pixels({200, 150});
  EXPECT_EQ(preview.Decoded().Width(), 250);
  // Smaller again: the larger copy serves, and the shrink comes from it.
  const TSurface small = preview.Pixels({100, 75});
  EXPECT_EQ(preview.Decoded().Width(), 250);
  EXPECT_TRUE(SameSurface(small, AreaAverage(preview.Decoded(), {100, 75})));
}

TEST(PicturePreview, OtherKindsAreShrunkFromTheirOwnPixels) {
  const TSurface photo = Photo(90, 60);
  TPicturePreview preview{TBitmap(photo)};
  EXPECT_TRUE(SameSurface(preview.Pixels({30, 20}), AreaAverage(photo, {30, 20})));
  EXPECT_TRUE(SameSurface(preview.Pixels({90, 60}), photo));
}

// A picture that decodes at 1/8 but fails any larger.
class TFailingLarger : public TBitmap {
 public:
  explicit TFailingLarger(TSurface pixels) : TBitmap(std::move(pixels)) {}
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TFailingLarger>(Surface()); }
  TSurface PixelsCovering(TSize size) override {
    if (size.cx > Width() / 8) throw EOutOfMemory();
    return AreaAverage(Surface(), {Width() / 8, Height() / 8});
  }
};

TEST(PicturePreview, ACopyThatCannotBeDecodedLargerIsGivenAsItIs) {
  TFailingLarger picture(Photo(160, 80));
  TPicturePreview preview(picture);
  EXPECT_THROW(TPicturePreview(picture).Pixels({40, 20}), EOutOfMemory);
  EXPECT_EQ(preview.Pixels({20, 10}).Width(), 20);
  const TSurface& kept = preview.Pixels({40, 20});
  EXPECT_EQ(kept.Width(), 20);
  EXPECT_EQ(kept.Height(), 10);
}

TEST(PicturePreview, AnEmptyPictureDrawsNothing) {
  TPicturePreview none;
  EXPECT_TRUE(none.Empty());
  EXPECT_TRUE(none.Pixels({10, 10}).IsNull());
  TPicturePreview empty{TBitmap()};
  EXPECT_TRUE(empty.Empty());
  EXPECT_TRUE(empty.Pixels({0, 0}).IsNull());
}

}  // namespace
