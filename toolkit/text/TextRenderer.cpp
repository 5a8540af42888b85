#include "toolkit/text/TextRenderer.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "toolkit/Exceptions.h"
#include "toolkit/text/FontEngine.h"

namespace {

// A mask larger than this is cut to what the surface shows and not kept,
// so that a huge text never asks for a huge buffer.
constexpr int64_t kMaxKeptMaskPixels = int64_t{1} << 24;

QTransform Turn(double angle) {
  QTransform turn;
  if (angle != 0) turn.rotate(-angle);  // Qt turns clockwise on screen
  return turn;
}

TRect TurnedBounds(const TRect& r, double angle) {
  const QRectF box = Turn(angle).mapRect(QRectF(r.Left, r.Top, r.Width(), r.Height()));
  return {static_cast<int32_t>(std::floor(box.left())), static_cast<int32_t>(std::floor(box.top())),
          static_cast<int32_t>(std::ceil(box.right())), static_cast<int32_t>(std::ceil(box.bottom()))};
}

// Source over destination with coverage a of 255, rounded to nearest.
inline QRgb BlendPixel(QRgb dst, QRgb src, uint32_t a) {
  const uint32_t na = 255 - a;
  auto channel = [&](int shift) {
    const uint32_t t = ((src >> shift) & 0xFF) * a + ((dst >> shift) & 0xFF) * na + 128;
    return ((t + (t >> 8)) >> 8) << shift;
  };
  return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

}  // namespace

bool operator==(const TTextKey& a, const TTextKey& b) {
  return a.Format == b.Format && a.Width == b.Width && a.Height == b.Height && a.CharExtra == b.CharExtra &&
         a.Line == b.Line && a.Font == b.Font && a.Text == b.Text;
}

double EscapementAngle(int32_t escapement) {
  const double angle = std::fmod(static_cast<double>(escapement), 3600.0) / 10.0;
  return angle < 0 ? angle + 360.0 : angle;
}

template <typename Visit>
void TTextRenderer::ForEachRule(const TFontFace& face, Visit rect) const {
  const int32_t thickness = face.LineThickness();
  const auto& lines = layout_.Lines();
  for (const TLaidLine& line : lines) {
    const int32_t baseline = line.Top + face.Ascent();
    if (face.Underline()) {
      const int32_t top = baseline + face.UnderlineTop();
      rect(TRect{line.Left, top, line.Left + line.Width, top + thickness});
    }
    if (face.StrikeOut()) {
      const int32_t top = baseline + face.StrikeOutTop();
      rect(TRect{line.Left, top, line.Left + line.Width, top + thickness});
    }
  }
  for (const TLaidUnderline& underline : layout_.Underlines()) {
    const int32_t top = lines[underline.Line].Top + face.Ascent() + face.UnderlineTop();
    rect(TRect{underline.X, top, underline.X + underline.Width, top + thickness});
  }
}

void TTextRenderer::CollectGlyphs(TFontFace& face, const TLaidLine& line) {
  glyphs_.clear();
  positions_.clear();
  const auto& chars = layout_.Chars();
  const qreal baseline = line.Top + face.Ascent();
  for (int32_t i = line.First; i < line.First + line.Count; ++i) {
    const TGlyphInfo& glyph = face.Glyph(chars[i].Code);
    if (glyph.Ink.IsEmpty()) continue;  // blanks draw nothing
    glyphs_.push_back(glyph.Index);
    positions_.emplace_back(chars[i].X, baseline);
  }
}

TRect TTextRenderer::InkBounds(TFontFace& face) {
  TRect ink;
  const auto& chars = layout_.Chars();
  for (const TLaidLine& line : layout_.Lines()) {
    const int32_t baseline = line.Top + face.Ascent();
    for (int32_t i = line.First; i < line.First + line.Count; ++i)
      ink = ink.Union(face.Glyph(chars[i].Code).Ink.Offset(chars[i].X, baseline));
  }
  ForEachRule(face, [&](const TRect& r) { ink = ink.Union(r); });
  return ink;
}

void TTextRenderer::Render(const TTextKey& key, TFontFace& face, double angle, const std::optional<TRect>& box,
                           const TRect& visible) {
  key_ = key;
  held_ = true;
  textHeight_ = layout_.Height();
  coverage_.clear();
  rows_.clear();
  TRect mask = InkBounds(face);
  if (!mask.IsEmpty()) {
    if (angle != 0) mask = TurnedBounds(mask, angle);
    // Antialiasing may reach one pixel past the glyph boxes.
    mask = {mask.Left - 1, mask.Top - 1, mask.Right + 1, mask.Bottom + 1};
  }
  if (box) mask = mask.Intersect(*box);
  if (int64_t{mask.Width()} * mask.Height() > kMaxKeptMaskPixels) {
    mask = mask.Intersect(visible);
    held_ = false;
  }
  maskRect_ = mask.IsEmpty() ? TRect{} : mask;
  if (maskRect_.IsEmpty()) return;
  const int32_t w = maskRect_.Width();
  const int32_t h = maskRect_.Height();
  if (canvas_.width() < w || canvas_.height() < h) {
    QImage grown(std::max(w, canvas_.width()), std::max(h, canvas_.height()), QImage::Format_ARGB32_Premultiplied);
    if (grown.isNull()) {
      maskRect_ = {};
      held_ = false;
      throw EOutOfMemory();
    }
    canvas_ = std::move(grown);
  }
  for (int32_t y = 0; y < h; ++y) std::memset(canvas_.scanLine(y), 0, static_cast<size_t>(w) * 4);
  {
    QPainter painter(&canvas_);
    painter.setClipRect(0, 0, w, h);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::Antialiasing, angle != 0);
    painter.setPen(Qt::white);
    painter.translate(-maskRect_.Left, -maskRect_.Top);
    if (angle != 0) painter.rotate(-angle);
    QGlyphRun run;
    run.setRawFont(face.RawFont());
    for (const TLaidLine& line : layout_.Lines()) {
      CollectGlyphs(face, line);
      if (glyphs_.empty()) continue;
      run.setRawData(glyphs_.data(), positions_.data(), static_cast<int>(glyphs_.size()));
      painter.drawGlyphRun(QPointF(0, 0), run);
    }
    ForEachRule(face, [&](const TRect& r) { painter.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::white); });
  }
  ExtractCoverage();
}

void TTextRenderer::ExtractCoverage() {
  const int32_t w = maskRect_.Width();
  const int32_t h = maskRect_.Height();
  coverage_.resize(static_cast<size_t>(w) * h);
  rows_.resize(h);
  for (int32_t y = 0; y < h; ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(canvas_.constScanLine(y));
    uint8_t* dst = &coverage_[static_cast<size_t>(y) * w];
    TRowSpan span{w, 0};
    for (int32_t x = 0; x < w; ++x) {
      dst[x] = static_cast<uint8_t>(qAlpha(src[x]));
      if (dst[x] == 0) continue;
      span.Begin = std::min(span.Begin, x);
      span.End = x + 1;
    }
    rows_[y] = span;
  }
}

void TTextRenderer::Blend(TSurface& surface, TPoint anchor, const TRect& clip, QRgb pixel) const {
  if (maskRect_.IsEmpty()) return;
  const TRect mask = maskRect_.Offset(anchor.X, anchor.Y);
  const TRect area = mask.Intersect(clip).Intersect(surface.Bounds());
  if (area.IsEmpty()) return;
  const int32_t w = maskRect_.Width();
  const bool monochrome = surface.Monochrome();
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const int32_t my = y - mask.Top;
    const TRowSpan span = rows_[my];
    const int32_t x0 = std::max(area.Left, mask.Left + span.Begin);
    const int32_t x1 = std::min(area.Right, mask.Left + span.End);
    const uint8_t* cover = &coverage_[static_cast<size_t>(my) * w];
    QRgb* row = surface.Row(y);
    for (int32_t x = x0; x < x1; ++x) {
      const uint32_t a = cover[x - mask.Left];
      if (a == 255 || (monochrome && a >= 128)) row[x] = pixel;
      else if (a != 0 && !monochrome) row[x] = BlendPixel(row[x], pixel, a);
    }
  }
}

void TTextRenderer::AddToPath(QPainterPath& path, TFontFace& face, double angle, TPoint anchor) {
  QPainterPath outline;
  for (const TLaidLine& line : layout_.Lines()) {
    CollectGlyphs(face, line);
    for (size_t i = 0; i < glyphs_.size(); ++i)
      outline.addPath(face.RawFont().pathForGlyph(glyphs_[i]).translated(positions_[i]));
  }
  ForEachRule(face, [&](const TRect& r) { outline.addRect(r.Left, r.Top, r.Width(), r.Height()); });
  QTransform place;
  place.translate(anchor.X, anchor.Y);
  path.addPath((Turn(angle) * place).map(outline));
}
