// The widget that windowless controls live on: what it shows is its back
// buffer, background first, controls over it, and the mouse reaches the
// controls with the keys and buttons held.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "support/PixelAssert.h"
#include "toolkit/window/HostWidget.h"
#include "toolkit/windowless/ControlTestSupport.h"

namespace {

// The widget's pixels as the window shows them.
TSurface Shown(QWidget& widget) {
  const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  TSurface surface(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    std::copy_n(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(), surface.Row(y));
  return surface;
}

class HostWidget : public ::testing::Test {
 protected:
  HostWidget() {
    host.resize(60, 40);
    host.SetColor(clYellow);
  }
  THostWidget host;
};

// A moved control is shown at its new place only; a new size is painted
// whole.
TEST_F(HostWidget, ShowsTheBackgroundPictureAndTheControlsOverIt) {
  host.SetBackground(FilledSurface(20, 10, clBlue));
  TSwatch swatch(host, Bounds(10, 5, 30, 20), clRed);
  TSurface shown = Shown(host);
  EXPECT_TRUE(PixelIs(shown, 0, 0, clBlue));
  EXPECT_TRUE(PixelIs(shown, 9, 9, clBlue));
  EXPECT_TRUE(PixelIs(shown, 10, 5, clRed));
  EXPECT_TRUE(PixelIs(shown, 39, 24, clRed));
  EXPECT_TRUE(PixelIs(shown, 40, 24, clYellow));
  EXPECT_TRUE(PixelIs(shown, 20, 4, clYellow));
  EXPECT_TRUE(PixelIs(shown, 59, 39, clYellow));
  swatch.SetBounds(50, 30, 40, 30);
  shown = Shown(host);
  EXPECT_TRUE(PixelIs(shown, 15, 5, clBlue));
  EXPECT_TRUE(PixelIs(shown, 35, 20, clYellow));
  EXPECT_TRUE(PixelIs(shown, 55, 35, clRed));
  host.resize(100, 80);
  shown = Shown(host);
  EXPECT_EQ(shown.Width(), 100);
  EXPECT_TRUE(PixelIs(shown, 89, 59, clRed));
  EXPECT_TRUE(PixelIs(shown, 95, 70, clYellow));
}

struct TShiftCase {
  Qt::KeyboardModifiers Modifiers;
  Qt::MouseButtons Buttons;
  bool Double;
  TShiftState Expected;
};

TEST(ShiftState, HoldsTheKeysTheButtonsAndTheDoubleClick) {
  const TShiftCase cases[] = {
      {Qt::NoModifier, Qt::NoButton, false, 0},
      {Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton, false,
       TShiftState(ShiftBit(ssShift) | ShiftBit(ssCtrl) | ShiftBit(ssLeft))},
      {Qt::AltModifier, Qt::RightButton | Qt::MiddleButton, false,
       TShiftState(ShiftBit(ssAlt) | ShiftBit(ssRight) | ShiftBit(ssMiddle))},
      {Qt::NoModifier, Qt::LeftButton, true, TShiftState(ShiftBit(ssLeft) | ShiftBit(ssDouble))},
  };
  for (const TShiftCase& c : cases) EXPECT_EQ(ShiftStateOf(c.Modifiers, c.Buttons, c.Double), c.Expected);
}

TEST_F(HostWidget, TheMouseReachesTheControlUnderThePointer) {
  TSwatch swatch(host, Bounds(10, 10, 20, 20), clRed);
  std::vector<TShiftState> onSwatch;
  swatch.OnMouseMove = [&](TGraphicControl*, TShiftState shift, int32_t, int32_t) { onSwatch.push_back(shift); };
  std::vector<TPoint> background;
  host.OnMouseMove = [&](TShiftState, int32_t x, int32_t y) { background.push_back({x, y}); };
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  QTest::mouseMove(host.windowHandle(), QPoint(15, 15));
  QTest::mouseMove(host.windowHandle(), QPoint(45, 35));
  EXPECT_EQ(onSwatch.size(), 1u);
  EXPECT_EQ(background, (std::vector<TPoint>{{45, 35}}));
}

}  // namespace
