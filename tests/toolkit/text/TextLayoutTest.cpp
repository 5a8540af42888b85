#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/canvas/Canvas.h"
#include "toolkit/text/TextLayout.h"

namespace {

// Fixed advances: most characters 10, "i" 4, blank 5, "." 3.
class TFixedAdvances : public TAdvanceSource {
 public:
  int32_t Advance(char32_t code) override {
    switch (code) {
      case 'i': return 4;
      case ' ': return 5;
      case '.': return 3;
      default: return 10;
    }
  }
};

constexpr int32_t kLineHeight = 20;
constexpr int32_t kTabWidth = 80;

struct TLaidOut {
  std::vector<std::string> Lines;  // the characters of each line
  std::vector<int32_t> Lefts;
  std::vector<int32_t> Tops;
};

class TextLayoutTest : public ::testing::Test {
 protected:
  TTextLayout& Run(const QString& text, uint32_t format, int32_t width = 1000, int32_t height = 1000,
                   int32_t extra = 0) {
    TLayoutParams params;
    params.Format = format;
    params.Width = width;
    params.Height = height;
    params.CharExtra = extra;
    params.LineHeight = kLineHeight;
    params.TabWidth = kTabWidth;
    layout_.Run(text, params, advances_);
    return layout_;
  }
  TLaidOut Lines() const {
    TLaidOut out;
    for (const TLaidLine& line : layout_.Lines()) {
      std::string s;
      for (int32_t i = line.First; i < line.First + line.Count; ++i) {
        const char32_t code = layout_.Chars()[i].Code;
        s += code < 128 ? static_cast<char>(code) : '?';
      }
      out.Lines.push_back(s);
      out.Lefts.push_back(line.Left);
      out.Tops.push_back(line.Top);
    }
    return out;
  }
  std::vector<int32_t> Xs() const {
    std::vector<int32_t> xs;
    for (const TLaidChar& c : layout_.Chars()) xs.push_back(c.X);
    return xs;
  }

  TFixedAdvances advances_;
  TTextLayout layout_;
};

using Strings = std::vector<std::string>;

struct TBreakCase {
  const char* Text;
  uint32_t Format;
  int32_t Width;
  Strings Lines;
};

class TextBreakTest : public TextLayoutTest, public ::testing::WithParamInterface<TBreakCase> {};

TEST_P(TextBreakTest, Lines) {
  const TBreakCase& c = GetParam();
  Run(QString::fromLatin1(c.Text), c.Format | DT_NOPREFIX, c.Width);
  EXPECT_EQ(Lines().Lines, c.Lines);
  EXPECT_EQ(layout_.Height(), static_cast<int32_t>(c.Lines.size()) * kLineHeight);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, TextBreakTest,
    ::testing::Values(
        TBreakCase{"ab\r\ncd\ref\ngh", 0, 1000, {"ab", "cd", "ef", "gh"}},
        TBreakCase{"a\n", 0, 1000, {"a"}},
        TBreakCase{"\n", 0, 1000, {""}},
        TBreakCase{"", 0, 1000, {}},
        TBreakCase{"a\n\nb", 0, 1000, {"a", "", "b"}},
        TBreakCase{"a\n\rb", 0, 1000, {"a", "", "b"}},
        TBreakCase{"a\r\n\r\nb", 0, 1000, {"a", "", "b"}},
        TBreakCase{"a\nb", DT_SINGLELINE, 1000, {"a\nb"}},
        // Wrapping: "aa bb" is 45 wide.
        TBreakCase{"aa bb cc", DT_WORDBREAK, 45, {"aa bb", "cc"}},
        TBreakCase{"aa bb cc", DT_WORDBREAK, 44, {"aa", "bb", "cc"}},
        TBreakCase{"aa   bb", DT_WORDBREAK, 25, {"aa", "bb"}},
        TBreakCase{"  aa bb", DT_WORDBREAK, 40, {"  aa", "bb"}},
        TBreakCase{"aa  ", DT_WORDBREAK, 25, {"aa  "}},
        TBreakCase{"a bbbbbb c", DT_WORDBREAK, 30, {"a", "bbbbbb", "c"}},
        TBreakCase{"a bbbbbb c", DT_WORDBREAK | DT_EDITCONTROL, 30, {"a", "bbb", "bbb", "c"}},
        TBreakCase{"bbbbbb", DT_WORDBREAK | DT_EDITCONTROL, 5, {"b", "b", "b", "b", "b", "b"}},
        TBreakCase{"aa bb\ncc dd", DT_WORDBREAK, 30, {"aa", "bb", "cc", "dd"}},
        TBreakCase{"aa bb cc", DT_WORDBREAK | DT_SINGLELINE, 30, {"aa bb cc"}},
        TBreakCase{"aa\tbb", DT_WORDBREAK | DT_EXPANDTABS, 85, {"aa", "bb"}}));

TEST_F(TextLayoutTest, SurrogatePairIsOneCharacter) {
  Run(QString::fromUtf8("a\xF0\x9F\x98\x80" "b"), 0);
  ASSERT_EQ(layout_.Chars().size(), 3u);
  EXPECT_EQ(layout_.Chars()[1].Code, U'\U0001F600');
  EXPECT_EQ(Xs(), (std::vector<int32_t>{0, 10, 20}));
  EXPECT_EQ(layout_.Width(), 30);
}

TEST_F(TextLayoutTest, WrappingWidthOfCalcRectIsTheWidestLine) {
  Run("aa bb cc dd", DT_WORDBREAK | DT_CALCRECT, 50);
  EXPECT_EQ(layout_.Width(), 45);
  EXPECT_EQ(layout_.Height(), 2 * kLineHeight);
  // A word wider than the wrapping width widens the result.
  Run("a bbbbbbbb", DT_WORDBREAK | DT_CALCRECT, 50);
  EXPECT_EQ(layout_.Width(), 80);
}

struct TAlignCase {
  uint32_t Format;
  int32_t Width;
  int32_t Height;
  int32_t Left;
  int32_t Top;
};

class TextAlignTest : public TextLayoutTest, public ::testing::WithParamInterface<TAlignCase> {};

// "abc" is 30 wide and one line of 20.
TEST_P(TextAlignTest, Offsets) {
  const TAlignCase& c = GetParam();
  Run("abc", c.Format, c.Width, c.Height);
  ASSERT_EQ(layout_.Lines().size(), 1u);
  EXPECT_EQ(layout_.Lines()[0].Left, c.Left);
  EXPECT_EQ(layout_.Lines()[0].Top, c.Top);
  EXPECT_EQ(layout_.Chars()[0].X, c.Left);
}

INSTANTIATE_TEST_SUITE_P(
    Alignment, TextAlignTest,
    ::testing::Values(TAlignCase{0, 100, 50, 0, 0}, TAlignCase{DT_CENTER, 100, 50, 35, 0},
                      TAlignCase{DT_CENTER, 101, 50, 35, 0}, TAlignCase{DT_RIGHT, 100, 50, 70, 0},
                      TAlignCase{DT_CENTER, 21, 50, -4, 0}, TAlignCase{DT_RIGHT, 20, 50, -10, 0},
                      // The vertical flags act only on a single line.
                      TAlignCase{DT_VCENTER, 100, 50, 0, 0}, TAlignCase{DT_BOTTOM, 100, 50, 0, 0},
                      TAlignCase{DT_VCENTER | DT_SINGLELINE, 100, 51, 0, 15},
                      TAlignCase{DT_BOTTOM | DT_SINGLELINE, 100, 50, 0, 30},
                      TAlignCase{DT_VCENTER | DT_SINGLELINE, 100, 10, 0, -5},
                      TAlignCase{DT_CENTER | DT_VCENTER | DT_SINGLELINE, 100, 50, 35, 15}));

TEST_F(TextLayoutTest, EachLineIsAlignedOnItsOwn) {
  Run("abc\ni", DT_RIGHT, 100);
  EXPECT_EQ(Lines().Lefts, (std::vector<int32_t>{70, 96}));
  EXPECT_EQ(Lines().Tops, (std::vector<int32_t>{0, 20}));
}

struct TExtraCase {
  const char* Text;
  uint32_t Format;
  int32_t Extra;
  int32_t Width;
  int32_t Height;
};

class TextCalcRectTest : public TextLayoutTest, public ::testing::WithParamInterface<TExtraCase> {};

TEST_P(TextCalcRectTest, Size) {
  const TExtraCase& c = GetParam();
  Run(QString::fromLatin1(c.Text), c.Format | DT_CALCRECT, 0, 0, c.Extra);
  EXPECT_EQ(layout_.Width(), c.Width);
  EXPECT_EQ(layout_.Height(), c.Height);
}

INSTANTIATE_TEST_SUITE_P(CharacterExtra, TextCalcRectTest,
                         ::testing::Values(TExtraCase{"abc", 0, 0, 30, 20}, TExtraCase{"abc", 0, 2, 36, 20},
                                           TExtraCase{"abc", 0, -1, 27, 20}, TExtraCase{"ab\nabcd", 0, 0, 40, 40},
                                           TExtraCase{"ab\nabcd", 0, 3, 52, 40},
                                           TExtraCase{"i i", 0, 1, 16, 20},
                                           TExtraCase{"&ab", 0, 2, 24, 20},
                                           TExtraCase{"&ab", DT_NOPREFIX, 2, 36, 20},
                                           TExtraCase{"", 0, 5, 0, 0},
                                           TExtraCase{"a\tb", DT_EXPANDTABS, 2, 92, 20}));

TEST_F(TextLayoutTest, CharacterExtraFollowsEveryCharacter) {
  Run("aib", 0, 1000, 1000, 3);
  EXPECT_EQ(Xs(), (std::vector<int32_t>{0, 13, 20}));
  EXPECT_EQ(layout_.Lines()[0].Width, 33);
}

TEST_F(TextLayoutTest, PrefixUnderlinesTheNextCharacter) {
  Run("a&bc", 0, 1000, 1000, 2);
  EXPECT_EQ(Lines().Lines, Strings{"abc"});
  ASSERT_EQ(layout_.Underlines().size(), 1u);
  EXPECT_EQ(layout_.Underlines()[0].Line, 0);
  EXPECT_EQ(layout_.Underlines()[0].X, 12);
  EXPECT_EQ(layout_.Underlines()[0].Width, 10);  // the character, not its extra
}

struct TPrefixCase {
  const char* Text;
  uint32_t Format;
  const char* Shown;
  size_t Underlines;
};

class TextPrefixTest : public TextLayoutTest, public ::testing::WithParamInterface<TPrefixCase> {};

TEST_P(TextPrefixTest, Shown) {
  const TPrefixCase& c = GetParam();
  Run(QString::fromLatin1(c.Text), c.Format);
  EXPECT_EQ(Lines().Lines, Strings{c.Shown});
  EXPECT_EQ(layout_.Underlines().size(), c.Underlines);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, TextPrefixTest,
                         ::testing::Values(TPrefixCase{"&File", 0, "File", 1}, TPrefixCase{"a&&b", 0, "a&b", 0},
                                           TPrefixCase{"a&", 0, "a", 0}, TPrefixCase{"&&&x", 0, "&x", 1},
                                           TPrefixCase{"&a&b", 0, "ab", 2},
                                           TPrefixCase{"&File", DT_NOPREFIX, "&File", 0},
                                           TPrefixCase{"a&&", DT_NOPREFIX, "a&&", 0}));

TEST_F(TextLayoutTest, PrefixBeforeLineBreakStillBreaks) {
  Run("a&\nb", 0);
  EXPECT_EQ(Lines().Lines, (Strings{"a", "b"}));
  EXPECT_TRUE(layout_.Underlines().empty());
}

TEST_F(TextLayoutTest, TabsStopEveryEightAverageWidths) {
  Run("a\tb", DT_EXPANDTABS);
  EXPECT_EQ(Xs(), (std::vector<int32_t>{0, 80}));
  Run("aaaaaaaa\tb", DT_EXPANDTABS);
  EXPECT_EQ(Xs().back(), 160);
  Run("a\t\tb", DT_EXPANDTABS);
  EXPECT_EQ(Xs(), (std::vector<int32_t>{0, 160}));
  // Without DT_EXPANDTABS a tab is a character of its own width.
  Run("a\tb", 0);
  EXPECT_EQ(Xs(), (std::vector<int32_t>{0, 10, 20}));
  // Stops count from the start of each line.
  Run("aa\tb\nc\td", DT_EXPANDTABS | DT_RIGHT, 200);
  EXPECT_EQ(Xs(), (std::vector<int32_t>{110, 120, 190, 110, 190}));
}

struct TEllipsisCase {
  const char* Text;
  uint32_t Format;
  int32_t Width;
  const char* Shown;
};

class TextEllipsisTest : public TextLayoutTest, public ::testing::WithParamInterface<TEllipsisCase> {};

// "..." is 9 wide.
TEST_P(TextEllipsisTest, Shown) {
  const TEllipsisCase& c = GetParam();
  Run(QString::fromLatin1(c.Text), c.Format | DT_NOPREFIX, c.Width);
  EXPECT_EQ(Lines().Lines, Strings{c.Shown});
}

INSTANTIATE_TEST_SUITE_P(
    Ellipses, TextEllipsisTest,
    ::testing::Values(TEllipsisCase{"abcdefgh", DT_END_ELLIPSIS, 80, "abcdefgh"},
                      TEllipsisCase{"abcdefgh", DT_END_ELLIPSIS, 79, "abcdefg..."},
                      TEllipsisCase{"abcdefgh", DT_END_ELLIPSIS, 50, "abcd..."},
                      TEllipsisCase{"abcdefgh", DT_END_ELLIPSIS, 5, "..."},
                      TEllipsisCase{"ab/cd/ef", DT_PATH_ELLIPSIS, 50, "a.../ef"},
                      TEllipsisCase{"ab\\cd\\ef", DT_PATH_ELLIPSIS, 69, "ab\\...\\ef"},
                      TEllipsisCase{"ab/cd/ef", DT_PATH_ELLIPSIS, 39, ".../ef"},
                      TEllipsisCase{"ab/cd/ef", DT_PATH_ELLIPSIS | DT_END_ELLIPSIS, 20, "..."},
                      TEllipsisCase{"ab/cd/ef", DT_PATH_ELLIPSIS | DT_END_ELLIPSIS, 29, ".../..."},
                      TEllipsisCase{"abcdefgh", DT_PATH_ELLIPSIS, 50, "abcdefgh"},
                      TEllipsisCase{"abcdefgh", DT_PATH_ELLIPSIS | DT_END_ELLIPSIS, 50, "abcd..."}));

TEST_F(TextLayoutTest, EllipsisActsOnEachLineAndNotOnCalcRect) {
  Run("abcdefgh\nab", DT_END_ELLIPSIS | DT_CENTER, 50);
  EXPECT_EQ(Lines().Lines, (Strings{"abcd...", "ab"}));
  EXPECT_EQ(Lines().Lefts, (std::vector<int32_t>{0, 15}));
  Run("abcdefgh", DT_END_ELLIPSIS | DT_CALCRECT, 50);
  EXPECT_EQ(layout_.Width(), 80);
}

TEST_F(TextLayoutTest, EditControlHidesAPartlyVisibleLastLine) {
  Run("a\nb\nc", DT_EDITCONTROL, 100, 50);
  EXPECT_EQ(Lines().Lines, (Strings{"a", "b"}));
  EXPECT_EQ(layout_.Height(), 60);
  Run("a\nb\nc", 0, 100, 50);
  EXPECT_EQ(Lines().Lines, (Strings{"a", "b", "c"}));
  Run("a\nb\nc", DT_EDITCONTROL | DT_CALCRECT, 100, 50);
  EXPECT_EQ(layout_.Height(), 60);
}

TEST_F(TextLayoutTest, RunLineTakesEveryCodePointAsIs) {
  layout_.RunLine("a&\tb\nc", 1, kLineHeight, advances_);
  EXPECT_EQ(Xs(), (std::vector<int32_t>{0, 11, 22, 33, 44, 55}));
  EXPECT_EQ(layout_.Width(), 66);
  EXPECT_EQ(layout_.Height(), kLineHeight);
  EXPECT_EQ(LineWidth("a&\tb\nc", 1, advances_), 66);
}

TEST_F(TextLayoutTest, ReusedLayoutForgetsThePreviousRun) {
  Run("a&bc\nd", 0);
  Run("x", 0);
  EXPECT_EQ(Lines().Lines, Strings{"x"});
  EXPECT_TRUE(layout_.Underlines().empty());
}

}  // namespace
