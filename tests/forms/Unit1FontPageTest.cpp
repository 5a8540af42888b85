// Page "Шрифт 3D": each control, used as the user uses it, writes its
// property of the label.
#include <QAbstractItemView>

#include "forms/Unit1TestSupport.h"
#include "toolkit/text/FontEngine.h"

namespace {

class FontPageTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    ShowPanel(Form1->TabSheet1);
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
                      StyleCase{"Sunk", tdRaised, false}));

// Typed after "7": empty reads as 0; the angle takes the low 16 bits; a
// lone sign begins a number and writes nothing yet.
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
int32_t AngleOf(TLMDLabelFill& label) { return label.FontFX().Angle(); }

INSTANTIATE_TEST_SUITE_P(
    Values, SpinEdits,
    ::testing::Values(SpinCase{"SE6", "24", SizeOf, 24}, SpinCase{"SE6", "", SizeOf, 0},
                      SpinCase{"LMDExtSpinEdit1", "100", [](TLMDLabelFill& l) { return l.FontFX().LightDepth(); }, 100},
                      SpinCase{"LMDExtSpinEdit3", "20", [](TLMDLabelFill& l) { return l.FontFX().ShadowDepth(); }, 20},
                      SpinCase{"LMDExtSpinEdit2", "360", AngleOf, 0}, SpinCase{"LMDExtSpinEdit2", "-90", AngleOf, 65446},
                      SpinCase{"LMDExtSpinEdit2", "-", AngleOf, 7}, SpinCase{"SE6", "+", SizeOf, 7},
                      SpinCase{"LMDExtSpinEdit2", "+9", AngleOf, 9},
                      SpinCase{"LMDExtSpinEdit4", "-20", [](TLMDLabelFill& l) { return l.FontFX().Tracing(); }, -20}));

// The field admits digits and a leading "-" only; the program's text is
// read as it stands.
TEST_F(FontPageTest, TextThatIsNoNumberIsTheConversionErrorAndChangesNothing) {
  QLineEdit* field = Form1->LMDExtSpinEdit3->findChild<QLineEdit*>();
  Type(Form1->LMDExtSpinEdit3, QStringLiteral("5"));
  QMetaObject::invokeMethod(field, [field] { field->setText(QStringLiteral("5x")); }, Qt::QueuedConnection);
  QApplication::processEvents();
  EXPECT_EQ(dialogs_.MessageTexts(), QStringList{QStringLiteral("'5x' is not a valid integer value")});
  EXPECT_EQ(L1().FontFX().ShadowDepth(), 5);
}

TEST_F(FontPageTest, TheGroupsBuildANewStyleSetTheFrameAndTheDirection) {
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

  Type(Form1->LMDComboBox1, QStringLiteral("ExtrudeEnh"));
  const TLMDThreeDOrientation directions[] = {toTopRight, toTopLeft, toBottomRight, toBottomLeft};
  for (int32_t item : {3, 1, 2, 0}) {
    QTest::mouseClick(Form1->RG1->Button(item), Qt::LeftButton);
    EXPECT_EQ(L1().FontFX().Orientation(), directions[item]) << item;
  }
}

// Each colour button's dialog: the colour chosen is shown and reaches the
// label; Cancel changes nothing; the next opening starts on the colour.
struct DialogCase {
  const char* Button;
  const char* Combo;
  std::function<TColor(TLMDLabelFill&)> Read;
};

class ColorDialogs : public FontPageTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(ColorDialogs, TheColourChosenIsShownAndReachesTheLabel) {
  const DialogCase& c = GetParam();
  auto* combo = Form1->findChild<TLMDColorComboBox*>(QString::fromLatin1(c.Combo));
  auto* button = Form1->findChild<TRzBmpButton*>(QString::fromLatin1(c.Button));
  dialogs_.ColorAnswers.push_back(Chosen(0x123456));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(combo->Item(combo->ItemIndex()), QStringLiteral("$00123456"));
  EXPECT_EQ(c.Read(L1()), 0x123456);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(c.Read(L1()), 0x123456);
  ASSERT_EQ(dialogs_.ColorRequests.size(), 2u);
  EXPECT_EQ(dialogs_.ColorRequests[1].Color, 0x123456);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ColorDialogs,
    ::testing::Values(DialogCase{"RzBmpButton7", "LMDColorComboBox1", [](TLMDLabelFill& l) { return l.Font().Color(); }},
                      DialogCase{"RzBmpButton1", "CCB1", [](TLMDLabelFill& l) { return l.FontFX().LightColor(); }},
                      DialogCase{"RzBmpButton2", "CCB2", [](TLMDLabelFill& l) { return l.FontFX().ShadowColor(); }}));

// Every entry is drawn in its own face and names the face the engine draws
// that name with (no alias standing for another family); twelve show
// dropped down.
TEST_F(FontPageTest, TheFamilyChosenIsTheOneTheLabelDrawsWith) {
  QComboBox& families = *Form1->FCB1;
  for (int i = 0; i < families.count() && families.currentText() != QStringLiteral("DejaVu Serif"); ++i)
    QTest::keyClick(&families, Qt::Key_Down);
  EXPECT_EQ(L1().Font().Name(), QStringLiteral("DejaVu Serif"));
  ASSERT_GT(families.count(), 12);
  for (int i = 0; i < families.count(); ++i) {
    const QString family = families.itemText(i);
    TFont font;
    font.SetName(family);
    // Qt names the foundry too where several provide the family.
    EXPECT_EQ(QFontInfo(ResolveQFont(font.Handle())).family().section(QStringLiteral(" ["), 0, 0), family);
    EXPECT_EQ(families.itemData(i, Qt::FontRole).value<QFont>().family(), family);
  }
  families.setCurrentIndex(0);
  families.showPopup();
  QAbstractItemView* list = families.view();
  EXPECT_EQ(list->indexAt(QPoint(1, 1)).row(), 0);
  EXPECT_EQ(list->indexAt(QPoint(1, list->viewport()->height() - 1)).row(), 11);
  families.hidePopup();
}

// After a show has put the group back on "Верх-право" over a label that
// recedes elsewhere, clicking or pressing Space on that item changes
// nothing; only an item newly checked, by the mouse or the arrow keys,
// turns the label.
TEST_F(FontPageTest, OnlyANewlyCheckedDirectionTurnsTheLabel) {
  Type(Form1->LMDComboBox1, QStringLiteral("Extrude"));
  QTest::mouseClick(Form1->RG1->Button(3), Qt::LeftButton);
  Form1->hide();
  ShowPanel(Form1->TabSheet1);
  ASSERT_EQ(Form1->RG1->ItemIndex(), 0);
  QTest::mouseClick(Form1->RG1->Button(0), Qt::LeftButton);
  QTest::keyClick(Form1->RG1->Button(0), Qt::Key_Space);
  EXPECT_EQ(L1().FontFX().Orientation(), toBottomLeft);
  PressOnFocused(Form1->RG1->Button(0), Qt::Key_Down);
  EXPECT_EQ(Form1->RG1->ItemIndex(), 1);
  EXPECT_EQ(L1().FontFX().Orientation(), toTopLeft);
}

}  // namespace
