#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QTest>

#include "controls/LMDColorComboBox.h"
#include "controls/LMDColorItemDelegate.h"
#include "support/widget/ColorDialogDriver.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/canvas/Canvas.h"

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
// events, with the colour dialog answered by the test.
class ColorCombo : public ::testing::Test {
 protected:
  ColorCombo() {
    combo.SetDisplayStyle(csColor3DText);
    combo.SetOptions(ColorCBOptionBit(coDefaultColors) | ColorCBOptionBit(coCustomColors) |
                     ColorCBOptionBit(coAllowAnyColor) | ColorCBOptionBit(coAllowDialog));
    combo.SetDlgOptions(ColorDialogOptionBit(cdFullOpen) | ColorDialogOptionBit(cdAnyColor));
    combo.SetDropDownCount(12);
    combo.SetSorted(true);
    combo.setGeometry(10, 10, 123, 21);
    combo.OnChange = [this](QWidget* sender) { changes += sender == &combo ? 1 : 100; };
  }
  void Show() {
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
  }
  // What the item drawing makes of Text in a rectangle of Size.
  QImage Drawn(const QString& text, QSize size) const {
    TSurface surface(size.width(), size.height());
    TCanvas canvas(&surface);
    canvas.SetFont(EngineFont(combo.font()));
    TLMDColorItemLook look;
    look.Style = csColor3DText;
    DrawColorItem(canvas, surface.Bounds(), text, look);
    return surface.Image();
  }

  TRecordingDialogs dialogs;
  std::optional<TDialogsOverride> answered{std::in_place, dialogs};
  TLMDColorComboBox combo;
  int changes = 0;
};

struct SelectCase {
  const char* Name;
  TColor Color;
  QString Selected;  // empty: nothing selected
  int32_t Count;
  QString First;
};

class ColorComboSelect : public ColorCombo, public ::testing::WithParamInterface<SelectCase> {};

// One change event also when nothing was found; none for the same colour
// again, unless that selected nothing.
TEST_P(ColorComboSelect, SelectsOrAddsAndRaisesOneChange) {
  const SelectCase& c = GetParam();
  combo.SelectColor(c.Color);
  combo.SelectColor(c.Color);
  EXPECT_EQ(combo.currentText(), c.Selected);
  EXPECT_EQ(combo.SelectedColor(), c.Selected.isEmpty() ? -1 : c.Color);
  EXPECT_EQ(combo.Count(), c.Count);
  EXPECT_EQ(combo.Item(0), c.First);
  EXPECT_EQ(changes, c.Selected.isEmpty() ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColorComboSelect,
                         ::testing::Values(SelectCase{"Red", 0x0000FF, "clRed", 16, "clAqua"},
                                           SelectCase{"AnyValueAddedFirst", 0x123456, "$00123456", 17, "$00123456"},
                                           SelectCase{"SystemColourAdded", TColorValue(0x8000000F), "clBtnFace", 17,
                                                      "clAqua"},
                                           SelectCase{"NoneNeverAdded", clNone, "", 16, "clAqua"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ColorCombo, UserChoiceRaisesChange) {
  Show();
  combo.SelectColor(clBlack);
  QTest::keyClick(&combo, Qt::Key_Down);
  EXPECT_EQ(combo.SelectedColor(), clBlue);
  EXPECT_EQ(changes, 2);
}

// The edit field shows the selected item as the list draws it (nothing
// but the background when none is selected), highlighted with the focus;
// the open list shows DropDownCount drawn items.
TEST_F(ColorCombo, EditFieldAndOpenListAreDrawnByTheItemDrawing) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
  EXPECT_EQ(combo.grab().toImage().copy(field), Drawn(QString(), field.size()));
  combo.SelectColor(clRed);
  EXPECT_EQ(combo.grab().toImage().copy(field), Drawn("clRed", field.size()));
  Show();
  combo.activateWindow();
  combo.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&combo));
  EXPECT_EQ(PixelToColor(combo.grab().toImage().pixel(field.right() - 4, field.center().y())), ColorToRGB(clHighlight));

  combo.showPopup();
  QAbstractItemView& view = *combo.view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window()));
  EXPECT_EQ(view.viewport()->height(), 12 * combo.ItemHeight());
  const QRect row = view.visualRect(view.model()->index(5, 0));
  EXPECT_EQ(view.viewport()->grab(row).toImage(), Drawn("clGreen", row.size()));
  combo.hidePopup();
}

// OK lists the custom colours first and keeps them for the next opening,
// which starts on the selected colour's RGB; Cancel changes nothing and
// raises no event; another combo has custom colours of its own.
TEST_F(ColorCombo, TheDialogKeepsTheComboBoxsOwnCustomColours) {
  combo.SelectColor(clBtnFace);
  dialogs.ColorAnswers = {Chosen(0x563412, {0x0080FF, 0x123456})};
  EXPECT_TRUE(combo.ExecuteDialog());
  QStringList want = QStringList({"$000080FF", "$00123456", "$00563412"}) + kNamedColours;
  want.insert(6, "clBtnFace");
  EXPECT_EQ(Items(combo), want);
  EXPECT_EQ(combo.SelectedColor(), 0x563412);
  EXPECT_EQ(changes, 3);  // select, reselect on refill, the dialog's colour
  QStringList custom = {"ColorA=0080FF", "ColorB=123456"};
  for (char slot = 'C'; slot <= 'P'; ++slot) custom << QStringLiteral("Color%1=FFFFFFFF").arg(slot);
  EXPECT_EQ(combo.CustomColors(), custom);

  EXPECT_FALSE(combo.ExecuteDialog());
  EXPECT_EQ(Items(combo), want);
  EXPECT_EQ(combo.CustomColors(), custom);
  EXPECT_EQ(changes, 3);
  TLMDColorComboBox other;
  other.ExecuteDialog();
  ASSERT_EQ(dialogs.ColorRequests.size(), 3u);
  EXPECT_EQ(dialogs.ColorRequests[0].Color, 0xF0F0F0);
  EXPECT_TRUE(dialogs.ColorRequests[0].FullOpen);
  EXPECT_EQ(dialogs.ColorRequests[0].CustomColors, TColorDialogRequest().CustomColors);
  EXPECT_EQ(dialogs.ColorRequests[1].Color, 0x563412);
  EXPECT_EQ(dialogs.ColorRequests[1].CustomColors, Chosen(0, {0x0080FF, 0x123456}).CustomColors);
  EXPECT_EQ(dialogs.ColorRequests[2].CustomColors, TColorDialogRequest().CustomColors);
}

TEST_F(ColorCombo, RightPressOpensTheDialogOnlyWithAllowDialog) {
  Show();
  dialogs.ColorAnswers = {Chosen(0x123456)};
  QTest::mouseClick(&combo, Qt::RightButton);
  EXPECT_EQ(combo.SelectedColor(), 0x123456);
  combo.SetOptions(combo.Options() & ~ColorCBOptionBit(coAllowDialog));
  QTest::mouseClick(&combo, Qt::RightButton);
  EXPECT_EQ(dialogs.ColorRequests.size(), 1u);
}

// Qt's own dialog: the custom colours the user set come back, its white
// slots add nothing.
TEST_F(ColorCombo, QtDialogCustomColoursAreListedFirst) {
  answered.reset();
  WhenColorDialogShown([](QColorDialog& dialog) {
    QColorDialog::setCustomColor(0, QColor(0xFF, 0x80, 0x00));
    QColorDialog::setCustomColor(1, QColor(0x56, 0x34, 0x12));
    dialog.setCurrentColor(QColor(0x10, 0x20, 0x30));
    dialog.accept();
  });
  ASSERT_TRUE(combo.ExecuteDialog());
  EXPECT_EQ(Items(combo), QStringList({"$000080FF", "$00123456", "$00302010"}) + kNamedColours);
}

}  // namespace
