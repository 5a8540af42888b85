// The text operations of TCanvas: measuring through the canvas's faces,
// painting through its renderer, outlines into the path bracket.
#include <QPainter>
#include <QPen>

#include "toolkit/canvas/Canvas.h"
#include "toolkit/canvas/SpanPainter.h"
#include "toolkit/text/FontEngine.h"
#include "toolkit/text/TextRenderer.h"

TFontFace& TCanvas::TextFace() const {
  if (!fontEngine_) fontEngine_ = std::make_unique<TFontEngine>();
  return fontEngine_->Face(font_->Handle());
}

TTextRenderer& TCanvas::TextRenderer() {
  if (!textRenderer_) textRenderer_ = std::make_unique<TTextRenderer>();
  return *textRenderer_;
}

TTextMetric TCanvas::GetTextMetrics() const { return TextFace().Metrics(); }

TSize TCanvas::TextExtent(const QString& text) const {
  TFontFace& face = TextFace();
  return {LineWidth(text, charExtra_, face), face.LineHeight()};
}

bool TCanvas::IsTrueTypeFont() const { return TextFace().TrueType(); }

void TCanvas::ExtTextOut(int32_t x, int32_t y, const QString& text) {
  if (text.isEmpty() || (!pathOpen_ && !HandleAllocated())) return;
  TFontFace& face = TextFace();
  TTextRenderer& renderer = TextRenderer();
  const double angle = EscapementAngle(font_->Handle().Escapement);
  const TPoint anchor{x + origin_.X, y + origin_.Y};
  if (pathOpen_) {
    renderer.Layout().RunLine(text, charExtra_, face.LineHeight(), face);
    renderer.AddToPath(path_, face, angle, anchor);
    return;
  }
  const TTextKey key{font_->Handle(), text, 0, 0, 0, charExtra_, true};
  if (!renderer.Holds(key)) {
    renderer.Layout().RunLine(text, charExtra_, face.LineHeight(), face);
    renderer.Render(key, face, angle, std::nullopt, DeviceClip().Offset(-anchor.X, -anchor.Y));
  }
  renderer.Blend(*surface_, anchor, DeviceClip(), SurfacePixel(*surface_, font_->Color()));
}

int32_t TCanvas::DrawTextEx(const QString& text, TRect& rect, uint32_t format) {
  TFontFace& face = TextFace();
  TTextRenderer& renderer = TextRenderer();
  TLayoutParams params;
  params.Format = format;
  params.Width = rect.Width();
  params.Height = rect.Height();
  params.CharExtra = charExtra_;
  params.LineHeight = face.LineHeight();
  params.TabWidth = face.TabWidth();
  TTextLayout& layout = renderer.Layout();
  if (format & DT_CALCRECT) {
    layout.Run(text, params, face);
    rect.Right = rect.Left + layout.Width();
    rect.Bottom = rect.Top + layout.Height();
    return layout.Height();
  }
  if (text.isEmpty()) return 0;
  const double angle = EscapementAngle(font_->Handle().Escapement);
  const TPoint anchor{rect.Left + origin_.X, rect.Top + origin_.Y};
  if (pathOpen_ || !HandleAllocated()) {
    layout.Run(text, params, face);
    if (pathOpen_) renderer.AddToPath(path_, face, angle, anchor);
    return layout.Height();
  }
  const TTextKey key{font_->Handle(), text, format, params.Width, params.Height, charExtra_, false};
  if (!renderer.Holds(key)) {
    layout.Run(text, params, face);
    std::optional<TRect> box;
    if (!(format & DT_NOCLIP)) box = TRect{0, 0, params.Width, params.Height};
    renderer.Render(key, face, angle, box, DeviceClip().Offset(-anchor.X, -anchor.Y));
  }
  renderer.Blend(*surface_, anchor, DeviceClip(), SurfacePixel(*surface_, font_->Color()));
  return renderer.TextHeight();
}

void TCanvas::BeginPath() {
  pathOpen_ = true;
  path_ = QPainterPath();
}

void TCanvas::EndPath() { pathOpen_ = false; }

void TCanvas::StrokePath() {
  if (pathOpen_) return;
  QPainterPath path;
  path.swap(path_);
  if (!HandleAllocated() || pen_->Style() == psClear || path.isEmpty()) return;
  const TRect clip = DeviceClip();
  if (clip.IsEmpty()) return;
  QPainter painter(&surface_->Image());
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipRect(QRect(clip.Left, clip.Top, clip.Width(), clip.Height()));
  // A wide pen is round at its ends and joins; up to 1 it is the thinnest.
  QPen pen(QColor::fromRgb(SurfacePixel(*surface_, pen_->Color())));
  pen.setWidth(pen_->Width() > 1 ? pen_->Width() : 0);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.strokePath(path, pen);
}
