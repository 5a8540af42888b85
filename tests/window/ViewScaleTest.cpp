// A picture shown shrunk: which picture pixel a device point falls on,
// which device pixels a picture rectangle reaches, and the size and place
// a picture's window gets on a screen.
#include <gtest/gtest.h>

#include "toolkit/window/ViewFit.h"
#include "toolkit/window/ViewScale.h"

namespace {

struct TMapCase {
  TSize Picture, View;
  TPoint Device, Expected;
};

class ViewScaleToPicture : public ::testing::TestWithParam<TMapCase> {};

TEST_P(ViewScaleToPicture, TakesThePixelUnderTheDevicePixelsCentre) {
  const TMapCase& c = GetParam();
  EXPECT_EQ(TViewScale(c.Picture, c.View).ToPicture(c.Device), c.Expected);
}

// floor((d + 0.5) / s), also left of and above the view.
INSTANTIATE_TEST_SUITE_P(Points, ViewScaleToPicture,
                         ::testing::Values(TMapCase{{640, 400}, {640, 400}, {17, 399}, {17, 399}},
                                           TMapCase{{640, 400}, {640, 400}, {-3, -1}, {-3, -1}},
                                           TMapCase{{4000, 3000}, {1386, 1040}, {0, 0}, {1, 1}},
                                           TMapCase{{4000, 3000}, {1386, 1040}, {100, 100}, {290, 289}},
                                           TMapCase{{4000, 3000}, {1386, 1040}, {1385, 1039}, {3998, 2998}},
                                           TMapCase{{4000, 3000}, {1386, 1040}, {-1, -1}, {-2, -2}},
                                           TMapCase{{30000, 1}, {1920, 1}, {1919, 0}, {29992, 0}},
                                           TMapCase{{30000, 1}, {1920, 1}, {1, 5}, {23, 5}}));

TEST(ViewScale, EveryDevicePixelsCentreLiesInThePictureRectanglesItShows) {
  const TViewScale scale({4000, 3}, {1386, 2});
  for (int32_t x = 0; x < 1386; ++x) {
    const TPoint picture = scale.ToPicture({x, 1});
    const TRect shown = scale.ToView(Bounds(picture.X, picture.Y, 1, 1));
    ASSERT_TRUE(shown.Contains({x, 1})) << x;
    // A picture pixel, narrower than a device pixel, reaches two at most.
    ASSERT_LE(shown.Width(), 2) << x;
  }
}

struct TViewRectCase {
  TSize Picture, View;
  TRect Rect, Expected;
};

class ViewScaleToView : public ::testing::TestWithParam<TViewRectCase> {};

TEST_P(ViewScaleToView, ReachesEveryDevicePixelWhoseAreaMeetsTheRectangle) {
  const TViewRectCase& c = GetParam();
  EXPECT_EQ(TViewScale(c.Picture, c.View).ToView(c.Rect), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rects, ViewScaleToView,
    ::testing::Values(TViewRectCase{{640, 400}, {640, 400}, Rect(5, 6, 70, 80), Rect(5, 6, 70, 80)},
                      // 3 picture pixels to 1 device pixel: [3, 7) meets device pixels 1 and 2.
                      TViewRectCase{{300, 300}, {100, 100}, Rect(3, 3, 7, 6), Rect(1, 1, 3, 2)},
                      TViewRectCase{{4000, 3000}, {1386, 1040}, Rect(0, 0, 4000, 3000), Rect(0, 0, 1386, 1040)},
                      TViewRectCase{{4000, 3000}, {1386, 1040}, Rect(1000, 500, 1300, 620), Rect(346, 173, 451, 215)},
                      TViewRectCase{{4000, 3000}, {1386, 1040}, Rect(-10, -10, 1, 1), Rect(-4, -4, 1, 1)}));

struct TFitCase {
  const char* What;
  TSize Picture;
  TScreenMetrics Screen;
  QRect Client;
  TSize View;
};

void PrintTo(const TFitCase& c, std::ostream* os) { *os << c.What; }

class FitView : public ::testing::TestWithParam<TFitCase> {};

TEST_P(FitView, GivesTheClientAreaAndTheView) {
  const TFitCase& c = GetParam();
  const TViewFit fit = ::FitView(c.Picture, c.Screen);
  EXPECT_EQ(fit.Client, c.Client) << c.What;
  EXPECT_EQ(fit.View, c.View) << c.What;
  EXPECT_EQ(fit.Ratio, c.Screen.Ratio) << c.What;
}

const QRect kFullHd(0, 0, 1920, 1080);
const QRect kAbovePanel(0, 0, 1920, 1040);

INSTANTIATE_TEST_SUITE_P(
    Screens, FitView,
    ::testing::Values(
        TFitCase{"a phone photo, fitted", {4000, 3000}, {kFullHd, kAbovePanel, 1}, QRect(267, 0, 1386, 1040), {1386, 1040}},
        TFitCase{"fits: centred on the screen", {640, 400}, {kFullHd, kAbovePanel, 1}, QRect(640, 340, 640, 400), {640, 400}},
        TFitCase{"taller than the area above the panel", {1920, 1080}, {kFullHd, kAbovePanel, 1},
                 QRect(36, 0, 1848, 1040), {1848, 1040}},
        TFitCase{"wider than the screen", {1600, 1200}, {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768), 1},
                 QRect(0, 0, 1024, 768), {1024, 768}},
        TFitCase{"a second screen", {800, 600}, {QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 1024), 1},
                 QRect(2160, 212, 800, 600), {800, 600}},
        TFitCase{"30000 x 1", {30000, 1}, {kFullHd, kAbovePanel, 1}, QRect(0, 519, 1920, 1), {1920, 1}},
        TFitCase{"1 x 30000", {1, 30000}, {kFullHd, kAbovePanel, 1}, QRect(959, 0, 1, 1040), {1, 1040}},
        TFitCase{"beyond X11's limit", {40000, 40000}, {kFullHd, kAbovePanel, 1}, QRect(440, 0, 1040, 1040),
                 {1040, 1040}},
        TFitCase{"ratio 2, fits", {1920, 1080}, {kFullHd, kFullHd, 2}, QRect(480, 270, 960, 540), {1920, 1080}},
        TFitCase{"ratio 2, odd size: rounded up", {641, 401}, {kFullHd, kFullHd, 2}, QRect(799, 439, 321, 201),
                 {641, 401}},
        TFitCase{"ratio 1.5, fitted", {4000, 3000}, {QRect(0, 0, 1280, 720), QRect(0, 0, 1280, 693), 1.5},
                 QRect(178, 0, 923, 692), {1384, 1038}},
        TFitCase{"ratio 1.25, one device pixel too wide", {1921, 1}, {QRect(0, 0, 1536, 864), QRect(0, 0, 1536, 864), 1.25},
                 QRect(0, 431, 1536, 1), {1920, 1}}),
    [](const ::testing::TestParamInfo<TFitCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
