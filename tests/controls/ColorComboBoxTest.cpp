#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QTest>

#include "controls/ColorDialogAnswer.h"
#include "controls/LMDColorComboBox.h"
#include "controls/LMDColorItemDelegate.h"
#include "support/widget/ColorDialogDriver.h"
#include "toolkit/Canvas.h"

namespace {

const QStringList kNamedColours = {"clAqua",   "clBlack",  "clBlue",  "clFuchsia", "clGray",   "clGreen",
                                   "clLime",   "clMaroon", "clNavy",  "clOlive",   "clPurple", "clRed",
                                   "clSilver", "clTeal",   "clWhite", "clYellow"};

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
    Combo.setGeometry(10, 10, 123, 21);
    Combo.OnChange = [this](QWidget* sender) {
      EXPECT_EQ(sender, &Combo);
      ++Changes;
    };
  }
  void Show() {
    Combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Combo));
  }
  // What the item drawing makes of Text in a rectangle of Size.
  QImage Drawn(const QString& text, QSize size) const {
    TSurface surface(size.width(), size.height());
    TCanvas canvas(&surface);
    canvas.SetFont(EngineFont(Combo.font()));
    TLMDColorItemLook look;
    look.Style = csColor3DText;
    DrawColorItem(canvas, surface.Bounds(), text, look);
    return surface.Image();
  }
  QRect EditField() const {
    QStyleOptionComboBox option;
    option.initFrom(&Combo);
    return Combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &Combo);
  }
};

TEST(ColorComboBoxTest, OffersTheSixteenNamedColoursSortedWithNoneSelected) {
  PanelCombo panel;
  EXPECT_EQ(Items(panel.Combo), kNamedColours);
  EXPECT_EQ(panel.Combo.SelectedColor(), -1);
}

struct SelectCase {
  const char* Name;
  TColor Color;
  QString Selected;  // empty: nothing selected
  int32_t Count;
  QString First;
};

class ColorComboSelectTest : public ::testing::TestWithParam<SelectCase> {};

// One change event also when nothing was found; none for the same colour
// again, unless that selected nothing.
TEST_P(ColorComboSelectTest, SelectsOrAddsAndRaisesOneChange) {
  const SelectCase& c = GetParam();
  PanelCombo panel;
  panel.Combo.SelectColor(c.Color);
  panel.Combo.SelectColor(c.Color);
  EXPECT_EQ(panel.Combo.currentText(), c.Selected);
  EXPECT_EQ(panel.Combo.SelectedColor(), c.Selected.isEmpty() ? -1 : c.Color);
  EXPECT_EQ(panel.Combo.Count(), c.Count);
  EXPECT_EQ(panel.Combo.Item(0), c.First);
  EXPECT_EQ(panel.Changes, c.Selected.isEmpty() ? 2 : 1);
}

const SelectCase kSelectCases[] = {
    {"Red", 0x0000FF, "clRed", 16, "clAqua"},
    {"Silver", 0xC0C0C0, "clSilver", 16, "clAqua"},
    {"AnyValueAddedFirst", 0x123456, "$00123456", 17, "$00123456"},
    {"SystemColourAdded", TColorValue(0x8000000F), "clBtnFace", 17, "clAqua"},
    {"NoneNeverAdded", clNone, "", 16, "clAqua"},
};

INSTANTIATE_TEST_SUITE_P(Colours, ColorComboSelectTest, ::testing::ValuesIn(kSelectCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ColorComboBoxTest, UserChoiceRaisesChange) {
  PanelCombo panel;
  panel.Show();
  panel.Combo.SelectColor(clBlack);
  QTest::keyClick(&panel.Combo, Qt::Key_Down);
  EXPECT_EQ(panel.Combo.SelectedColor(), clBlue);
  EXPECT_EQ(panel.Changes, 2);
}

// The edit field shows the selected item as the list draws it (nothing
// but the background when none is selected), highlighted with the focus.
TEST(ColorComboBoxTest, EditFieldIsDrawnByTheItemDrawing) {
  PanelCombo panel;
  const QRect field = panel.EditField();
  EXPECT_EQ(panel.Combo.grab().toImage().copy(field), panel.Drawn(QString(), field.size()));
  panel.Combo.SelectColor(clRed);
  EXPECT_EQ(panel.Combo.grab().toImage().copy(field), panel.Drawn("clRed", field.size()));
  panel.Show();
  panel.Combo.activateWindow();
  panel.Combo.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel.Combo));
  const QRgb right = panel.Combo.grab().toImage().pixel(field.right() - 4, field.center().y());
  EXPECT_EQ(PixelToColor(right), ColorToRGB(clHighlight));
}

// Whatever the style's habit, the open list shows DropDownCount items.
TEST(ColorComboBoxTest, OpenListShowsTwelveDrawnItems) {
  PanelCombo panel;
  panel.Show();
  panel.Combo.showPopup();
  QAbstractItemView& view = *panel.Combo.view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window()));
  EXPECT_EQ(view.viewport()->height(), 12 * panel.Combo.ItemHeight());
  const QRect row = view.visualRect(view.model()->index(5, 0));
  EXPECT_EQ(view.viewport()->grab(row).toImage(), panel.Drawn("clGreen", row.size()));
  panel.Combo.hidePopup();
}

// The colour dialog, answered through the dialogs.
class ColorComboDialogTest : public ::testing::Test {
 protected:
  TColorDialogAnswer dialogs;
  PanelCombo panel;
};

TEST_F(ColorComboDialogTest, OkListsCustomColoursFirstAndKeepsThemForNextTime) {
  panel.Combo.SelectColor(clBtnFace);
  dialogs.Answer = ConfirmWith(0x563412, {0x0080FF, 0x123456});
  EXPECT_TRUE(panel.Combo.ExecuteDialog());
  QStringList want = QStringList({"$000080FF", "$00123456", "$00563412"}) + kNamedColours;
  want.insert(6, "clBtnFace");
  EXPECT_EQ(Items(panel.Combo), want);
  EXPECT_EQ(panel.Combo.SelectedColor(), 0x563412);
  EXPECT_EQ(panel.Changes, 3);  // select, reselect on refill, the dialog's colour
  QStringList custom = {"ColorA=0080FF", "ColorB=123456"};
  for (char slot = 'C'; slot <= 'P'; ++slot) custom << QStringLiteral("Color%1=FFFFFFFF").arg(slot);
  EXPECT_EQ(panel.Combo.CustomColors(), custom);

  panel.Combo.ExecuteDialog();
  const TColorDialogRequest& first = dialogs.Requests[0];
  EXPECT_EQ(first.Color, 0xF0F0F0);
  EXPECT_TRUE(first.FullOpen);
  EXPECT_EQ(first.CustomColors, TColorDialogRequest().CustomColors);
  EXPECT_EQ(dialogs.Parents[0], &panel.Combo);
  const TColorDialogRequest& second = dialogs.Requests[1];
  EXPECT_EQ(second.Color, 0x563412);
  EXPECT_EQ(second.CustomColors[1], 0x123456);
  EXPECT_EQ(second.CustomColors[2], -1);
}

TEST_F(ColorComboDialogTest, CancelChangesNothingAndRaisesNoChange) {
  dialogs.Answer = ConfirmWith(clRed, {0x0080FF});
  panel.Combo.ExecuteDialog();
  const QStringList items = Items(panel.Combo);
  const QStringList custom = panel.Combo.CustomColors();
  panel.Changes = 0;
  dialogs.Answer = [](TColorDialogRequest& request) { return !ConfirmWith(clLime, {0x00FF00})(request); };
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
  other.Combo.ExecuteDialog();
  EXPECT_EQ(dialogs.Requests[1].CustomColors[0], -1);
}

TEST_F(ColorComboDialogTest, RightPressOpensTheDialogOnlyWithAllowDialog) {
  panel.Show();
  dialogs.Answer = ConfirmWith(0x123456);
  QTest::mouseClick(&panel.Combo, Qt::RightButton);
  EXPECT_EQ(panel.Combo.SelectedColor(), 0x123456);
  panel.Combo.SetOptions(panel.Combo.Options() & ~ColorCBOptionBit(coAllowDialog));
  QTest::mouseClick(&panel.Combo, Qt::RightButton);
  EXPECT_EQ(dialogs.Requests.size(), 1u);
}

// Qt's own dialog: the custom colours the user set come back, its white
// slots add nothing.
TEST(ColorComboBoxTest, QtDialogCustomColoursAreListedFirst) {
  PanelCombo panel;
  WhenColorDialogShown([](QColorDialog& dialog) {
    QColorDialog::setCustomColor(0, QColor(0xFF, 0x80, 0x00));
    QColorDialog::setCustomColor(1, QColor(0x56, 0x34, 0x12));
    dialog.setCurrentColor(QColor(0x10, 0x20, 0x30));
    dialog.accept();
  });
  ASSERT_TRUE(panel.Combo.ExecuteDialog());
  EXPECT_EQ(Items(panel.Combo), QStringList({"$000080FF", "$00123456", "$00302010"}) + kNamedColours);
}

}  // namespace
