// The gradient's colour list: "+", "-" and the colour count, with the list
// box and both gradients kept parallel.
#include "forms/Unit1TestSupport.h"
#include "toolkit/window/HostWidget.h"

namespace {

using TColors = std::vector<TColor>;

class GradientListTest : public PanelTest {
 protected:
  void Add(TColor color) {
    dialogs_.ColorAnswers.push_back(Chosen(color));
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  }
  void Remove(int32_t item) {
    if (item >= 0) Form1->CLB->SetItemIndex(item);
    QTest::mouseClick(Form1->Button2, Qt::LeftButton);
  }
  QStringList Listed() const {
    QStringList items;
    for (int32_t i = 0; i < Form1->CLB->Count(); ++i) items << Form1->CLB->Item(i);
    return items;
  }
  // The preview's pixel at (X, Y) after the whole page has been painted
  // afresh (background first).
  QRgb PreviewPixel(int32_t x, int32_t y) {
    Form1->TabSheet2->Invalidate(Form1->TabSheet2->Surface().Bounds());
    Form1->TabSheet2->Update();
    return Form1->TabSheet2->Surface().Pixel(Form1->Im1.Left() + x, Form1->Im1.Top() + y) | 0xFF000000u;
  }
};

// The copy takes the style too. "+"'s dialog starts on its last colour
// and keeps its own custom colours; Cancel adds nothing.
TEST_F(GradientListTest, PlusAppendsToListAndPreviewThenCopiesThePreviewIntoTheLabel) {
  Preview().SetStyle(sfGradient);
  Watch();
  Add(0x00C0FF);
  EXPECT_EQ(Listed(), (QStringList{"clBlue", "clBlack", "$0000C0FF"}));
  EXPECT_EQ(Preview().Gradient().ColorList(), (TColors{clBlue, clBlack, 0x00C0FF}));
  EXPECT_EQ(Preview().Gradient().ColorCount(), 18);
  EXPECT_EQ(LabelFill().Gradient().ColorList(), Preview().Gradient().ColorList());
  EXPECT_EQ(LabelFill().Gradient().ColorCount(), 18);
  EXPECT_EQ(LabelFill().Style(), sfGradient);
  EXPECT_EQ(Log, (QStringList{"Im1.FillObject", "L1.FillObject"}));

  QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  EXPECT_EQ(Form1->CLB->Count(), 3);
  EXPECT_EQ(Preview().Gradient().ColorCount(), 18);
  dialogs_.ColorAnswers.push_back(Chosen(clRed, {clLime}));
  QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  Add(clRed);
  ASSERT_EQ(dialogs_.ColorRequests.size(), 4u);
  EXPECT_EQ(dialogs_.ColorRequests[1].Color, 0x00C0FF);
  EXPECT_EQ(dialogs_.ColorRequests[1].CustomColors[0], -1);
  EXPECT_EQ(dialogs_.ColorRequests[3].CustomColors[0], clLime);
  EXPECT_FALSE(dialogs_.ColorRequests[3].FullOpen);
}

TEST_F(GradientListTest, MinusWithNothingSelectedStillRaisesBothCounts) {
  Watch();
  Remove(-1);
  EXPECT_EQ(Listed(), (QStringList{"clBlue", "clBlack"}));
  EXPECT_EQ(Preview().Gradient().ColorList(), (TColors{clBlue, clBlack}));
  EXPECT_EQ(Preview().Gradient().ColorCount(), 18);
  EXPECT_EQ(LabelFill().Gradient().ColorCount(), 18);
  EXPECT_EQ(Log, (QStringList{"L1.FillObject", "Im1.FillObject"}));
}

// The third line is the second blue: the gradients lose that one, so they
// still run as the list box reads.
TEST_F(GradientListTest, MinusRemovesTheSelectedLineFromAllThreeLists) {
  Add(clRed);
  Add(clBlue);
  Remove(1);
  EXPECT_EQ(Listed(), (QStringList{"clBlue", "clRed", "clBlue"}));
  Remove(2);
  EXPECT_EQ(Listed(), (QStringList{"clBlue", "clRed"}));
  EXPECT_EQ(Preview().Gradient().ColorList(), (TColors{clBlue, clRed}));
  EXPECT_EQ(LabelFill().Gradient().ColorList(), (TColors{clBlue, clRed}));
  EXPECT_EQ(Form1->CLB->ItemIndex(), -1);
}

// The count is shared out over the colours: 2 gives each segment one
// entry, the first colour; 1 and 0 give no bands at all. 300 presses of
// "-" wrap the 8-bit count past 255 and leave no colour.
TEST_F(GradientListTest, CountsOfZeroAndOneAndEveryColourRemovedStillPaint) {
  QTest::mouseClick(Form1->RG2->Button(3), Qt::LeftButton);
  EXPECT_EQ(PreviewPixel(85, 0), ColorToPixel(clBlue));
  Type(Form1->LMDExtSpinEdit5, QStringLiteral("2"));
  EXPECT_EQ(PreviewPixel(85, 144), ColorToPixel(clBlue));
  for (const QString& count : {QStringLiteral("1"), QStringLiteral("0")}) {
    Type(Form1->LMDExtSpinEdit5, count);
    EXPECT_EQ(PreviewPixel(85, 72), ColorToPixel(clBtnFace));
  }
  Type(Form1->LMDExtSpinEdit5, QStringLiteral("17"));
  for (int press = 0; press < 300; ++press) Remove(0);
  EXPECT_EQ(Form1->CLB->Count(), 0);
  EXPECT_TRUE(Preview().Gradient().ColorList().empty());
  EXPECT_EQ(Preview().Gradient().ColorCount(), (17 + 300) % 256);
  EXPECT_EQ(LabelFill().Gradient().ColorCount(), (17 + 300) % 256);
  EXPECT_EQ(PreviewPixel(85, 72), ColorToPixel(clBtnFace));
  Form2->Client->Update();
  EXPECT_TRUE(Form2->Client->InvalidRects().empty());
}

}  // namespace
