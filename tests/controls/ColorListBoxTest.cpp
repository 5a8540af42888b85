#include <gtest/gtest.h>

#include <QTest>

#include "controls/LMDColorListBox.h"

namespace {

// The gradient's colour list as the control panel sets it up, holding
// Colours and counting its change events.
class ColorList : public ::testing::Test {
 protected:
  void Fill(std::initializer_list<TColor> colours) {
    list.resize(111, 80);
    list.OnChange = [this](QWidget*) { ++changes; };
    for (const TColor colour : colours) list.AddItem(ColorToString(colour));
  }
  void Click(int32_t index) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(index)).center());
  }

  TLMDColorListBox list{nullptr, ColorCBOptionBit(coAllowAnyColor)};
  int changes = 0;
};

// Unlike the combo box, the list raises no event for the program's select.
TEST_F(ColorList, SelectColourSelectsTheFirstEqualItemOrAddsWithoutChange) {
  Fill({clBlue, clBlack, clBlue});
  list.SelectColor(clBlack);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.SelectColor(clBlue);
  EXPECT_EQ(list.ItemIndex(), 0);
  list.SelectColor(0x123456);
  EXPECT_EQ(list.Item(3), "$00123456");
  EXPECT_EQ(list.SelectedColor(), 0x123456);
  list.SelectColor(clNone);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.SelectedColor(), -1);
  EXPECT_EQ(changes, 0);
}

TEST_F(ColorList, UserChoiceOfAnotherItemRaisesChange) {
  Fill({clBlue, clRed, clBlue});
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  Click(2);
  EXPECT_EQ(list.ItemIndex(), 2);
  Click(2);
  EXPECT_EQ(changes, 1);
  QTest::keyClick(list.viewport(), Qt::Key_Up);
  EXPECT_EQ(list.SelectedColor(), clRed);
  EXPECT_EQ(changes, 2);
}

}  // namespace
