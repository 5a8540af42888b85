#include <gtest/gtest.h>

#include "tools/render/HelpText.h"
#include "tools/render/ParseArguments.h"
#include "tools/render/RenderOptions.h"

namespace {

TRenderSettings Parse(QStringList arguments) {
  arguments.prepend(QStringLiteral("bg.jpg"));
  return ParseArguments(arguments);
}

QString ErrorOf(const QStringList& arguments) {
  try {
    ParseArguments(arguments);
  } catch (const Exception& error) {
    return error.Message();
  }
  return QStringLiteral("<no error>");
}

TEST(ParseArguments, DefaultsAreTheLabelsAndThePanelsStart) {
  const TRenderSettings s = Parse({});
  EXPECT_EQ(s.Backgrounds, QStringList{"bg.jpg"});
  EXPECT_EQ(s.Text, QStringLiteral("Текстъ!"));
  EXPECT_EQ(s.FontName, "Arial");
  EXPECT_EQ(s.FontSize, 10);
  EXPECT_EQ(s.FontColor, clRed);
  EXPECT_EQ(s.LightColor, clBtnHighlight);
  EXPECT_EQ(s.ShadowColor, clBtnShadow);
  EXPECT_EQ(s.Gradient, std::vector<TColor>({clBlue, clBlack}));
  EXPECT_EQ(s.GradientStyle, gstVertical);
  EXPECT_EQ(s.Direction, toTopRight);
  EXPECT_EQ(s.Tile, tmNone);
  EXPECT_EQ(s.ColorCount, 17);
  EXPECT_EQ(s.RimColor, clBtnFace);
  EXPECT_EQ(s.Format, ofBmp);
  EXPECT_FALSE(s.Help);
}

// Every default the help shows, given as the option's value, leaves the
// settings at their defaults: the help cannot drift from the settings.
TEST(ParseArguments, EveryDefaultTheHelpShowsIsTheDefault) {
  const TRenderSettings defaults = Parse({});
  for (const TRenderOption& option : RenderOptions()) {
    if (!option.Default) continue;
    const TRenderSettings s = Parse({QString::fromLatin1(option.Name), QString::fromUtf8(option.Default)});
    const char* name = option.Name;
    EXPECT_EQ(s.Text, defaults.Text) << name;
    EXPECT_EQ(s.FontName, defaults.FontName) << name;
    EXPECT_EQ(s.FontSize, defaults.FontSize) << name;
    EXPECT_EQ(s.FontColor, defaults.FontColor) << name;
    EXPECT_EQ(s.Format, defaults.Format) << name;
    EXPECT_EQ(s.Style, defaults.Style) << name;
    EXPECT_EQ(s.LightDepth, defaults.LightDepth) << name;
    EXPECT_EQ(s.ShadowDepth, defaults.ShadowDepth) << name;
    EXPECT_EQ(s.Angle, defaults.Angle) << name;
    EXPECT_EQ(s.Tracing, defaults.Tracing) << name;
    EXPECT_EQ(s.LightColor, defaults.LightColor) << name;
    EXPECT_EQ(s.ShadowColor, defaults.ShadowColor) << name;
    EXPECT_EQ(s.Direction, defaults.Direction) << name;
    EXPECT_EQ(s.Fill, defaults.Fill) << name;
    EXPECT_EQ(s.BrushColor, defaults.BrushColor) << name;
    EXPECT_EQ(s.BrushStyle, defaults.BrushStyle) << name;
    EXPECT_EQ(s.Tile, defaults.Tile) << name;
    EXPECT_EQ(s.Gradient, defaults.Gradient) << name;
    EXPECT_EQ(s.GradientStyle, defaults.GradientStyle) << name;
    EXPECT_EQ(s.ColorCount, defaults.ColorCount) << name;
    EXPECT_EQ(s.RimColor, defaults.RimColor) << name;
    EXPECT_EQ(s.At, defaults.At) << name;
    EXPECT_EQ(s.Place, defaults.Place) << name;
    EXPECT_EQ(s.Margin, defaults.Margin) << name;
    EXPECT_EQ(s.FontPercent, defaults.FontPercent) << name;
  }
}

struct ChoiceCase {
  const char* Option;
  const char* Value;
  int (*Field)(const TRenderSettings&);
  int Expected;
};

class ParseChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ParseChoice, TokensAndPanelNamesGiveTheLabelsValue) {
  const ChoiceCase& c = GetParam();
  EXPECT_EQ(c.Field(Parse({c.Option, QString::fromUtf8(c.Value)})), c.Expected) << c.Option << " " << c.Value;
}

int StyleOf(const TRenderSettings& s) { return s.Style; }
int DirectionOf(const TRenderSettings& s) { return s.Direction; }
int FillOf(const TRenderSettings& s) { return s.Fill; }
int BrushStyleOf(const TRenderSettings& s) { return s.BrushStyle; }
int TileOf(const TRenderSettings& s) { return s.Tile; }
int GradientStyleOf(const TRenderSettings& s) { return s.GradientStyle; }
int FormatOf(const TRenderSettings& s) { return s.Format; }

// The panel's tables: each item's text and the value it gives the label.
INSTANTIATE_TEST_SUITE_P(
    Lists, ParseChoice,
    ::testing::Values(ChoiceCase{"--style", "None", StyleOf, tdNone}, ChoiceCase{"--style", "Extrude", StyleOf, tdExtrude},
                      ChoiceCase{"--style", "ExtrudeEnh", StyleOf, tdExtrudeEnh},
                      ChoiceCase{"--style", "Outline", StyleOf, tdOutline},
                      ChoiceCase{"--style", "ColorRaised", StyleOf, tdPColorRaised},
                      ChoiceCase{"--style", "ColorSunken", StyleOf, tdPColorSunken},
                      ChoiceCase{"--style", "Raised", StyleOf, tdRaised},
                      ChoiceCase{"--style", "RaisedShadow", StyleOf, tdRaisedShadow},
                      ChoiceCase{"--style", "Shadow", StyleOf, tdShadow}, ChoiceCase{"--style", "Sunken", StyleOf, tdSunken},
                      ChoiceCase{"--style", "sunkenshadow", StyleOf, tdSunkenShadow},
                      ChoiceCase{"--direction", "Верх-право", DirectionOf, toTopRight},
                      ChoiceCase{"--direction", "top-left", DirectionOf, toTopLeft},
                      ChoiceCase{"--direction", "Низ-право", DirectionOf, toBottomRight},
                      ChoiceCase{"--direction", "bottom-left", DirectionOf, toBottomLeft},
                      ChoiceCase{"--fill", "Нет", FillOf, sfNone}, ChoiceCase{"--fill", "Заливка", FillOf, sfBrush},
                      ChoiceCase{"--fill", "picture", FillOf, sfBitmap}, ChoiceCase{"--fill", "Градиент", FillOf, sfGradient},
                      ChoiceCase{"--brush-style", "Сплошная", BrushStyleOf, bsSolid},
                      ChoiceCase{"--brush-style", "horizontal", BrushStyleOf, bsHorizontal},
                      ChoiceCase{"--brush-style", "Вертикальная", BrushStyleOf, bsVertical},
                      ChoiceCase{"--brush-style", "Диагональная1", BrushStyleOf, bsBDiagonal},
                      ChoiceCase{"--brush-style", "fdiagonal", BrushStyleOf, bsFDiagonal},
                      ChoiceCase{"--brush-style", "Клетка", BrushStyleOf, bsCross},
                      ChoiceCase{"--brush-style", "Клетка диаг", BrushStyleOf, bsDiagCross},
                      ChoiceCase{"--brush-style", "clear", BrushStyleOf, bsClear},
                      ChoiceCase{"--tile", "Оригинал", TileOf, tmNone}, ChoiceCase{"--tile", "center", TileOf, tmCenter},
                      ChoiceCase{"--tile", "Растянуть", TileOf, tmStretch}, ChoiceCase{"--tile", "Черепица", TileOf, tmTile},
                      ChoiceCase{"--gradient-style", "Горизонт", GradientStyleOf, gstHorizontal},
                      ChoiceCase{"--gradient-style", "vertical", GradientStyleOf, gstVertical},
                      ChoiceCase{"--gradient-style", "Квадрат", GradientStyleOf, gstSquare},
                      ChoiceCase{"--gradient-style", "elliptic", GradientStyleOf, gstElliptic},
                      ChoiceCase{"--gradient-style", "Диаг-1", GradientStyleOf, gstBottomLeft},
                      ChoiceCase{"--gradient-style", "bottom-right", GradientStyleOf, gstBottomRight},
                      ChoiceCase{"--gradient-style", "Диаг-3", GradientStyleOf, gstTopLeft},
                      ChoiceCase{"--gradient-style", "top-left-diagonal", GradientStyleOf, gstTopLeftDiagonal},
                      ChoiceCase{"--gradient-style", "Диаг-5", GradientStyleOf, gstTopRight},
                      ChoiceCase{"--gradient-style", "Диаг-6", GradientStyleOf, gstTopRightDiagonal},
                      ChoiceCase{"--format", "jpg", FormatOf, ofJpeg}, ChoiceCase{"--format", "BMP", FormatOf, ofBmp},
                      ChoiceCase{"--format", "png", FormatOf, ofPng}));

TEST(ParseArguments, NumbersAtTheEdgesOfTheirRanges) {
  EXPECT_EQ(Parse({"--size", "0"}).FontSize, 0);
  EXPECT_EQ(Parse({"--size=100"}).FontSize, 100);
  EXPECT_EQ(Parse({"--angle", "-360"}).Angle, -360);
  EXPECT_EQ(Parse({"--tracing", "-20"}).Tracing, -20);
  EXPECT_EQ(Parse({"--color-count", "0"}).ColorCount, 0);
  EXPECT_EQ(Parse({"--at", "-15,40"}).At, (TPoint{-15, 40}));
}

TEST(ParseArguments, ColoursInEveryTextForm) {
  EXPECT_EQ(Parse({"--color", "clbtnshadow"}).FontColor, clBtnShadow);
  EXPECT_EQ(Parse({"--color", "$00FF8000"}).FontColor, 0xFF8000);
  EXPECT_EQ(Parse({"--color", "255"}).FontColor, 255);
  EXPECT_EQ(Parse({"--gradient", "clRed, $0000FF00,clBlue"}).Gradient, std::vector<TColor>({clRed, clLime, clBlue}));
  EXPECT_TRUE(Parse({"--gradient", ""}).Gradient.empty());
}

TEST(ParseArguments, CaptionEscapes) {
  EXPECT_EQ(Parse({"--text", "one\\ntwo"}).Text, "one\r\ntwo");
  EXPECT_EQ(Parse({"--text", "a\\\\nb"}).Text, "a\\nb");
  EXPECT_EQ(Parse({"--text", "c:\\x\\"}).Text, "c:\\x\\");
  EXPECT_EQ(Parse({"--font", "a\\nb"}).FontName, "a\\nb");
}

TEST(ParseArguments, FlagsLaterValuesAndOptionsBeforeTheBackground) {
  const TRenderSettings s =
      ParseArguments({"--bold", "--size", "12", "x.bmp", "--underline", "--frame", "--size", "14", "--angle", "-90"});
  EXPECT_EQ(s.Backgrounds, QStringList{"x.bmp"});
  EXPECT_TRUE(s.Bold);
  EXPECT_FALSE(s.Italic);
  EXPECT_TRUE(s.Underline);
  EXPECT_TRUE(s.Frame);
  EXPECT_EQ(s.FontSize, 14);
  EXPECT_EQ(s.Angle, -90);
  EXPECT_EQ(ParseArguments({"--", "--odd-name.jpg"}).Backgrounds, QStringList{"--odd-name.jpg"});
}

TEST(ParseArguments, OutputChoices) {
  EXPECT_EQ(Parse({"--out", "a/b.JPEG"}).Format, ofJpeg);
  EXPECT_EQ(Parse({"--out", "b.bmp", "--format", "bmp"}).Format, ofBmp);
  EXPECT_EQ(Parse({"--out", "c.PNG"}).Format, ofPng);
  EXPECT_EQ(Parse({"--out-dir", "/tmp", "--format", "jpg"}).OutDir, "/tmp");
  EXPECT_TRUE(ParseArguments({"--help"}).Help);
}

TEST(ParseArguments, BackgroundsInTheirOrderAmongTheOptions) {
  const TRenderSettings s = ParseArguments({"b.jpg", "--jobs", "3", "a.jpg", "--keep-jpeg", "b.jpg", "--", "-c.jpg"});
  EXPECT_EQ(s.Backgrounds, QStringList({"b.jpg", "a.jpg", "b.jpg", "-c.jpg"}));
  EXPECT_EQ(s.Jobs, 3);
  EXPECT_TRUE(s.KeepJpeg);
  EXPECT_EQ(s.Format, ofJpeg);
  EXPECT_EQ(Parse({"--keep-jpeg", "--out", "x.jpeg", "--format", "jpg"}).Format, ofJpeg);
}

struct FontSizeCase {
  const char* Value;
  int32_t Points;
  int32_t Percent;  // thousandths
};

class ParseFontSize : public ::testing::TestWithParam<FontSizeCase> {};

TEST_P(ParseFontSize, PointsOrAShareOfThePicturesHeight) {
  const TRenderSettings s = Parse({"--size", "12", "--size", GetParam().Value});
  EXPECT_EQ(s.FontSize, GetParam().Points);
  EXPECT_EQ(s.FontPercent, GetParam().Percent);
}

INSTANTIATE_TEST_SUITE_P(Values, ParseFontSize,
                         ::testing::Values(FontSizeCase{"5%", 12, 5000}, FontSizeCase{"0.1%", 12, 100},
                                           FontSizeCase{"2.25%", 12, 2250}, FontSizeCase{"50%", 12, 50000},
                                           FontSizeCase{"12.345%", 12, 12345}, FontSizeCase{"0", 0, 0},
                                           FontSizeCase{"30", 30, 0}));

TEST(ParseArguments, APointSizeAfterAPercentageWins) {
  const TRenderSettings s = Parse({"--size", "5%", "--size", "14"});
  EXPECT_EQ(s.FontSize, 14);
  EXPECT_EQ(s.FontPercent, 0);
}

TEST(ParseArguments, PlaceAndMargin) {
  const TRenderSettings s = Parse({"--place", "Bottom-Right", "--margin", "10000"});
  EXPECT_EQ(s.Place, agBottomRight);
  EXPECT_EQ(s.Margin, 10000);
  EXPECT_FALSE(s.At);
  EXPECT_EQ(Parse({"--place", "center-left"}).Place, agCenterLeft);
}

struct ErrorCase {
  QStringList Arguments;
  const char* Message;
};

class ParseError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParseError, Refused) { EXPECT_EQ(ErrorOf(GetParam().Arguments), QString::fromUtf8(GetParam().Message)); }

INSTANTIATE_TEST_SUITE_P(
    BadInput, ParseError,
    ::testing::Values(
        ErrorCase{{}, "No background picture given (see --help)"},
        ErrorCase{{"a.jpg", "b.jpg", "--out", "x.jpg"},
                  "--out names one file, but 2 backgrounds are given (see --out-dir)"},
        ErrorCase{{"a.jpg", "--colour", "clRed"}, "Unknown option --colour (see --help)"},
        ErrorCase{{"a.jpg", "--size"}, "--size needs a value"},
        ErrorCase{{"a.jpg", "--bold=yes"}, "--bold takes no value"},
        ErrorCase{{"a.jpg", "--size", "big"}, "'big' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--size", ""}, "'' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--size", "99999999999"}, "'99999999999' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--size", "101"}, "--size: 101 is outside 0 to 100"},
        ErrorCase{{"a.jpg", "--light-depth", "-1"}, "--light-depth: -1 is outside 0 to 100"},
        ErrorCase{{"a.jpg", "--angle", "361"}, "--angle: 361 is outside -360 to 360"},
        ErrorCase{{"a.jpg", "--tracing", "-21"}, "--tracing: -21 is outside -20 to 100"},
        ErrorCase{{"a.jpg", "--color-count", "101"}, "--color-count: 101 is outside 0 to 100"},
        ErrorCase{{"a.jpg", "--color", "red"}, "'red' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--gradient", "clRed,,clBlue"}, "'' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--at", "5"}, "--at: '5' is not X,Y"},
        ErrorCase{{"a.jpg", "--at", "5,y"}, "'y' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--at", "0,2000000"}, "--at: 2000000 is outside -1000000 to 1000000"},
        ErrorCase{{"a.jpg", "--style", "Emboss"},
                  "--style: 'Emboss' is not one of None, Extrude, ExtrudeEnh, Outline, ColorRaised, ColorSunken, "
                  "Raised, RaisedShadow, Shadow, Sunken, SunkenShadow"},
        ErrorCase{{"a.jpg", "--fill", "solid"},
                  "--fill: 'solid' is not one of none (Нет), brush (Заливка), picture (Картинка), gradient (Градиент)"},
        ErrorCase{{"a.jpg", "--format", "gif"}, "--format: 'gif' is not one of bmp, jpg, png"},
        ErrorCase{{"a.jpg", "--out", "x.gif"}, "--out: 'x.gif' does not end in .bmp, .jpg, .jpeg or .png"},
        ErrorCase{{"a.jpg", "--out", "x.bmp", "--out-dir", "d"}, "--out and --out-dir cannot be given together"},
        ErrorCase{{"a.jpg", "--out", "x.bmp", "--format", "jpg"}, "--format jpg does not match --out 'x.bmp'"},
        ErrorCase{{"a.jpg", "--jobs", "0"}, "--jobs: 0 is outside 1 to 1024"},
        ErrorCase{{"a.jpg", "--jobs", "-1"}, "--jobs: -1 is outside 1 to 1024"},
        ErrorCase{{"a.jpg", "--jobs", "abc"}, "'abc' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--size", "0%"}, "--size: 0% is outside 0.1% to 50%"},
        ErrorCase{{"a.jpg", "--size", "0.09%"}, "--size: 0.09% is outside 0.1% to 50%"},
        ErrorCase{{"a.jpg", "--size", "51%"}, "--size: 51% is outside 0.1% to 50%"},
        ErrorCase{{"a.jpg", "--size", "5%%"}, "--size: '5%%' is neither points nor a percentage such as 2.5%"},
        ErrorCase{{"a.jpg", "--size", "1.2345%"}, "--size: '1.2345%' is neither points nor a percentage such as 2.5%"},
        ErrorCase{{"a.jpg", "--size", "-5%"}, "--size: '-5%' is neither points nor a percentage such as 2.5%"},
        ErrorCase{{"a.jpg", "--size", "%"}, "--size: '%' is neither points nor a percentage such as 2.5%"},
        ErrorCase{{"a.jpg", "--size", "5.5"}, "'5.5' is not a valid integer value"},
        ErrorCase{{"a.jpg", "--margin", "-1"}, "--margin: -1 is outside 0 to 10000"},
        ErrorCase{{"a.jpg", "--place", "middle"},
                  "--place: 'middle' is not one of top-left, top-center, top-right, center-left, center, "
                  "center-right, bottom-left, bottom-center, bottom-right"},
        ErrorCase{{"a.jpg", "--keep-jpeg", "--format", "bmp"}, "--keep-jpeg writes JPEG, not --format bmp"},
        ErrorCase{{"a.jpg", "--keep-jpeg", "--out", "x.bmp"}, "--keep-jpeg writes JPEG, not --out 'x.bmp'"}));

TEST(HelpText, ListsEveryOptionWithItsValuesAndDefaults) {
  const QString help = RenderHelpText();
  for (const TRenderOption& option : RenderOptions()) {
    EXPECT_TRUE(help.contains(QString::fromLatin1(option.Name) + QLatin1Char(' '))) << option.Name;
    if (option.Default) {
      EXPECT_TRUE(help.contains(QStringLiteral("[default: %1]").arg(QString::fromUtf8(option.Default)))) << option.Name;
    }
  }
  EXPECT_TRUE(help.contains(QStringLiteral("top-right-diagonal (Диаг-6)")));
  EXPECT_TRUE(help.contains(QStringLiteral("-360 to 360")));
  EXPECT_TRUE(RenderOptionUnits(*FindRenderOption(QStringLiteral("--size")))
                  .join(QLatin1Char(' '))
                  .endsWith(QStringLiteral("picture's height; 0 to 100, or 0.1% to 50% [default: 10]")));
  for (const QString& line : help.split(QLatin1Char('\n'))) EXPECT_LE(line.size(), 79) << line.toStdString();
}

}  // namespace
