// The panel's creation and show handlers, and what its description runs.
#include <QTabBar>
#include <QTest>

#include "controls/LMDColorComboBox.h"
#include "controls/LMDColorListBox.h"
#include "forms/Unit1Controls.h"
#include "forms/Unit1TestSupport.h"

namespace {

class PanelStartTest : public PanelTest {
 protected:
  // Everything the label hears while the panel is made.
  void BeforePanel() override { log_.WatchPanelTargets(*Form2, nullptr); }
};

QString Selected(const TLMDColorPicker& picker) { return picker.Item(picker.ItemIndex()); }

TEST_F(PanelStartTest, CreationWritesTheLabelsOwnValuesAndNothingElse) {
  // The two spin edits go to 1 and back; the selects write the label's
  // own colours; the description's texts and pages run no handler (the
  // tile and brush texts would switch the label's fill, the sub-page the
  // preview's).
  EXPECT_EQ(log_.Entries, QStringList(4, QStringLiteral("L1.FontFX")));
  EXPECT_EQ(L1().FontFX().Angle(), 0);
  EXPECT_EQ(L1().FontFX().Tracing(), 0);
  EXPECT_EQ(LabelFill().Style(), sfNone);
  EXPECT_EQ(LabelFill().TileMode(), tmTile);
  EXPECT_EQ(Preview().Style(), sfNone);
  EXPECT_EQ(Preview().TileMode(), tmNone);
  EXPECT_EQ(L1().Caption(), QStringLiteral("Текстъ!"));

  EXPECT_EQ(Selected(*Form1->CCB1), QStringLiteral("clBtnHighlight"));
  EXPECT_EQ(Form1->CCB1->Count(), 17);  // the 16 default colours and the one added
  EXPECT_EQ(Selected(*Form1->CCB2), QStringLiteral("clBtnShadow"));
  EXPECT_EQ(Selected(*Form1->CCB6), QStringLiteral("clBtnFace"));
  EXPECT_EQ(Form1->LMDExtSpinEdit2->Text(), QStringLiteral("0"));
  EXPECT_EQ(Form1->LMDExtSpinEdit4->Text(), QStringLiteral("0"));
  EXPECT_EQ(Form1->CLB->Count(), 2);
  EXPECT_EQ(Form1->CLB->Item(0), QStringLiteral("clBlue"));
  EXPECT_EQ(Form1->CLB->Item(1), QStringLiteral("clBlack"));
  EXPECT_EQ(Preview().Gradient().ColorList(), (std::vector<TColor>{clBlue, clBlack}));
  EXPECT_EQ(Preview().Gradient().ColorCount(), 17);
  EXPECT_EQ(Form1->RG1->ItemIndex(), -1);
  EXPECT_EQ(Form1->RG2->ItemIndex(), -1);
}

TEST_F(PanelStartTest, FirstShowSetsTheControlsFromTheLabelAndCopiesThePreview) {
  L1().FontFX().SetOrientation(toBottomLeft);
  ShowPanel();
  EXPECT_EQ(Form1->PageControl1->currentWidget(), Form1->TabSheet2);
  EXPECT_EQ(Form1->PageControl2->currentWidget(), Form1->Gra);
  // "Arial" is no installed family: no entry, and the label keeps it.
  EXPECT_EQ(Form1->FCB1->currentIndex(), -1);
  EXPECT_EQ(L1().Font().Name(), QStringLiteral("Arial"));
  EXPECT_EQ(Form1->SE6->Text(), QStringLiteral("10"));  // the label's height -13
  EXPECT_EQ(Selected(*Form1->LMDColorComboBox1), QStringLiteral("clRed"));
  EXPECT_EQ(Form1->RG1->ItemIndex(), 0);
  EXPECT_EQ(L1().FontFX().Orientation(), toBottomLeft);
  EXPECT_EQ(Form1->RG2->ItemIndex(), 0);
  EXPECT_EQ(LabelFill().Style(), sfNone);
  EXPECT_EQ(LabelFill().Gradient().ColorList(), (std::vector<TColor>{clBlue, clBlack}));
  EXPECT_EQ(LabelFill().Gradient().ColorCount(), 17);
  EXPECT_EQ(LabelFill().TileMode(), tmNone);
}

TEST_F(PanelTest, ShowingAgainResetsTheEffectGroupThenCopiesThePreview) {
  ShowPanel();
  QTest::mouseClick(Form1->RG2->Button(3), Qt::LeftButton);
  EXPECT_EQ(LabelFill().Style(), sfGradient);
  EXPECT_EQ(Preview().Style(), sfGradient);
  Form1->hide();
  WatchNotifications();
  ShowPanel();
  EXPECT_EQ(log_.Entries, (QStringList{"L1.FillObject", "Im1.FillObject", "L1.FillObject"}));
  EXPECT_EQ(LabelFill().Style(), sfNone);
  EXPECT_EQ(Preview().Style(), sfNone);
}

TEST_F(PanelTest, ShowingWithTheEffectGroupOnNoneCopiesTheSubPagesStyle) {
  ShowPanel();
  QTabBar* tabs = Form1->PageControl2->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  EXPECT_EQ(Preview().Style(), sfBitmap);
  EXPECT_EQ(LabelFill().Style(), sfNone);
  Form1->hide();
  ShowPanel();
  EXPECT_EQ(Form1->RG2->ItemIndex(), 0);
  EXPECT_EQ(LabelFill().Style(), sfBitmap);
}

}  // namespace
