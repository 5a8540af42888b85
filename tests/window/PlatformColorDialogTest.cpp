#include <gtest/gtest.h>

#include <array>

#include "support/widget/ColorDialogDriver.h"
#include "toolkit/window/PlatformDialogs.h"

namespace {

// A request on 0x563412 with slot 0 orange, slot 3 white and the rest unused.
TColorDialogRequest Request() {
  TColorDialogRequest request;
  request.Color = 0x563412;
  request.CustomColors[0] = 0x0080FF;
  request.CustomColors[3] = clWhite;
  return request;
}

TEST(PlatformColorDialogTest, OkReturnsTheColourAndTheCustomColoursUnusedWhiteSlotsStayingUnused) {
  TColorDialogRequest request = Request();
  WhenColorDialogShown([](QColorDialog& dialog) {
    EXPECT_EQ(dialog.currentColor(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(QColorDialog::customColor(0), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(QColorDialog::customColor(1), QColor(Qt::white));
    QColorDialog::setCustomColor(2, QColor(1, 2, 3));
    dialog.setCurrentColor(QColor(0x10, 0x20, 0x30));
    dialog.accept();
  });
  ASSERT_TRUE(TPlatformDialogs().ExecuteColorDialog(nullptr, request));
  EXPECT_EQ(request.Color, RGB(0x10, 0x20, 0x30));
  std::array<TColor, 16> want;
  want.fill(-1);
  want[0] = 0x0080FF;
  want[2] = RGB(1, 2, 3);
  want[3] = clWhite;
  EXPECT_EQ(request.CustomColors, want);
}

TEST(PlatformColorDialogTest, CancelLeavesTheRequestAsItWas) {
  TColorDialogRequest request = Request();
  WhenColorDialogShown([](QColorDialog& dialog) {
    QColorDialog::setCustomColor(1, QColor(1, 2, 3));
    dialog.setCurrentColor(QColor(0x10, 0x20, 0x30));
    dialog.reject();
  });
  EXPECT_FALSE(TPlatformDialogs().ExecuteColorDialog(nullptr, request));
  EXPECT_EQ(request.Color, Request().Color);
  EXPECT_EQ(request.CustomColors, Request().CustomColors);
}

}  // namespace
