#include <gtest/gtest.h>

#include <QTest>

#include "controls/LMDColorListBox.h"

namespace {

// The gradient's colour list as the control panel sets it up, counting its
// change events.
struct PanelList {
  TLMDColorListBox List;
  int Changes = 0;

  PanelList() {
    List.SetOptions(ColorCBOptionBit(coAllowAnyColor));
    List.resize(111, 80);
    List.OnChange = [this](QWidget*) { ++Changes; };
  }
  void Click(int32_t index) {
    QTest::mouseClick(List.viewport(), Qt::LeftButton, {}, List.visualItemRect(List.item(index)).center());
  }
};

TEST(ColorListBoxTest, StartsEmptyWithNoSelectedColour) {
  PanelList panel;
  EXPECT_EQ(panel.List.Count(), 0);
  EXPECT_EQ(panel.List.SelectedColor(), -1);
}

TEST(ColorListBoxTest, SelectColourAddsAndSelectsWithoutChange) {
  PanelList panel;
  for (const TColor color : {clBlue, clBlack, clBlue}) panel.List.AddItem(ColorToString(color));
  panel.List.SelectColor(clBlue);
  EXPECT_EQ(panel.List.ItemIndex(), 0);
  panel.List.SelectColor(clBlack);
  EXPECT_EQ(panel.List.ItemIndex(), 1);
  panel.List.SelectColor(0x123456);
  EXPECT_EQ(panel.List.Item(3), "$00123456");
  EXPECT_EQ(panel.List.SelectedColor(), 0x123456);
  panel.List.SelectColor(clNone);
  EXPECT_EQ(panel.List.Count(), 4);
  EXPECT_EQ(panel.List.SelectedColor(), -1);
  EXPECT_EQ(panel.Changes, 0);
}

TEST(ColorListBoxTest, UserChoiceOfAnotherItemRaisesChange) {
  PanelList panel;
  panel.List.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.List));
  for (const TColor color : {clBlue, clRed, clBlue}) panel.List.AddItem(ColorToString(color));
  panel.Click(2);
  EXPECT_EQ(panel.List.ItemIndex(), 2);
  panel.Click(2);
  EXPECT_EQ(panel.Changes, 1);
  QTest::keyClick(panel.List.viewport(), Qt::Key_Up);
  EXPECT_EQ(panel.List.SelectedColor(), clRed);
  EXPECT_EQ(panel.Changes, 2);
}

TEST(ColorListBoxTest, DeletingTheSelectedItemLeavesNoneSelected) {
  PanelList panel;
  for (const TColor color : {clBlue, clRed, clBlue}) panel.List.AddItem(ColorToString(color));
  panel.List.SetItemIndex(1);
  panel.List.DeleteItem(1);
  EXPECT_EQ(panel.List.ItemIndex(), -1);
  EXPECT_EQ(panel.List.SelectedColor(), -1);
  panel.List.SetItemIndex(1);
  panel.List.DeleteItem(0);
  EXPECT_EQ(panel.List.SelectedColor(), clBlue);
  EXPECT_EQ(panel.List.ItemIndex(), 0);
}

TEST(ColorListBoxTest, SortingKeepsTheSelectedItem) {
  PanelList panel;
  for (const TColor color : {clRed, clBtnFace, 0x123456, cl3DLight}) panel.List.AddItem(ColorToString(color));
  panel.List.SetItemIndex(1);
  panel.List.SetSorted(true);
  EXPECT_EQ(panel.List.Item(0), "$00123456");
  EXPECT_EQ(panel.List.Item(1), "cl3DLight");
  EXPECT_EQ(panel.List.Item(3), "clRed");
  EXPECT_EQ(panel.List.SelectedColor(), clBtnFace);
}

TEST(ColorListBoxTest, ItemsAreTheirItemHeightHigh) {
  PanelList panel;
  for (const TColor color : {clBlue, clBlack}) panel.List.AddItem(ColorToString(color));
  EXPECT_EQ(panel.List.visualItemRect(panel.List.item(1)).top(), 16);
  panel.List.SetItemHeight(20);
  EXPECT_EQ(panel.List.visualItemRect(panel.List.item(1)).top(), 20);
}

}  // namespace
