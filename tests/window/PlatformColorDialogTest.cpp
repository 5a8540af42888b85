#include <gtest/gtest.h>

#include "support/widget/ColorDialogDriver.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/window/PlatformDialogs.h"

namespace {

// Qt's custom colours are the process's: each opening loads the request's
// own (an unused slot as white), and after OK a slot unused before that
// comes back white stays unused. Cancel leaves the request as it was.
TEST(PlatformColorDialogTest, OkReturnsTheChoiceAndCancelLeavesTheRequest) {
  TColorDialogRequest request = Chosen(0x563412, {0x0080FF, -1, -1, clWhite});
  const TColorDialogRequest asked = request;
  WhenColorDialogShown([](QColorDialog& dialog) {
    QColorDialog::setCustomColor(1, QColor(1, 2, 3));
    dialog.setCurrentColor(QColor(0x10, 0x20, 0x30));
    dialog.reject();
  });
  EXPECT_FALSE(TPlatformDialogs().ExecuteColorDialog(nullptr, request));
  EXPECT_EQ(request.Color, asked.Color);
  EXPECT_EQ(request.CustomColors, asked.CustomColors);

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
  EXPECT_EQ(request.CustomColors, Chosen(0, {0x0080FF, -1, RGB(1, 2, 3), clWhite}).CustomColors);
}

}  // namespace
