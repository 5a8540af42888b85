// The panel's creation and show handlers, and when each handler runs: on a
// user's action only, on every change of a text, or, for the effect
// group, on every change of its selection.
#include "forms/Unit1TestSupport.h"

namespace {

QString Selected(const TLMDColorPicker& picker) { return picker.Item(picker.ItemIndex()); }

QStringList Items(const TLMDColorPicker& picker) {
  QStringList items;
  for (int32_t i = 0; i < picker.Count(); ++i) items << picker.Item(i);
  return items;
}

class PanelStartTest : public PanelTest {
 protected:
  void SetUp() override { Make(true); }
};

// The two spin edits go to 1 and back; the selects write the label's own
// colours; the description's texts and pages run no handler (the tile and
// brush texts would switch the label's fill, the sub-page the preview's).
TEST_F(PanelStartTest, CreationWritesTheLabelsOwnValuesAndNothingElse) {
  EXPECT_EQ(Log, QStringList(4, QStringLiteral("L1.FontFX")));
  EXPECT_EQ(L1().FontFX().Angle(), 0);
  EXPECT_EQ(L1().FontFX().Tracing(), 0);
  EXPECT_EQ(LabelFill().Style(), sfNone);
  EXPECT_EQ(LabelFill().TileMode(), tmTile);
  EXPECT_EQ(Preview().Style(), sfNone);
  EXPECT_EQ(Selected(*Form1->CCB1), QStringLiteral("clBtnHighlight"));
  EXPECT_EQ(Form1->CCB1->Count(), 17);  // the 16 default colours and the one added
  EXPECT_EQ(Selected(*Form1->CCB2), QStringLiteral("clBtnShadow"));
  EXPECT_EQ(Selected(*Form1->CCB6), QStringLiteral("clBtnFace"));
  EXPECT_EQ(Form1->LMDExtSpinEdit2->Text() + Form1->LMDExtSpinEdit4->Text(), QStringLiteral("00"));
  EXPECT_EQ(Items(*Form1->CLB), QStringList({"clBlue", "clBlack"}));
  EXPECT_EQ(Preview().Gradient().ColorList(), (std::vector<TColor>{clBlue, clBlack}));
  EXPECT_EQ(Preview().Gradient().ColorCount(), 17);
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

// Showing again resets the effect group to "Нет", which runs its handler
// where the selection changes; then the label copies the preview.
TEST_F(PanelTest, ShowingAgainResetsTheEffectGroupThenCopiesThePreview) {
  QTest::mouseClick(Form1->RG2->Button(3), Qt::LeftButton);
  EXPECT_EQ(LabelFill().Style(), sfGradient);
  Form1->hide();
  Watch();
  ShowPanel();
  EXPECT_EQ(Log, (QStringList{"L1.FillObject", "Im1.FillObject", "L1.FillObject"}));
  EXPECT_EQ(LabelFill().Style(), sfNone);
  EXPECT_EQ(Preview().Style(), sfNone);

  QTabBar* tabs = Form1->PageControl2->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  Form1->hide();
  ShowPanel();
  EXPECT_EQ(Form1->RG2->ItemIndex(), 0);
  EXPECT_EQ(LabelFill().Style(), sfBitmap);
}

// Each action would write something new to the label or the preview if
// its handler ran.
struct TimingCase {
  const char* What;
  std::function<void(TForm1&)> Act;
  bool Runs;
};

class HandlerTiming : public PanelTest, public ::testing::WithParamInterface<TimingCase> {};

TEST_P(HandlerTiming, RunsOnlyWhereItShould) {
  Form1->RG1->setEnabled(true);
  LabelFill().SetStyle(sfBrush);  // the effect group's item 0 would change it
  Watch();
  GetParam().Act(*Form1);
  const bool ran = !Log.isEmpty() || L1().Caption() != QStringLiteral("Текстъ!");
  EXPECT_EQ(ran, GetParam().Runs) << Log.join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Actions, HandlerTiming,
    ::testing::Values(
        TimingCase{"FontSelectedByProgram", [](TForm1& f) { f.FCB1->setCurrentIndex(f.FCB1->findText("DejaVu Sans")); },
                   false},
        TimingCase{"StyleItemCheckedByProgram", [](TForm1& f) { f.AttrBox->Button(1)->setChecked(true); }, false},
        TimingCase{"FrameCheckedByProgram", [](TForm1& f) { f.CheckBox1->setChecked(true); }, false},
        TimingCase{"DirectionSelectedByProgram", [](TForm1& f) { f.RG1->SetItemIndex(3); }, false},
        TimingCase{"DirectionClicked", [](TForm1& f) { QTest::mouseClick(f.RG1->Button(3), Qt::LeftButton); }, true},
        TimingCase{"DirectionKeyed", [](TForm1& f) {
                     f.PageControl1->setCurrentWidget(f.TabSheet1);
                     PressOnFocused(f.RG1->Button(0), Qt::Key_Down);
                   }, true},
        TimingCase{"SubPageTurnedByProgram", [](TForm1& f) { f.PageControl2->SetActivePage(f.Bit); }, false},
        TimingCase{"EffectSelectedByProgram", [](TForm1& f) { f.RG2->SetItemIndex(3); }, true},
        TimingCase{"EffectKeptByProgram", [](TForm1& f) { f.RG2->SetItemIndex(0); }, false},
        TimingCase{"EffectClickedAgain", [](TForm1& f) { QTest::mouseClick(f.RG2->Button(0), Qt::LeftButton); }, false},
        TimingCase{"ColourSelectedByProgram", [](TForm1& f) { f.CCB2->SelectColor(clMaroon); }, true},
        TimingCase{"ColourChosenByKeyboard", [](TForm1& f) { QTest::keyClick(f.CCB3, Qt::Key_Down); }, true},
        TimingCase{"SpinValueSetByProgram", [](TForm1& f) { f.LMDExtSpinEdit3->setValue(9); }, true},
        TimingCase{"StyleTextSetByProgram", [](TForm1& f) { f.LMDComboBox1->setEditText("Outline"); }, true},
        TimingCase{"TileCharacterTyped", [](TForm1& f) { TypeKeys(f.ComboBox1, "Ц"); }, true},
        TimingCase{"MemoTextSetByProgram", [](TForm1& f) { f.Memo1->setPlainText("Ok"); }, true}),
    [](const auto& info) { return std::string(info.param.What); });

}  // namespace
