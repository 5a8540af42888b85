// The browser's double click: the composition window takes the picture,
// its size and the centre of the 1024 x 768 screen; the browser makes way
// for the control panel; a failure changes nothing.
#include "Unit4Support.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"

namespace {

class Unit4DoubleClick : public BrowserTest {
 protected:
  static QString Shown() {
    return QString(Form4->isVisible() ? "4" : "-") + (Form2->isVisible() ? "2" : "-") + (Form1->isVisible() ? "1" : "-");
  }
  void DoubleClick(const QPoint& at) const {
    QTest::mouseDClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, at);
  }
};

struct TPlaceCase {
  int32_t width, height;
  int32_t left, top;
};

class Placement : public Unit4DoubleClick, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(Placement, CentresTheCompositionOnTheScreenAtThePictureSize) {
  const TPlaceCase& c = GetParam();
  WriteBmp("a.bmp", 4, 4);
  WriteBmp("picture.bmp", c.width, c.height);
  Form4->RzFileListBox1->Reread();
  DoubleClick(ItemCentre(Row("picture.bmp")));
  EXPECT_TRUE(Dialogs_.Messages.empty());
  EXPECT_EQ(Form2->geometry(), QRect(c.left, c.top, c.width, c.height));
  EXPECT_EQ(Form2->Image1.Width(), c.width);
  EXPECT_EQ(Shown(), "-21");
}

INSTANTIATE_TEST_SUITE_P(Sizes, Placement,
                         ::testing::Values(TPlaceCase{800, 600, 112, 84}, TPlaceCase{1600, 1200, 0, 0},
                                           TPlaceCase{1023, 1, 0, 383}));

TEST_F(Unit4DoubleClick, OnEmptySpaceOpensTheSelectedFile) {
  WriteBmp("a.bmp", 30, 20);
  Form4->RzFileListBox1->Reread();
  Click("a.bmp");
  DoubleClick(QPoint(60, Form4->RzFileListBox1->viewport()->height() - 5));
  EXPECT_EQ(Form2->Image1.Width(), 30);
  EXPECT_EQ(Shown(), "-21");
}

TEST_F(Unit4DoubleClick, WithNothingSelectedFailsForTheEmptyExtension) {
  DoubleClick(QPoint(60, 60));
  EXPECT_EQ(Dialogs_.MessageTexts(), QStringList({"Unknown picture file extension (.)"}));
  EXPECT_EQ(Shown(), "4--");
}

TEST_F(Unit4DoubleClick, OnAFileThatFailsKeepsTheCompositionAndTheBrowser) {
  Form2->LoadBackground(WriteBmp("back.bmp", 9, 8));
  QFile bad(Path("bad.jpg"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  Form4->RzFileListBox1->Reread();
  DoubleClick(ItemCentre(Row("bad.jpg")));
  ASSERT_EQ(Dialogs_.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs_.Messages[0].Text.startsWith("JPEG error #")) << Dialogs_.Messages[0].Text.toStdString();
  EXPECT_EQ(Form2->Image1.Width(), 9);
  EXPECT_EQ(Shown(), "4--");
}

}  // namespace
