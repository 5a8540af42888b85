#include <gtest/gtest.h>

#include "controls/ColorDialog.h"
#include "controls/ColorDialogAnswer.h"

namespace {

// A dialog of its own, such as the panel's "+": it starts on the RGB of its
// colour and keeps its custom colours from one OK to the next; Cancel
// keeps everything.
TEST(ColorDialogTest, KeepsItsOwnCustomColoursFromOneOkToTheNext) {
  TColorDialogAnswer dialogs;
  TColorDialog dialog;
  dialog.SetColor(clBtnShadow);
  dialogs.Answer = ConfirmWith(clRed, {0x0080FF});
  ASSERT_TRUE(dialog.Execute(nullptr));
  dialogs.Answer = [](TColorDialogRequest& request) { return !ConfirmWith(clLime, {clLime})(request); };
  EXPECT_FALSE(dialog.Execute(nullptr));
  EXPECT_FALSE(dialog.Execute(nullptr));
  ASSERT_EQ(dialogs.Requests.size(), 3u);
  EXPECT_EQ(dialogs.Requests[0].Color, 0xA0A0A0);
  EXPECT_EQ(dialogs.Requests[2].Color, clRed);
  EXPECT_EQ(dialogs.Requests[2].CustomColors, dialog.CustomColors());
  EXPECT_EQ(dialog.CustomColors()[0], 0x0080FF);
  EXPECT_EQ(dialog.CustomColors()[1], -1);
}

}  // namespace
