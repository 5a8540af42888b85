// Where the browser's preview draws a picture: at its own size when it
// fits, else scaled down keeping its aspect ratio, centred; worked out
// again when the window is resized.
#include "Unit4Support.h"
#include "support/PixelAssert.h"

namespace {

struct TPreviewCase {
  int32_t width, height;              // the picture
  int32_t clientWidth, clientHeight;  // the preview
  TRect drawn;
};

// The preview as shown, and the box of its red pixels.
TRect RedBox() {
  const QImage shown = Form4->Preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
  TRect box;
  for (int32_t y = 0; y < shown.height(); ++y)
    for (int32_t x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) == qRgb(255, 0, 0)) box = box.Union({x, y, x + 1, y + 1});
  return box;
}

class Unit4Preview : public BrowserTest {
 protected:
  // A red picture in the preview, made ClientWidth x ClientHeight by the
  // browser's size.
  void Preview(int32_t width, int32_t height, int32_t clientWidth, int32_t clientHeight) {
    TBitmap(FilledSurface(width, height, clRed)).SaveToFile(Path("red.bmp"));
    Form4->Image1.LoadFromFile(Path("red.bmp"));
    Resize(clientWidth, clientHeight);
  }
  static void Resize(int32_t clientWidth, int32_t clientHeight) {
    Form4->SetClientSize(clientWidth + 185, clientHeight + 19);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(Form4->Preview->size(), QSize(clientWidth, clientHeight));
  }
};

class PreviewGeometry : public Unit4Preview, public ::testing::WithParamInterface<TPreviewCase> {};

TEST_P(PreviewGeometry, DrawsThePictureWhereTheImageControlWould) {
  const TPreviewCase& c = GetParam();
  Preview(c.width, c.height, c.clientWidth, c.clientHeight);
  EXPECT_EQ(Form4->Preview->PictureRect(), c.drawn);
  EXPECT_EQ(RedBox(), c.drawn);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PreviewGeometry,
                         ::testing::Values(TPreviewCase{300, 200, 400, 322, Bounds(50, 61, 300, 200)},
                                           TPreviewCase{400, 322, 400, 322, Bounds(0, 0, 400, 322)},
                                           TPreviewCase{1000, 500, 400, 322, Bounds(0, 61, 400, 200)},
                                           TPreviewCase{500, 1000, 400, 322, Bounds(119, 0, 161, 322)},
                                           TPreviewCase{1000, 900, 400, 322, Bounds(21, 0, 357, 322)},
                                           TPreviewCase{900, 1000, 200, 322, Bounds(0, 50, 200, 222)},
                                           TPreviewCase{1000, 1000, 400, 322, Bounds(39, 0, 322, 322)},
                                           TPreviewCase{1, 1, 400, 322, Bounds(199, 160, 1, 1)}));

TEST_F(Unit4Preview, FollowsTheWindowsSize) {
  Preview(1000, 500, 400, 322);
  Resize(200, 322);
  EXPECT_EQ(RedBox(), Bounds(0, 111, 200, 100));
  Resize(600, 150);
  EXPECT_EQ(RedBox(), Bounds(150, 0, 300, 150));
}

}  // namespace
