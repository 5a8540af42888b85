#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <memory>

#include "controls/ColorDialogAnswer.h"
#include "controls/LMDColorComboBox.h"
#include "controls/LMDColorItemDelegate.h"
#include "support/PixelAssert.h"
#include "toolkit/Canvas.h"

namespace {

const QStringList kNamedColours = {"clAqua",   "clBlack", "clBlue",  "clFuchsia", "clGray",   "clGreen",
                                   "clLime",   "clMaroon", "clNavy", "clOlive",   "clPurple", "clRed",
                                   "clSilver", "clTeal",  "clWhite", "clYellow"};

QStringList Items(const TLMDColorPicker& picker) {
  QStringList items;
  for (int32_t index = 0; index < picker.Count(); ++index) items << picker.Item(index);
  return items;
}

// A colour combo box as the control panel sets it up, counting its change
// events.
struct PanelCombo {
  TLMDColorComboBox Combo;
  int Changes = 0;

  PanelCombo() {
    Combo.SetDisplayStyle(csColor3DText);
    Combo.SetOptions(ColorCBOptionBit(coDefaultColors) | ColorCBOptionBit(coCustomColors) |
                     ColorCBOptionBit(coAllowAnyColor) | ColorCBOptionBit(coAllowDialog));
    Combo.SetDlgOptions(ColorDialogOptionBit(cdFullOpen) | ColorDialogOptionBit(cdAnyColor));
    Combo.SetDropDownCount(12);
    Combo.SetSorted(true);
    Combo.OnChange = [this](QWidget* sender) {
      EXPECT_EQ(sender, &Combo);
      ++Changes;
    };
  }
};

TEST(ColorComboBoxTest, OffersTheSixteenNamedColoursSortedWithNoneSelected) {
  PanelCombo panel;
  EXPECT_EQ(Items(panel.Combo), kNamedColours);
  EXPECT_EQ(panel.Combo.ItemIndex(), -1);
  EXPECT_EQ(panel.Combo.SelectedColor(), -1);
  EXPECT_EQ(panel.Changes, 0);
}

struct SelectCase {
  const char* Name;
  TColor Color;
  QString Selected;  // empty: nothing selected
  int32_t Count;
  TColor Reads;
};

class ColorComboSelectTest : public ::testing::TestWithParam<SelectCase> {};

TEST_P(ColorComboSelectTest, SelectsOrAddsAndRaisesOneChange) {
  const SelectCase& c = GetParam();
  PanelCombo panel;
  panel.Combo.SelectColor(c.Color);
  EXPECT_EQ(panel.Combo.currentText(), c.Selected);
  EXPECT_EQ(panel.Combo.Count(), c.Count);
  EXPECT_EQ(panel.Combo.SelectedColor(), c.Reads);
  EXPECT_EQ(panel.Changes, 1);
  panel.Combo.SelectColor(c.Color);
  EXPECT_EQ(panel.Changes, c.Selected.isEmpty() ? 2 : 1) << "the same colour again";
  EXPECT_EQ(panel.Combo.Count(), c.Count);
}

const SelectCase kSelectCases[] = {
    {"Red", 0x0000FF, "clRed", 16, clRed},
    {"Silver", 0xC0C0C0, "clSilver", 16, clSilver},
    {"AnyValue", 0x123456, "$00123456", 17, 0x123456},
    {"SystemColour", TColorValue(0x8000000F), "clBtnFace", 17, clBtnFace},
    {"None", clNone, "", 16, -1},
};

INSTANTIATE_TEST_SUITE_P(Colours, ColorComboSelectTest, ::testing::ValuesIn(kSelectCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ColorComboBoxTest, AddedColoursTakeTheirSortedPlace) {
  PanelCombo panel;
  panel.Combo.SelectColor(clBtnShadow);
  panel.Combo.SelectColor(0x123456);
  EXPECT_EQ(panel.Combo.Item(0), "$00123456");
  EXPECT_EQ(panel.Combo.Item(4), "clBtnShadow");
  EXPECT_EQ(panel.Combo.ItemIndex(), 0);
}

TEST(ColorComboBoxTest, ColourThatIsNoItemIsNotAddedWithoutAllowAnyColorButStillRaisesChange) {
  PanelCombo panel;
  panel.Combo.SelectColor(clRed);
  panel.Combo.SetOptions(ColorCBOptionBit(coDefaultColors));
  panel.Changes = 0;
  panel.Combo.SelectColor(0x123456);
  EXPECT_EQ(panel.Combo.Count(), 16);
  EXPECT_EQ(panel.Combo.SelectedColor(), -1);
  EXPECT_EQ(panel.Changes, 1);
}

TEST(ColorComboBoxTest, RefillKeepsTheSelectedColour) {
  PanelCombo panel;
  panel.Combo.SelectColor(0x123456);
  panel.Combo.SetOptions(panel.Combo.Options() | ColorCBOptionBit(coSystemColors));
  EXPECT_EQ(panel.Combo.Count(), 48 + 1);
  EXPECT_EQ(panel.Combo.SelectedColor(), 0x123456);
  EXPECT_EQ(Items(panel.Combo).indexOf("clNone"), -1);
  EXPECT_EQ(Items(panel.Combo).indexOf("clDefault"), 16);
}

TEST(ColorComboBoxTest, UserChoiceRaisesChange) {
  PanelCombo panel;
  panel.Combo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.Combo));
  panel.Combo.SelectColor(clBlack);
  panel.Changes = 0;
  QTest::keyClick(&panel.Combo, Qt::Key_Down);
  EXPECT_EQ(panel.Combo.SelectedColor(), clBlue);
  EXPECT_EQ(panel.Changes, 1);
}

// The edit field shows the selected item exactly as the list draws it,
// and nothing but the background when none is selected.
TEST(ColorComboBoxTest, EditFieldIsDrawnByTheItemDrawing) {
  for (const TColor color : {clRed, clNone}) {
    PanelCombo panel;
    panel.Combo.resize(123, 21);
    panel.Combo.SelectColor(color);
    const QImage shot = panel.Combo.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStyleOptionComboBox option;
    option.initFrom(&panel.Combo);
    const QRect field =
        panel.Combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &panel.Combo);
    TSurface want(field.width(), field.height());
    TCanvas canvas(&want);
    canvas.SetFont(EngineFont(panel.Combo.font()));
    TLMDColorItemLook look;
    look.Style = csColor3DText;
    DrawColorItem(canvas, want.Bounds(), panel.Combo.currentText(), look);
    TSurface got;
    got.Image() = shot.copy(field);
    EXPECT_EQ(got.Image(), want.Image()) << ColorToString(color).toStdString();
  }
}

// The colour dialog, answered through the dialogs.
class ColorComboDialogTest : public ::testing::Test {
 protected:
  TColorDialogAnswer dialogs;
  PanelCombo panel;
};

TEST_F(ColorComboDialogTest, TwoCustomColoursAreListedFirstAndUnusedSlotsAddNothing) {
  dialogs.Answer = ConfirmWith(0x563412, {0x0080FF, 0x123456});
  EXPECT_TRUE(panel.Combo.ExecuteDialog());
  QStringList want = {"$000080FF", "$00123456", "$00563412"};
  want << kNamedColours;
  EXPECT_EQ(Items(panel.Combo), want);
  EXPECT_EQ(panel.Combo.SelectedColor(), 0x563412);
  EXPECT_EQ(panel.Changes, 1);
  EXPECT_EQ(panel.Combo.CustomColors(),
            QStringList({"ColorA=0080FF", "ColorB=123456", "ColorC=FFFFFFFF", "ColorD=FFFFFFFF", "ColorE=FFFFFFFF",
                         "ColorF=FFFFFFFF", "ColorG=FFFFFFFF", "ColorH=FFFFFFFF", "ColorI=FFFFFFFF", "ColorJ=FFFFFFFF",
                         "ColorK=FFFFFFFF", "ColorL=FFFFFFFF", "ColorM=FFFFFFFF", "ColorN=FFFFFFFF", "ColorO=FFFFFFFF",
                         "ColorP=FFFFFFFF"}));
}

TEST_F(ColorComboDialogTest, StartsOnTheSelectedColourWithTheComboOwnCustomColours) {
  panel.Combo.SelectColor(clBtnFace);
  dialogs.Answer = ConfirmWith(clGreen, {0x0080FF});
  panel.Combo.ExecuteDialog();
  panel.Combo.ExecuteDialog();
  ASSERT_EQ(dialogs.Requests.size(), 2u);
  const TColorDialogRequest& first = dialogs.Requests[0];
  EXPECT_EQ(first.Color, 0xF0F0F0);
  EXPECT_TRUE(first.FullOpen);
  for (const TColor custom : first.CustomColors) EXPECT_EQ(custom, -1);
  EXPECT_EQ(dialogs.Parents[0], &panel.Combo);
  const TColorDialogRequest& second = dialogs.Requests[1];
  EXPECT_EQ(second.Color, clGreen);
  EXPECT_EQ(second.CustomColors[0], 0x0080FF);
  EXPECT_EQ(second.CustomColors[1], -1);
}

TEST_F(ColorComboDialogTest, CancelChangesNothingAndRaisesNoChange) {
  dialogs.Answer = ConfirmWith(clRed, {0x0080FF});
  panel.Combo.ExecuteDialog();
  const QStringList items = Items(panel.Combo);
  const QStringList custom = panel.Combo.CustomColors();
  panel.Changes = 0;
  dialogs.Answer = [](TColorDialogRequest& request) {
    ConfirmWith(clLime, {0x00FF00, 0x0000FF})(request);
    return false;
  };
  EXPECT_FALSE(panel.Combo.ExecuteDialog());
  EXPECT_EQ(Items(panel.Combo), items);
  EXPECT_EQ(panel.Combo.CustomColors(), custom);
  EXPECT_EQ(panel.Combo.SelectedColor(), clRed);
  EXPECT_EQ(panel.Changes, 0);
}

TEST_F(ColorComboDialogTest, EachComboKeepsItsOwnCustomColours) {
  PanelCombo other;
  dialogs.Answer = ConfirmWith(clRed, {0x0080FF});
  panel.Combo.ExecuteDialog();
  dialogs.Answer = ConfirmWith(clRed);
  other.Combo.ExecuteDialog();
  EXPECT_EQ(dialogs.Requests[1].CustomColors[0], -1);
  EXPECT_EQ(other.Combo.Count(), 16);
  EXPECT_EQ(panel.Combo.Count(), 17);
}

TEST_F(ColorComboDialogTest, RightPressOpensTheDialogOnlyWithAllowDialog) {
  panel.Combo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.Combo));
  dialogs.Answer = ConfirmWith(0x123456);
  QTest::mousePress(&panel.Combo, Qt::RightButton);
  QTest::mouseRelease(&panel.Combo, Qt::RightButton);
  EXPECT_EQ(dialogs.Requests.size(), 1u);
  EXPECT_EQ(panel.Combo.SelectedColor(), 0x123456);
  panel.Combo.SetOptions(panel.Combo.Options() & ~ColorCBOptionBit(coAllowDialog));
  QTest::mousePress(&panel.Combo, Qt::RightButton);
  QTest::mouseRelease(&panel.Combo, Qt::RightButton);
  EXPECT_EQ(dialogs.Requests.size(), 1u);
}

}  // namespace
