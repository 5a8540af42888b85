// The host widget showing its buffer shrunk: what a device of some pixel
// ratio shows, whole and after repaints of the invalid parts only, and
// where the mouse lands in the buffer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <cmath>

#include "support/PixelAssert.h"
#include "toolkit/canvas/AreaAverage.h"
#include "toolkit/window/HostWidget.h"
#include "toolkit/windowless/ControlTestSupport.h"

namespace {

// Region of Widget painted onto Image, a device of Ratio device pixels per
// logical pixel, as the window system's repaint of it would paint it.
void RenderOnto(QImage& image, QWidget& widget, const QRegion& region) {
  widget.render(&image, region.boundingRect().topLeft(), region, {});
}

QImage Rendered(QWidget& widget, qreal ratio) {
  QImage image(static_cast<int>(std::ceil(widget.width() * ratio)), static_cast<int>(std::ceil(widget.height() * ratio)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  RenderOnto(image, widget, QRegion(widget.rect()));
  return image;
}

// The regions of the paint events the widget gets.
class TPaintRegions : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) Region += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion Region;
};

// A picture whose every pixel differs from its neighbours.
TSurface Pattern(int32_t width, int32_t height) {
  TSurface picture(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) picture.SetPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x * y) % 256));
  return picture;
}

struct TViewCase {
  const char* What;
  TSize Picture, View;
  qreal Ratio;
  QSize Logical;  // the widget, a little larger than the view
};

class HostWidgetView : public ::testing::TestWithParam<TViewCase> {};

// A swatch moved about, partly off the picture too: each repaint paints
// only what the widget asked to have repainted, and the result is what a
// whole repaint shows, which is the composition area-averaged, with the
// host's colour beyond the view.
TEST_P(HostWidgetView, RepaintingTheInvalidPartsShowsWhatAWholeRepaintShows) {
  const TViewCase& c = GetParam();
  THostWidget host;
  host.SetColor(clYellow);
  host.SetView(c.Picture, c.View, c.Ratio);
  host.resize(c.Logical);
  host.SetBackground(Pattern(c.Picture.cx, c.Picture.cy));
  TSwatch swatch(host, Bounds(40, 30, 50, 40), clRed);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  QCoreApplication::processEvents();
  QImage partial = Rendered(host, c.Ratio);
  TPaintRegions regions;
  host.installEventFilter(&regions);
  const TPoint moves[] = {{43, 31}, {44, 31}, {150, 107}, {151, 109}, {c.Picture.cx - 20, c.Picture.cy - 7}, {-20, -10}, {7, 3}};
  for (const TPoint& move : moves) {
    swatch.SetBounds(move.X, move.Y, 50, 40);
    regions.Region = QRegion();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    ASSERT_FALSE(regions.Region.isEmpty()) << c.What;
    // Only around the swatch's old and new places.
    int64_t area = 0;
    for (const QRect& rect : regions.Region) area += int64_t{rect.width()} * rect.height();
    ASSERT_LT(area, c.Logical.width() * c.Logical.height() / 4) << c.What;
    RenderOnto(partial, host, regions.Region);
  }
  const TSurface whole = SurfaceOf(Rendered(host, c.Ratio));
  EXPECT_TRUE(SameSurface(SurfaceOf(partial), whole)) << c.What;

  TSurface composed = Pattern(c.Picture.cx, c.Picture.cy);
  const TRect red = Bounds(7, 3, 50, 40);
  for (int32_t y = red.Top; y < red.Bottom; ++y)
    for (int32_t x = red.Left; x < red.Right; ++x) composed.SetPixel(x, y, ColorToPixel(clRed));
  const TSurface shrunk = AreaAverage(composed, c.View);
  EXPECT_TRUE(SameArea(whole, shrunk, Bounds(0, 0, c.View.cx, c.View.cy))) << c.What;
  EXPECT_TRUE(PixelIs(whole, c.View.cx, 0, clYellow)) << c.What;
  EXPECT_TRUE(PixelIs(whole, whole.Width() - 1, whole.Height() - 1, clYellow)) << c.What;
}

INSTANTIATE_TEST_SUITE_P(Views, HostWidgetView,
                         ::testing::Values(TViewCase{"shrunk, ratio 1", {400, 300}, {173, 131}, 1, {176, 134}},
                                           TViewCase{"shrunk, ratio 1.5", {400, 300}, {173, 131}, 1.5, {118, 90}},
                                           TViewCase{"shrunk, ratio 1.25", {400, 300}, {251, 190}, 1.25, {204, 156}},
                                           TViewCase{"1:1, ratio 2", {201, 151}, {201, 151}, 2, {102, 76}}));

// At 1:1 and ratio 1 a view shows exactly what the widget without one
// shows.
TEST(HostWidgetView, OneToOneAtRatioOneShowsWhatAWidgetWithoutAViewShows) {
  THostWidget plain, viewed;
  viewed.SetView({60, 40}, {60, 40}, 1);
  for (THostWidget* host : {&plain, &viewed}) {
    host->resize(60, 40);
    host->SetColor(clYellow);
    host->SetBackground(Pattern(50, 30));
  }
  TSwatch a(plain, Bounds(10, 5, 30, 20), clRed), b(viewed, Bounds(10, 5, 30, 20), clRed);
  EXPECT_TRUE(SameSurface(SurfaceOf(viewed.grab().toImage()), SurfaceOf(plain.grab().toImage())));
}

struct TPointerCase {
  const char* What;
  TSize Picture, View;
  qreal Ratio;
  QPoint Logical;   // where the pointer is on the widget
  TPoint Expected;  // in buffer pixels
};

class HostWidgetPointer : public ::testing::TestWithParam<TPointerCase> {};

TEST_P(HostWidgetPointer, ReachesTheHostInBufferPixels) {
  const TPointerCase& c = GetParam();
  THostWidget host;
  host.SetView(c.Picture, c.View, c.Ratio);
  host.resize(200, 150);
  std::vector<TPoint> moves;
  host.OnMouseMove = [&](TShiftState, int32_t x, int32_t y) { moves.push_back({x, y}); };
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  QTest::mouseMove(host.windowHandle(), c.Logical);
  ASSERT_EQ(moves.size(), 1u) << c.What;
  EXPECT_EQ(moves[0], c.Expected) << c.What;
}

// floor((d + 0.5) / s), d the device pixel: the logical position times the
// ratio.
INSTANTIATE_TEST_SUITE_P(
    Points, HostWidgetPointer,
    ::testing::Values(TPointerCase{"shrunk", {400, 300}, {173, 131}, 1, {100, 50}, {232, 115}},
                      TPointerCase{"1:1 at ratio 2", {400, 300}, {400, 300}, 2, {30, 20}, {60, 40}},
                      TPointerCase{"shrunk at ratio 1.5, between device pixels", {400, 300}, {173, 131}, 1.5, {31, 21}, {107, 72}},
                      TPointerCase{"beyond the view", {400, 300}, {173, 131}, 1, {190, 140}, {440, 321}}));

}  // namespace
