#include "toolkit/text/FontEngine.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "toolkit/IntMath.h"

namespace {

// Height 0 asks for the default size, that of a new TFont (8 points).
constexpr int32_t kDefaultCharHeight = 11;

QFont BaseFont(const TLogFont& logFont, int32_t pixelSize) {
  QFont font(logFont.FaceName);
  font.setPixelSize(std::max(pixelSize, 1));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(logFont.Weight > 0 ? logFont.Weight : FW_NORMAL, 1, 1000)));
  font.setItalic(logFont.Italic);
  font.setUnderline(logFont.Underline);
  font.setStrikeOut(logFont.StrikeOut);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  return font;
}

bool IsOutline(const QFont& font) {
  const QFontInfo info(font);
  return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

int32_t CellHeight(const QRawFont& raw) {
  return static_cast<int32_t>(std::ceil(raw.ascent()) + std::ceil(raw.descent()));
}

}  // namespace

QFont ResolveQFont(const TLogFont& logFont) {
  int32_t pixelSize = logFont.Height < 0 ? -logFont.Height : logFont.Height;
  if (logFont.Height == 0) pixelSize = kDefaultCharHeight;
  QFont font = BaseFont(logFont, pixelSize);
  if (logFont.Height > 0) {
    // A cell height: the largest character height whose ascent + descent
    // does not exceed it, searched from the proportional estimate.
    const int32_t cell = CellHeight(QRawFont::fromFont(font));
    if (cell > 0) pixelSize = std::max(MulDiv(logFont.Height, pixelSize, cell), 1);
    auto cellAt = [&](int32_t size) {
      font.setPixelSize(size);
      return CellHeight(QRawFont::fromFont(font));
    };
    for (int step = 0; step < 3 && pixelSize > 1 && cellAt(pixelSize) > logFont.Height; ++step) --pixelSize;
    for (int step = 0; step < 3 && cellAt(pixelSize + 1) <= logFont.Height; ++step) ++pixelSize;
    font.setPixelSize(pixelSize);
  }
  if (logFont.Width > 0) {
    // A width asks for that average character width: stretch the face.
    const double natural = QRawFont::fromFont(font).averageCharWidth();
    if (natural > 0) font.setStretch(std::clamp(static_cast<int>(Round(100.0 * logFont.Width / natural)), 1, 4000));
  }
  return font;
}

bool IsOutlineFace(const TLogFont& logFont) { return IsOutline(ResolveQFont(logFont)); }

TFontFace::TFontFace(const TLogFont& logFont) : key_(logFont) {
  key_.Escapement = 0;
  key_.Orientation = 0;
  const QFont font = ResolveQFont(key_);
  raw_ = QRawFont::fromFont(font);
  if (!raw_.isValid()) return;
  metrics_.tmAscent = static_cast<int32_t>(std::ceil(raw_.ascent()));
  metrics_.tmDescent = static_cast<int32_t>(std::ceil(raw_.descent()));
  metrics_.tmHeight = metrics_.tmAscent + metrics_.tmDescent;
  metrics_.tmAveCharWidth = static_cast<int32_t>(Round(raw_.averageCharWidth()));
  metrics_.tmMaxCharWidth = static_cast<int32_t>(std::ceil(raw_.maxCharWidth()));
  if (IsOutline(font)) metrics_.tmPitchAndFamily |= TMPF_TRUETYPE;
  lineThickness_ = std::max(1, static_cast<int32_t>(Round(raw_.lineThickness())));
  // The underline sits below the baseline, inside the descent when it fits.
  underlineTop_ = std::max(1, static_cast<int32_t>(Round(raw_.underlinePosition())));
  underlineTop_ = std::max(1, std::min(underlineTop_, metrics_.tmDescent - lineThickness_));
  strikeOutTop_ = -static_cast<int32_t>(Round(QFontMetricsF(font).strikeOutPos() + lineThickness_ / 2.0));
}

bool TFontFace::Matches(const TLogFont& logFont) const {
  return logFont.Height == key_.Height && logFont.Width == key_.Width && logFont.Weight == key_.Weight &&
         logFont.Italic == key_.Italic && logFont.Underline == key_.Underline &&
         logFont.StrikeOut == key_.StrikeOut && logFont.CharSet == key_.CharSet && logFont.FaceName == key_.FaceName;
}

const TGlyphInfo& TFontFace::Glyph(char32_t code) {
  if (code < kTableSize) {
    if (table_.empty()) table_.resize(kTableSize);
    TGlyphInfo& glyph = table_[code];
    if (!glyph.Known) glyph = LookUp(code);
    return glyph;
  }
  auto it = others_.find(code);
  if (it == others_.end()) it = others_.emplace(code, LookUp(code)).first;
  return it->second;
}

TGlyphInfo TFontFace::LookUp(char32_t code) const {
  TGlyphInfo glyph;
  glyph.Known = true;
  if (!raw_.isValid()) return glyph;
  QChar chars[2];
  int length = 1;
  if (QChar::requiresSurrogates(code)) {
    chars[0] = QChar(QChar::highSurrogate(code));
    chars[1] = QChar(QChar::lowSurrogate(code));
    length = 2;
  } else {
    chars[0] = QChar(static_cast<char16_t>(code));
  }
  quint32 index = 0;
  int glyphs = 1;
  if (!raw_.glyphIndexesForChars(chars, length, &index, &glyphs) || glyphs != 1) return glyph;
  QPointF advance;
  raw_.advancesForGlyphIndexes(&index, &advance, 1, QRawFont::SeparateAdvances);
  glyph.Index = index;
  glyph.Advance = static_cast<int32_t>(Round(advance.x()));
  const QRectF box = raw_.boundingRect(index);
  if (!box.isEmpty())
    glyph.Ink = {static_cast<int32_t>(std::floor(box.left())), static_cast<int32_t>(std::floor(box.top())),
                 static_cast<int32_t>(std::ceil(box.right())), static_cast<int32_t>(std::ceil(box.bottom()))};
  return glyph;
}

TFontFace& TFontEngine::Face(const TLogFont& logFont) {
  for (size_t i = 0; i < faces_.size(); ++i) {
    if (!faces_[i]->Matches(logFont)) continue;
    std::rotate(faces_.begin(), faces_.begin() + static_cast<std::ptrdiff_t>(i),
                faces_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    return *faces_.front();
  }
  if (faces_.size() == kCapacity) faces_.pop_back();
  faces_.insert(faces_.begin(), std::make_unique<TFontFace>(logFont));
  return *faces_.front();
}
