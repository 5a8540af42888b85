#include <gtest/gtest.h>

#include "toolkit/Colors.h"

TEST(Colors, NameTableRoundTripsEveryEntry) {
  for (int i = 0; i < ColorNameCount; ++i) {
    const TColorName& entry = ColorName(i);
    EXPECT_EQ(ColorToString(entry.Value), QString::fromLatin1(entry.Name)) << i;
    EXPECT_EQ(StringToColor(QString::fromLatin1(entry.Name)), entry.Value) << i;
  }
}

TEST(Colors, TableOrderAndValues) {
  EXPECT_STREQ(ColorName(0).Name, "clBlack");
  EXPECT_STREQ(ColorName(15).Name, "clWhite");
  EXPECT_EQ(ColorName(16).Value, 0xC0DCC0);
  EXPECT_STREQ(ColorName(20).Name, "clActiveBorder");
  EXPECT_EQ(ColorName(20).Value, TColorValue(0x8000000A));
  EXPECT_EQ(ColorName(29).Value, 0x20000000);
  EXPECT_EQ(ColorName(42).Value, 0x1FFFFFFF);
  EXPECT_STREQ(ColorName(48).Name, "clWindowText");
}

TEST(Colors, TextConversionEdgeCases) {
  EXPECT_EQ(ColorToString(0x0000FF), "clRed");
  EXPECT_EQ(StringToColor("clRed"), 0x0000FF);
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(StringToColor("$00123456"), 0x123456);
  EXPECT_EQ(ColorToString(TColorValue(0x8000000F)), "clBtnFace");
  EXPECT_EQ(StringToColor("clBtnFace"), TColorValue(0x8000000F));
  EXPECT_EQ(ColorToString(0x008000FF), "$008000FF");
  EXPECT_EQ(ColorToString(TColorValue(0x8000001A)), "$8000001A");
  EXPECT_EQ(StringToColor("CLRED"), clRed);
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_EQ(StringToColor("-1"), -1);
  EXPECT_EQ(StringToColor("$ff"), 255);
  EXPECT_EQ(StringToColor("$80000005"), clWindow);
  EXPECT_FALSE(StringToColor("red").has_value());
  EXPECT_FALSE(StringToColor("").has_value());
  EXPECT_FALSE(StringToColor("$").has_value());
  EXPECT_FALSE(StringToColor("12abc").has_value());
}

TEST(Colors, ColorToRgbResolvesThroughTheFixedScheme) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(0xA0, 0xA0, 0xA0));
  EXPECT_EQ(ColorToRGB(clHighlight), RGB(0x33, 0x99, 0xFF));
  EXPECT_EQ(ColorToRGB(clInfoBk), RGB(0xFF, 0xFF, 0xE1));
  EXPECT_EQ(ColorToRGB(clGradientInactiveCaption), RGB(0xD7, 0xE4, 0xF2));
  EXPECT_EQ(ColorToRGB(0x02123456), 0x123456);  // palette-relative paints as its RGB
  EXPECT_EQ(ColorToPixel(clBlue), 0xFF0000FFu);
  EXPECT_EQ(ColorToPixel(clGrayText), 0xFF6D6D6Du);
}
