// Page "Текст": the memo's text becomes the label's caption as the
// platform's edit control holds it.
#include "forms/Unit1TestSupport.h"

namespace {

class TextPageTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    ShowPanel(Form1->TabSheet7);
    Form1->Memo1->selectAll();
    QTest::keyClick(Form1->Memo1, Qt::Key_Backspace);
  }
};

// A no-break space stays what it is.
TEST_F(TextPageTest, LinesAreJoinedByCrLfWithALineEndOnlyWhereTyped) {
  TypeKeys(Form1->Memo1, QStringLiteral("Первая"));
  QTest::keyClick(Form1->Memo1, Qt::Key_Return);
  EXPECT_EQ(L1().Caption(), QStringLiteral("Первая\r\n"));
  TypeKeys(Form1->Memo1, QStringLiteral("Вто\u00A0рая"));
  QTest::keyClick(Form1->Memo1, Qt::Key_Return, Qt::ShiftModifier);
  TypeKeys(Form1->Memo1, QStringLiteral("3"));
  EXPECT_EQ(L1().Caption(), QStringLiteral("Первая\r\nВто\u00A0рая\r\n3"));
  QTest::keyClick(Form1->Memo1, Qt::Key_Backspace);
  QTest::keyClick(Form1->Memo1, Qt::Key_Backspace);
  EXPECT_EQ(L1().Caption(), QStringLiteral("Первая\r\nВто\u00A0рая"));
}

// 100 000 letters on one line, then 5 000 lines of one: the label sizes to
// them and paints, its letters' faces taking the gradient.
TEST_F(TextPageTest, VeryLongCaptionsSizeTheLabelAndPaint) {
  QTest::mouseClick(Form1->RG2->Button(3), Qt::LeftButton);
  Form1->Memo1->setPlainText(QStringLiteral("H"));
  const int32_t oneWide = L1().Width() - 2;
  const int32_t oneHigh = L1().Height() - 2;
  Form1->Memo1->setPlainText(QString(100000, QLatin1Char('H')));
  EXPECT_EQ(L1().Width(), 100000 * oneWide + 2);
  EXPECT_EQ(L1().Height(), oneHigh + 2);
  Form2->Client->Invalidate(Form2->Client->Surface().Bounds());
  Form2->Client->Update();
  const TSurface& shown = Form2->Client->Surface();
  int32_t blue = 0;
  for (int32_t x = 0; x < shown.Width(); ++x)
    for (int32_t y = 0; y < oneHigh; ++y) blue += (shown.Pixel(x, y) & 0xFFFF00) == 0 && qBlue(shown.Pixel(x, y)) > 0;
  EXPECT_GT(blue, shown.Width() / 10);

  Form1->Memo1->setPlainText(QStringList(5000, QStringLiteral("H")).join(QLatin1Char('\n')));
  EXPECT_EQ(L1().Width(), oneWide + 2);
  EXPECT_EQ(L1().Height(), 5000 * oneHigh + 2);
  Form2->Client->Update();
  EXPECT_TRUE(Form2->Client->InvalidRects().empty());
}

}  // namespace
