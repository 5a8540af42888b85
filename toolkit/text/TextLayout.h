#pragma once
#include <QString>
#include <cstdint>
#include <vector>

// Text layout by the classic desktop rules, over integer advances and
// without painting: line breaks, word wrapping, tab stops, accelerator
// prefixes, ellipses and alignment turn a text into positioned characters.
// A character is one code point; each advances by its width plus the
// character extra; no kerning.

// The integer advance of a code point in one font.
class TAdvanceSource {
 public:
  virtual ~TAdvanceSource() = default;
  virtual int32_t Advance(char32_t code) = 0;
};

struct TLayoutParams {
  uint32_t Format = 0;     // DT_ flags
  int32_t Width = 0;       // the formatting rectangle's size: wrapping width,
  int32_t Height = 0;      // alignment, ellipses and the edit-control rule
  int32_t CharExtra = 0;
  int32_t LineHeight = 0;  // ascent + descent
  int32_t TabWidth = 0;    // distance of the tab stops (8 average widths)
};

// A character to draw, X from the rectangle's left edge.
struct TLaidChar {
  char32_t Code;
  int32_t X;
};

// One line: its box from the rectangle's top-left, and its characters.
struct TLaidLine {
  int32_t Left;
  int32_t Top;
  int32_t Width;
  int32_t First;  // index into Chars()
  int32_t Count;
};

// An accelerator underline below the character [X, X + Width) of a line.
struct TLaidUnderline {
  int32_t Line;
  int32_t X;
  int32_t Width;
};

// Reusable: each run replaces the previous result and keeps the storage.
class TTextLayout {
 public:
  // Lays Text out by Params.Format. With DT_CALCRECT it measures: ellipses
  // are not applied and no line is left out, so Width() is the widest line
  // as written (wrapped with DT_WORDBREAK).
  void Run(const QString& text, const TLayoutParams& params, TAdvanceSource& advances);
  // One line as given: every code point drawn, line breaks, tabs and "&"
  // included, starting at 0.
  void RunLine(const QString& text, int32_t charExtra, int32_t lineHeight, TAdvanceSource& advances);

  const std::vector<TLaidLine>& Lines() const { return lines_; }
  const std::vector<TLaidChar>& Chars() const { return chars_; }
  const std::vector<TLaidUnderline>& Underlines() const { return underlines_; }
  // The widest line and the height of all lines, before any line is left out.
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

 private:
  enum TItemKind : uint8_t { ikChar, ikTab, ikBreak };
  struct TItem {
    char32_t Code;
    int32_t Advance;  // width + character extra; 0 for tabs and breaks
    TItemKind Kind;
    bool Underlined;
  };
  struct TSpan {
    int32_t Begin;
    int32_t End;
  };

  void Decode(const QString& text, TAdvanceSource& advances);
  void BreakLines();
  void WrapSegment(int32_t begin, int32_t end);
  // The pen position after Items, starting at X (tab stops count from 0).
  int32_t Measure(const TItem* items, int32_t count, int32_t x = 0) const;
  int32_t NextTabStop(int32_t x) const;
  // The line's items after the ellipsis rules, in ellipsis_ when changed.
  const TItem* Ellipsize(const TItem* items, int32_t& count, TAdvanceSource& advances);
  void PlaceLine(const TItem* items, int32_t count, int32_t top);

  TLayoutParams params_;
  std::vector<TItem> items_;
  std::vector<TItem> ellipsis_;
  std::vector<TSpan> spans_;
  std::vector<TLaidLine> lines_;
  std::vector<TLaidChar> chars_;
  std::vector<TLaidUnderline> underlines_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

// The width of Text as one line: every code point's advance plus the extra.
int32_t LineWidth(const QString& text, int32_t charExtra, TAdvanceSource& advances);

// Calls Visit with each code point of Text; an unpaired surrogate stands
// for itself.
template <typename Visit>
void ForEachCodePoint(const QString& text, Visit visit) {
  const QChar* s = text.constData();
  const int32_t n = static_cast<int32_t>(text.size());
  for (int32_t i = 0; i < n; ++i) {
    char32_t code = s[i].unicode();
    if (s[i].isHighSurrogate() && i + 1 < n && s[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(s[i], s[i + 1]);
      ++i;
    }
    visit(code);
  }
}
