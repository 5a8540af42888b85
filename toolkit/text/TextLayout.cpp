#include "toolkit/text/TextLayout.h"

#include <algorithm>

#include "toolkit/IntMath.h"
#include "toolkit/text/TextFormat.h"

namespace {

bool IsBlank(char32_t code) { return code == ' ' || code == '\t'; }
bool IsPathSeparator(char32_t code) { return code == '/' || code == '\\'; }

}  // namespace

int32_t LineWidth(const QString& text, int32_t charExtra, TAdvanceSource& advances) {
  int32_t width = 0;
  ForEachCodePoint(text, [&](char32_t code) { width += advances.Advance(code) + charExtra; });
  return width;
}

void TTextLayout::RunLine(const QString& text, int32_t charExtra, int32_t lineHeight, TAdvanceSource& advances) {
  lines_.clear();
  chars_.clear();
  underlines_.clear();
  int32_t x = 0;
  ForEachCodePoint(text, [&](char32_t code) {
    chars_.push_back({code, x});
    x += advances.Advance(code) + charExtra;
  });
  lines_.push_back({0, 0, x, 0, static_cast<int32_t>(chars_.size())});
  width_ = x;
  height_ = lineHeight;
}

void TTextLayout::Run(const QString& text, const TLayoutParams& params, TAdvanceSource& advances) {
  params_ = params;
  lines_.clear();
  chars_.clear();
  underlines_.clear();
  Decode(text, advances);
  BreakLines();
  width_ = 0;
  for (const TSpan& span : spans_) width_ = std::max(width_, Measure(&items_[span.Begin], span.End - span.Begin));
  height_ = static_cast<int32_t>(spans_.size()) * params_.LineHeight;
  const uint32_t format = params_.Format;
  if (format & DT_CALCRECT) return;

  const bool single = format & DT_SINGLELINE;
  int32_t top = 0;
  if (single && (format & DT_VCENTER)) top = Div(params_.Height - params_.LineHeight, 2);
  else if (single && (format & DT_BOTTOM)) top = params_.Height - params_.LineHeight;
  for (const TSpan& span : spans_) {
    // An edit control shows no partly visible last line.
    if ((format & DT_EDITCONTROL) && !single && top + params_.LineHeight > params_.Height) break;
    int32_t count = span.End - span.Begin;
    const TItem* items = Ellipsize(items_.data() + span.Begin, count, advances);
    PlaceLine(items, count, top);
    top += params_.LineHeight;
  }
}

void TTextLayout::Decode(const QString& text, TAdvanceSource& advances) {
  items_.clear();
  const uint32_t format = params_.Format;
  const bool prefixes = !(format & DT_NOPREFIX);
  const bool breaks = !(format & DT_SINGLELINE);
  const bool tabs = format & DT_EXPANDTABS;
  bool prefixPending = false;
  bool afterCR = false;
  ForEachCodePoint(text, [&](char32_t code) {
    const bool crlf = afterCR && code == '\n';
    afterCR = code == '\r';
    bool underlined = false;
    if (prefixes) {
      // "&x" underlines x, "&&" is a plain "&".
      if (prefixPending) {
        prefixPending = false;
        underlined = code != '&';
      } else if (code == '&') {
        prefixPending = true;
        return;
      }
    }
    if (breaks && (code == '\r' || code == '\n')) {
      if (!crlf) items_.push_back({code, 0, ikBreak, false});
      return;
    }
    if (tabs && code == '\t') {
      items_.push_back({code, 0, ikTab, false});
      return;
    }
    items_.push_back({code, advances.Advance(code) + params_.CharExtra, ikChar, underlined});
  });
}

void TTextLayout::BreakLines() {
  spans_.clear();
  const bool wrap = (params_.Format & DT_WORDBREAK) && !(params_.Format & DT_SINGLELINE);
  const auto n = static_cast<int32_t>(items_.size());
  int32_t begin = 0;
  for (int32_t i = 0; i <= n; ++i) {
    const bool atBreak = i < n && items_[i].Kind == ikBreak;
    // A break ends its line; what follows the last break is a line only
    // when it is not empty.
    if (!atBreak && (i < n || begin == n)) continue;
    if (wrap) WrapSegment(begin, i);
    else spans_.push_back({begin, i});
    begin = i + 1;
  }
}

// Greedy wrapping between words. The blanks where a line is broken belong
// to neither line; a word wider than the line stands alone on its line, or
// with DT_EDITCONTROL is broken after its last character that fits.
void TTextLayout::WrapSegment(int32_t begin, int32_t end) {
  const int32_t width = params_.Width;
  const bool breakWords = params_.Format & DT_EDITCONTROL;
  int32_t lineBegin = begin;
  int32_t lineEnd = begin;
  int32_t lineWidth = 0;
  bool hasWord = false;
  int32_t pos = begin;
  while (pos < end) {
    int32_t wordBegin = pos;
    while (wordBegin < end && IsBlank(items_[wordBegin].Code)) ++wordBegin;
    int32_t wordEnd = wordBegin;
    while (wordEnd < end && !IsBlank(items_[wordEnd].Code)) ++wordEnd;
    if (wordBegin == wordEnd) {  // only blanks are left: they end the line
      lineEnd = end;
      break;
    }
    const int32_t blanksEnd = Measure(&items_[lineEnd], wordBegin - lineEnd, lineWidth);
    const int32_t wordWidth = Measure(&items_[wordBegin], wordEnd - wordBegin, blanksEnd);
    if (wordWidth <= width) {
      lineEnd = pos = wordEnd;
      lineWidth = wordWidth;
      hasWord = true;
      continue;
    }
    if (hasWord) {
      spans_.push_back({lineBegin, lineEnd});
      lineBegin = lineEnd = pos = wordBegin;
      lineWidth = 0;
      hasWord = false;
      continue;
    }
    int32_t cut = wordBegin + 1;
    int32_t x = blanksEnd + items_[wordBegin].Advance;
    while (breakWords && cut < wordEnd && x + items_[cut].Advance <= width) x += items_[cut++].Advance;
    if (!breakWords || cut == wordEnd) {
      lineEnd = pos = wordEnd;
      lineWidth = wordWidth;
      hasWord = true;
      continue;
    }
    spans_.push_back({lineBegin, cut});
    lineBegin = lineEnd = pos = cut;
    lineWidth = 0;
  }
  spans_.push_back({lineBegin, lineEnd});
}

int32_t TTextLayout::Measure(const TItem* items, int32_t count, int32_t x) const {
  for (int32_t i = 0; i < count; ++i) x = items[i].Kind == ikTab ? NextTabStop(x) : x + items[i].Advance;
  return x;
}

int32_t TTextLayout::NextTabStop(int32_t x) const {
  const int32_t step = params_.TabWidth;
  if (step <= 0) return x;
  const int32_t stop = x >= 0 ? x / step : -((-x + step - 1) / step);
  return (stop + 1) * step;
}

// End ellipsis: the line is cut where the rest and "..." still fit. Path
// ellipsis: the part after the last "/" or "\" stays whole and the part
// before it loses characters from its end in favour of "...". Both act
// only on a line wider than the rectangle.
const TTextLayout::TItem* TTextLayout::Ellipsize(const TItem* items, int32_t& count, TAdvanceSource& advances) {
  const uint32_t format = params_.Format;
  const int32_t width = params_.Width;
  if (!(format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) || Measure(items, count) <= width) return items;
  const TItem dot{'.', advances.Advance('.') + params_.CharExtra, ikChar, false};
  const int32_t dots = 3 * dot.Advance;
  const TItem* seq = items;
  int32_t n = count;
  int32_t pathDots = -1;  // where the path ellipsis put its "..."
  if (format & DT_PATH_ELLIPSIS) {
    int32_t sep = count - 1;
    while (sep >= 0 && !IsPathSeparator(items[sep].Code)) --sep;
    if (sep >= 0) {
      int32_t keep = 0;
      for (int32_t k = 0, x = 0; k <= sep; x = Measure(&items[k], 1, x), ++k)
        if (Measure(items + sep, count - sep, x + dots) <= width) keep = k;
      ellipsis_.assign(items, items + keep);
      pathDots = keep;
      ellipsis_.insert(ellipsis_.end(), 3, dot);
      ellipsis_.insert(ellipsis_.end(), items + sep, items + count);
      seq = ellipsis_.data();
      n = static_cast<int32_t>(ellipsis_.size());
    }
  }
  if ((format & DT_END_ELLIPSIS) && Measure(seq, n) > width) {
    int32_t keep = 0;
    for (int32_t k = 0, x = 0; k <= n; ++k) {
      if (x + dots <= width) keep = k;
      if (k < n) x = Measure(&seq[k], 1, x);
    }
    // Cutting right after the path's "..." would show two of them.
    if (pathDots >= 0 && keep <= pathDots + 3) keep = std::min(keep, pathDots);
    if (seq != ellipsis_.data()) ellipsis_.assign(seq, seq + keep);
    else ellipsis_.resize(keep);
    ellipsis_.insert(ellipsis_.end(), 3, dot);
    seq = ellipsis_.data();
    n = static_cast<int32_t>(ellipsis_.size());
  }
  count = n;
  return seq;
}

void TTextLayout::PlaceLine(const TItem* items, int32_t count, int32_t top) {
  const int32_t width = Measure(items, count);
  int32_t left = 0;
  if (params_.Format & DT_CENTER) left = Div(params_.Width - width, 2);
  else if (params_.Format & DT_RIGHT) left = params_.Width - width;
  const auto line = static_cast<int32_t>(lines_.size());
  const auto first = static_cast<int32_t>(chars_.size());
  int32_t x = 0;
  for (int32_t i = 0; i < count; ++i) {
    const TItem& item = items[i];
    if (item.Kind == ikTab) {
      x = NextTabStop(x);
      continue;
    }
    chars_.push_back({item.Code, left + x});
    if (item.Underlined) underlines_.push_back({line, left + x, item.Advance - params_.CharExtra});
    x += item.Advance;
  }
  lines_.push_back({left, top, width, first, static_cast<int32_t>(chars_.size()) - first});
}
