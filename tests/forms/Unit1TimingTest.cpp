// When each handler runs: some on a user's action only, some on every
// change of their text, the effect group on every change of selection.
// Each action below would write something new to the label or the
// preview if its handler ran.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

#include "controls/LMDColorComboBox.h"
#include "forms/Unit1Controls.h"
#include "forms/Unit1TestSupport.h"

namespace {

struct TimingCase {
  const char* What;
  std::function<void(TForm1&)> Act;
  bool Runs;
};

class HandlerTiming : public PanelTest, public ::testing::WithParamInterface<TimingCase> {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    ShowPanel();
    Form1->RG1->setEnabled(true);
    // So that the effect group's handler, were it to run on item 0, would
    // change the label.
    LabelFill().SetStyle(sfBrush);
    WatchNotifications();
  }
};

TEST_P(HandlerTiming, RunsOnlyWhereItShould) {
  GetParam().Act(*Form1);
  const bool ran = !log_.Entries.isEmpty() || L1().Caption() != QStringLiteral("Текстъ!");
  EXPECT_EQ(ran, GetParam().Runs) << log_.Entries.join(QLatin1Char(' ')).toStdString();
}

std::string CaseName(const ::testing::TestParamInfo<TimingCase>& info) { return info.param.What; }

INSTANTIATE_TEST_SUITE_P(
    Actions, HandlerTiming,
    ::testing::Values(
        TimingCase{"FontSelectedByProgram", [](TForm1& f) { f.FCB1->setCurrentIndex(f.FCB1->findText("DejaVu Sans")); },
                   false},
        TimingCase{"StyleItemCheckedByProgram", [](TForm1& f) { f.AttrBox->Button(1)->setChecked(true); }, false},
        TimingCase{"FrameCheckedByProgram", [](TForm1& f) { f.CheckBox1->setChecked(true); }, false},
        TimingCase{"DirectionSelectedByProgram", [](TForm1& f) { f.RG1->SetItemIndex(3); }, false},
        TimingCase{"DirectionClicked", [](TForm1& f) { QTest::mouseClick(f.RG1->Button(3), Qt::LeftButton); }, true},
        TimingCase{"SubPageTurnedByProgram", [](TForm1& f) { f.PageControl2->SetActivePage(f.Bit); }, false},
        TimingCase{"EffectSelectedByProgram", [](TForm1& f) { f.RG2->SetItemIndex(3); }, true},
        TimingCase{"EffectKeptByProgram", [](TForm1& f) { f.RG2->SetItemIndex(0); }, false},
        TimingCase{"EffectClickedAgain", [](TForm1& f) { QTest::mouseClick(f.RG2->Button(0), Qt::LeftButton); }, false},
        TimingCase{"ColourSelectedByProgram", [](TForm1& f) { f.CCB2->SelectColor(clMaroon); }, true},
        TimingCase{"ColourChosenByKeyboard", [](TForm1& f) { QTest::keyClick(f.CCB3, Qt::Key_Down); }, true},
        TimingCase{"SpinValueSetByProgram", [](TForm1& f) { f.LMDExtSpinEdit3->setValue(9); }, true},
        TimingCase{"SpinStepped", [](TForm1& f) { f.LMDExtSpinEdit1->stepUp(); }, true},
        TimingCase{"StyleTextSetByProgram", [](TForm1& f) { f.LMDComboBox1->setEditText("Outline"); }, true},
        TimingCase{"MemoTextSetByProgram", [](TForm1& f) { f.Memo1->setPlainText("Ok"); }, true}),
    CaseName);

TEST_F(PanelTest, EveryTypedCharacterRunsTheTileHandler) {
  ShowPanel();
  for (const QString& key : {QStringLiteral("Ц"), QStringLiteral("е")}) {
    LabelFill().SetStyle(sfNone);
    TypeKeys(Form1->ComboBox1, key);
    EXPECT_EQ(LabelFill().Style(), sfBitmap);
  }
  EXPECT_EQ(Form1->ComboBox1->currentText(), QStringLiteral("ОригиналЦе"));
}

}  // namespace
