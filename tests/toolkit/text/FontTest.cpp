#include <gtest/gtest.h>

#include <QFontDatabase>
#include <functional>

#include "toolkit/canvas/Canvas.h"
#include "toolkit/text/Font.h"

namespace {

struct TSizeCase {
  int32_t Points;
  int32_t Height;
};

class FontSizeTest : public ::testing::TestWithParam<TSizeCase> {};

TEST_P(FontSizeTest, SizeAndHeightAt96PixelsPerInch) {
  TFont font;
  font.SetSize(GetParam().Points);
  EXPECT_EQ(font.Height(), GetParam().Height);
  EXPECT_EQ(font.Size(), GetParam().Points);
}

INSTANTIATE_TEST_SUITE_P(Font, FontSizeTest,
                         ::testing::Values(TSizeCase{8, -11}, TSizeCase{9, -12}, TSizeCase{10, -13},
                                           TSizeCase{28, -37}, TSizeCase{72, -96}, TSizeCase{1, -1}));

TEST(Font, HeightGivesRoundedSize) {
  TFont font;
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetHeight(-15);
  EXPECT_EQ(font.Size(), 11);
  font.SetHeight(-14);
  EXPECT_EQ(font.Size(), 11);  // 10.5 rounds away from zero
}

struct TSetterCase {
  const char* Name;
  std::function<void(TFont&)> Change;
};

class FontNotifyTest : public ::testing::TestWithParam<TSetterCase> {};

TEST_P(FontNotifyTest, OneNotificationPerChangeNoneForTheSameValue) {
  TFont font;
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  GetParam().Change(font);
  EXPECT_EQ(changes, 1);
  GetParam().Change(font);
  EXPECT_EQ(changes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Font, FontNotifyTest,
    ::testing::Values(TSetterCase{"Name", [](TFont& f) { f.SetName("Arial"); }},
                      TSetterCase{"Size", [](TFont& f) { f.SetSize(28); }},
                      TSetterCase{"Height", [](TFont& f) { f.SetHeight(-20); }},
                      TSetterCase{"Color", [](TFont& f) { f.SetColor(clRed); }},
                      TSetterCase{"Style", [](TFont& f) { f.SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsItalic)); }},
                      TSetterCase{"Charset", [](TFont& f) { f.SetCharset(204); }},
                      TSetterCase{"Handle",
                                  [](TFont& f) {
                                    TLogFont lf = f.Handle();
                                    lf.Escapement = 450;
                                    f.SetHandle(lf);
                                  }}),
    [](const ::testing::TestParamInfo<TSetterCase>& info) { return std::string(info.param.Name); });

TEST(Font, StyleMapsToTheLogicalRecord) {
  TFont font;
  font.SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsUnderline) | FontStyleBit(fsStrikeOut));
  EXPECT_EQ(font.Handle().Weight, FW_BOLD);
  EXPECT_FALSE(font.Handle().Italic);
  EXPECT_TRUE(font.Handle().Underline);
  EXPECT_TRUE(font.Handle().StrikeOut);
  EXPECT_EQ(font.Style(), FontStyleBit(fsBold) | FontStyleBit(fsUnderline) | FontStyleBit(fsStrikeOut));
}

TEST(Font, ReplacedHandleKeepsItsEscapementUntilAPropertyChanges) {
  TFont font;
  font.SetName("Arial");
  TLogFont rotated = font.Handle();
  rotated.Escapement = 300;
  font.SetHandle(rotated);
  font.SetColor(clRed);  // the colour is no part of the record
  EXPECT_EQ(font.Handle().Escapement, 300);
  TFont copy;
  copy.Assign(font);
  EXPECT_EQ(copy.Handle().Escapement, 300);
  EXPECT_EQ(copy.Color(), clRed);
  font.SetSize(20);
  EXPECT_EQ(font.Handle().Escapement, 0);
}

TEST(Font, TrueTypeTest) {
  TFont font;
  font.SetName("Arial");
  EXPECT_TRUE(font.IsTrueType());
  font.SetName("DejaVu Sans");
  EXPECT_TRUE(font.IsTrueType());
  ASSERT_GE(QFontDatabase::addApplicationFont(VELLUMO_TEST_FILES "/VellumoBitmap.bdf"), 0);
  font.SetName("Vellumo Bitmap");
  EXPECT_FALSE(font.IsTrueType());
  TCanvas canvas;
  canvas.SetFont(font);
  EXPECT_FALSE(canvas.IsTrueTypeFont());
  EXPECT_EQ(canvas.GetTextMetrics().tmPitchAndFamily & TMPF_TRUETYPE, 0);
  canvas.Font().SetName("Arial");
  EXPECT_TRUE(canvas.IsTrueTypeFont());
  EXPECT_EQ(canvas.GetTextMetrics().tmPitchAndFamily & TMPF_TRUETYPE, TMPF_TRUETYPE);
}

}  // namespace
