#pragma once
#include <QFont>
#include <QRawFont>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "toolkit/Geometry.h"
#include "toolkit/text/Font.h"
#include "toolkit/text/TextFormat.h"
#include "toolkit/text/TextLayout.h"

// The Qt font a logical font record asks for: the face by name (fontconfig
// substitutes missing faces), a pixel size from Height (negative: character
// height; positive: cell height; 0: 8 points), the weight, italics and the
// width, always with grey antialiasing and full hinting. The character set
// plays no part: glyphs are chosen by code point.
QFont ResolveQFont(const TLogFont& logFont);
// True when the face Qt chooses for the record is a scalable outline font.
bool IsOutlineFace(const TLogFont& logFont);

// A glyph of a face: its index, integer advance, and the box its ink may
// cover relative to the pen position on the baseline.
struct TGlyphInfo {
  uint32_t Index = 0;
  int32_t Advance = 0;
  TRect Ink;
  bool Known = false;
};

// One logical font resolved to a Qt face, with its metrics and its glyphs
// looked up once each. The escapement plays no part: rotation is applied
// when painting.
class TFontFace final : public TAdvanceSource {
 public:
  explicit TFontFace(const TLogFont& logFont);

  // Whether LogFont resolves to this face (escapement and orientation aside).
  bool Matches(const TLogFont& logFont) const;

  const QRawFont& RawFont() const { return raw_; }
  const TTextMetric& Metrics() const { return metrics_; }
  bool TrueType() const { return metrics_.tmPitchAndFamily & TMPF_TRUETYPE; }
  int32_t Ascent() const { return metrics_.tmAscent; }
  int32_t LineHeight() const { return metrics_.tmHeight; }
  int32_t TabWidth() const { return 8 * metrics_.tmAveCharWidth; }

  const TGlyphInfo& Glyph(char32_t code);
  int32_t Advance(char32_t code) override { return Glyph(code).Advance; }

  // The font's own lines, as offsets of their top from the baseline
  // (downwards positive) and one thickness; present when the style asks.
  bool Underline() const { return key_.Underline; }
  bool StrikeOut() const { return key_.StrikeOut; }
  int32_t UnderlineTop() const { return underlineTop_; }
  int32_t StrikeOutTop() const { return strikeOutTop_; }
  int32_t LineThickness() const { return lineThickness_; }

 private:
  TGlyphInfo LookUp(char32_t code) const;

  // Code points below this have a table slot; the rest a hash entry.
  static constexpr char32_t kTableSize = 0x500;

  TLogFont key_;
  QRawFont raw_;
  TTextMetric metrics_;
  int32_t underlineTop_ = 0;
  int32_t strikeOutTop_ = 0;
  int32_t lineThickness_ = 1;
  std::vector<TGlyphInfo> table_;
  std::unordered_map<char32_t, TGlyphInfo> others_;
};

// The faces one canvas has used, most recent first. Belongs to one canvas:
// nothing is shared between canvases.
class TFontEngine {
 public:
  TFontFace& Face(const TLogFont& logFont);

 private:
  static constexpr size_t kCapacity = 8;
  std::vector<std::unique_ptr<TFontFace>> faces_;
};
