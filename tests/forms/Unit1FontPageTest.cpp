// Page "Шрифт 3D": each control, used as the user uses it, writes its
// property of the label.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "controls/LMDColorComboBox.h"
#include "forms/Unit1Controls.h"
#include "forms/Unit1TestSupport.h"
#include "toolkit/FontEngine.h"

namespace {

class FontPageTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    ShowPanel();
    Form1->PageControl1->setCurrentWidget(Form1->TabSheet1);
    QApplication::processEvents();
  }
};

struct StyleCase {
  const char* Text;
  TLMDThreeDStyle Style;  // tdRaised, the style before, when the text names none
  bool DirectionEnabled;
};

class StyleCombo : public FontPageTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(StyleCombo, ExactNamesSetTheStyleAndOnlyExtrusionsTakeADirection) {
  const StyleCase& c = GetParam();
  Type(Form1->LMDComboBox1, QStringLiteral("Extrude"));
  QTest::mouseClick(Form1->RG1->Button(2), Qt::LeftButton);
  Type(Form1->LMDComboBox1, QStringLiteral("Raised"));
  Type(Form1->LMDComboBox1, QString::fromUtf8(c.Text));
  EXPECT_EQ(L1().FontFX().Style(), c.Style);
  EXPECT_EQ(Form1->RG1->isEnabled(), c.DirectionEnabled);
  EXPECT_EQ(L1().FontFX().Orientation(), toBottomRight);  // disabling keeps it
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StyleCombo,
    ::testing::Values(StyleCase{"None", tdNone, false}, StyleCase{"Extrude", tdExtrude, true},
                      StyleCase{"ExtrudeEnh", tdExtrudeEnh, true}, StyleCase{"Outline", tdOutline, false},
                      StyleCase{"ColorRaised", tdPColorRaised, false}, StyleCase{"ColorSunken", tdPColorSunken, false},
                      StyleCase{"Raised", tdRaised, false}, StyleCase{"RaisedShadow", tdRaisedShadow, false},
                      StyleCase{"Shadow", tdShadow, false}, StyleCase{"Sunken", tdSunken, false},
                      StyleCase{"SunkenShadow", tdSunkenShadow, false}, StyleCase{"extrude", tdRaised, false},
                      StyleCase{"Sunk", tdRaised, false}, StyleCase{"Тень", tdRaised, false}));

struct SpinCase {
  const char* Edit;
  const char* Text;
  std::function<int32_t(TLMDLabelFill&)> Read;
  int32_t Value;
};

class SpinEdits : public FontPageTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinEdits, TypedNumbersReachTheLabel) {
  const SpinCase& c = GetParam();
  auto* edit = Form1->findChild<TLMDExtSpinEdit*>(QString::fromLatin1(c.Edit));
  Type(edit, QStringLiteral("7"));
  Type(edit, QString::fromUtf8(c.Text));
  EXPECT_EQ(c.Read(L1()), c.Value);
  EXPECT_TRUE(dialogs_.Messages.empty());
}

int32_t SizeOf(TLMDLabelFill& label) { return label.Font().Size(); }
int32_t LightDepthOf(TLMDLabelFill& label) { return label.FontFX().LightDepth(); }
int32_t ShadowDepthOf(TLMDLabelFill& label) { return label.FontFX().ShadowDepth(); }
int32_t AngleOf(TLMDLabelFill& label) { return label.FontFX().Angle(); }
int32_t TracingOf(TLMDLabelFill& label) { return label.FontFX().Tracing(); }

INSTANTIATE_TEST_SUITE_P(Values, SpinEdits,
                         ::testing::Values(SpinCase{"SE6", "24", SizeOf, 24}, SpinCase{"SE6", "", SizeOf, 0},
                                           SpinCase{"LMDExtSpinEdit1", "100", LightDepthOf, 100},
                                           SpinCase{"LMDExtSpinEdit3", "20", ShadowDepthOf, 20},
                                           SpinCase{"LMDExtSpinEdit2", "360", AngleOf, 0},
                                           SpinCase{"LMDExtSpinEdit2", "90", AngleOf, 90},
                                           SpinCase{"LMDExtSpinEdit2", "-90", AngleOf, 65446},
                                           // A lone "-" begins a negative number: nothing is written yet.
                                           SpinCase{"LMDExtSpinEdit2", "-", AngleOf, 7},
                                           SpinCase{"LMDExtSpinEdit4", "-", TracingOf, 7},
                                           SpinCase{"LMDExtSpinEdit4", "-20", TracingOf, -20},
                                           SpinCase{"LMDExtSpinEdit4", "", TracingOf, 0}));

TEST_F(FontPageTest, TextThatIsNoNumberIsTheConversionErrorAndChangesNothing) {
  // The field admits digits and a leading "-" only; the program's text is
  // read as it stands.
  QLineEdit* field = Form1->LMDExtSpinEdit3->findChild<QLineEdit*>();
  Type(Form1->LMDExtSpinEdit3, QStringLiteral("5"));
  QMetaObject::invokeMethod(
      field, [field] { field->setText(QStringLiteral("5x")); }, Qt::QueuedConnection);
  QApplication::processEvents();
  EXPECT_EQ(dialogs_.MessageTexts(), QStringList{QStringLiteral("'5x' is not a valid integer value")});
  EXPECT_EQ(L1().FontFX().ShadowDepth(), 5);
}

TEST_F(FontPageTest, TheStyleGroupBuildsANewSetAndTheFrameBoxSwitchesTheBevel) {
  L1().Font().SetStyle(FontStyleBit(fsStrikeOut) | FontStyleBit(fsItalic));
  QTest::mouseClick(Form1->AttrBox->Button(0), Qt::LeftButton);
  EXPECT_EQ(L1().Font().Style(), FontStyleBit(fsBold));
  QTest::mouseClick(Form1->AttrBox->Button(2), Qt::LeftButton);
  EXPECT_EQ(L1().Font().Style(), FontStyleBit(fsBold) | FontStyleBit(fsUnderline));
  QTest::mouseClick(Form1->AttrBox->Button(0), Qt::LeftButton);
  QTest::mouseClick(Form1->AttrBox->Button(2), Qt::LeftButton);
  EXPECT_EQ(L1().Font().Style(), 0);

  QTest::mouseClick(Form1->CheckBox1, Qt::LeftButton);
  EXPECT_EQ(L1().Bevel().Mode(), bmEdge);
  QTest::keyClick(Form1->CheckBox1, Qt::Key_Space);
  EXPECT_EQ(L1().Bevel().Mode(), bmCustom);
}

TEST_F(FontPageTest, TheDirectionGroupByItem) {
  Type(Form1->LMDComboBox1, QStringLiteral("ExtrudeEnh"));
  const TLMDThreeDOrientation directions[] = {toTopRight, toTopLeft, toBottomRight, toBottomLeft};
  for (int32_t item : {3, 1, 2, 0}) {
    QTest::mouseClick(Form1->RG1->Button(item), Qt::LeftButton);
    EXPECT_EQ(L1().FontFX().Orientation(), directions[item]) << item;
  }
}

struct DialogCase {
  const char* Button;
  const char* Combo;
  std::function<TColor(TLMDLabelFill&)> Read;
};

class ColorDialogs : public FontPageTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(ColorDialogs, TheColourChosenIsShownAndReachesTheLabel) {
  const DialogCase& c = GetParam();
  auto* combo = Form1->findChild<TLMDColorComboBox*>(QString::fromLatin1(c.Combo));
  dialogs_.ColorAnswers.push_back(Chosen(0x123456));
  QTest::mouseClick(Form1->findChild<TRzBmpButton*>(QString::fromLatin1(c.Button)), Qt::LeftButton);
  EXPECT_EQ(combo->Item(combo->ItemIndex()), QStringLiteral("$00123456"));
  EXPECT_EQ(c.Read(L1()), 0x123456);
  // Cancel changes nothing.
    QTest::mouseClick(Form1->findChild<TRzBmpButton*>(QString::fromLatin1(c.Button)), Qt::LeftButton);
  EXPECT_EQ(c.Read(L1()), 0x123456);
  ASSERT_EQ(dialogs_.ColorRequests.size(), 2u);
  EXPECT_EQ(dialogs_.ColorRequests[1].Color, 0x123456);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ColorDialogs,
    ::testing::Values(DialogCase{"RzBmpButton7", "LMDColorComboBox1",
                                 [](TLMDLabelFill& l) { return l.Font().Color(); }},
                      DialogCase{"RzBmpButton1", "CCB1", [](TLMDLabelFill& l) { return l.FontFX().LightColor(); }},
                      DialogCase{"RzBmpButton2", "CCB2", [](TLMDLabelFill& l) { return l.FontFX().ShadowColor(); }}));

TEST_F(FontPageTest, TheFamilyChosenIsTheOneTheLabelDrawsWith) {
  // Down the closed list with the arrow key.
  for (int i = 0; i < Form1->FCB1->count() && Form1->FCB1->currentText() != QStringLiteral("DejaVu Serif"); ++i)
    QTest::keyClick(Form1->FCB1, Qt::Key_Down);
  ASSERT_EQ(Form1->FCB1->currentText(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(L1().Font().Name(), QStringLiteral("DejaVu Serif"));
  // Every entry is drawn in its own face and names the face the engine
  // draws that name with (no alias standing for another family).
  ASSERT_GT(Form1->FCB1->count(), 1);
  for (int i = 0; i < Form1->FCB1->count(); ++i) {
    const QString family = Form1->FCB1->itemText(i);
    TFont font;
    font.SetName(family);
    // Qt names the foundry too where several provide the family.
    EXPECT_EQ(QFontInfo(ResolveQFont(font.Handle())).family().section(QStringLiteral(" ["), 0, 0).toStdString(),
              family.toStdString());
    EXPECT_EQ(Form1->FCB1->itemData(i, Qt::FontRole).value<QFont>().family().toStdString(), family.toStdString());
  }
  // Dropped down, twelve entries show.
  ASSERT_GT(Form1->FCB1->count(), 12);
  Form1->FCB1->setCurrentIndex(0);
  Form1->FCB1->showPopup();
  QAbstractItemView* list = Form1->FCB1->view();
  EXPECT_EQ(list->indexAt(QPoint(1, 1)).row(), 0);
  EXPECT_EQ(list->indexAt(QPoint(1, list->viewport()->height() - 1)).row(), 11);
  Form1->FCB1->hidePopup();
}

}  // namespace
