// Measuring text drawn with a caption: CalcFxTextRect, AlignFxTextRect and
// the TrueType test.
#include "render/caption/LMDFXCaption.h"
#include "render/caption/LMDFxMath.h"
#include "render/caption/LMDFxText.h"
#include "toolkit/canvas/Canvas.h"

namespace {

void MeasureLaidOut(TCanvas& measure, const QString& text, TRect& rect, bool wordBreak, bool showAccelChar,
                    uint32_t format) {
  format |= DT_CALCRECT | DT_EXPANDTABS;
  if (wordBreak) format |= DT_WORDBREAK;
  if (!showAccelChar) format |= DT_NOPREFIX;
  // An empty caption, or one that is only an accelerator mark, still takes
  // the height of a line.
  const bool blank = text.isEmpty() || (showAccelChar && text == QStringLiteral("&"));
  measure.DrawTextEx(blank ? QStringLiteral(" ") : text, rect, format);
}

void MeasureRotated(TCanvas& measure, const QString& text, TLMDFxCaption& fx, TRect& rect) {
  const TSize extent = measure.TextExtent(text);
  const int32_t depth = fx.EffectDepth();
  const int32_t degrees = RotationDegrees(fx.Angle());
  rect = {0, 0, extent.cx + depth, extent.cy + depth};
  RotatedBoundsRect(rect, degrees);
  const TPoint origin = RotatedTextOrigin(rect, extent.cx, extent.cy, degrees, fx.RotationAdjustment());
  fx.SetPosX(static_cast<uint16_t>(origin.X));
  fx.SetPosY(static_cast<uint16_t>(origin.Y));
}

}  // namespace

void CalcFxTextRect(TCanvas& canvas, const QString& text, TLMD3DCaption* caption, TRect& rect, const TFont& font,
                    bool wordBreak, bool showAccelChar, int32_t extra, uint32_t format) {
  auto* fx = dynamic_cast<TLMDFxCaption*>(caption);
  canvas.SetFont(font);
  // The caller's canvas keeps its surface and spacing; a canvas without
  // pixels measures.
  TCanvas measure;
  measure.SetFont(font);
  if (caption != nullptr) measure.SetTextCharacterExtra(caption->Tracing());
  if (fx != nullptr && fx->Angle() != 0) {
    MeasureRotated(measure, text, *fx, rect);
  } else {
    if (fx != nullptr) fx->SetPosition(0, 0);
    MeasureLaidOut(measure, text, rect, wordBreak, showAccelChar, format);
    if (caption != nullptr) {
      rect.Right += caption->EffectDepth();
      rect.Bottom += caption->EffectDepth();
    }
  }
  rect.Right += 2 * (extra + 1);
  rect.Bottom += 2 * (extra + 1);
}

TRect AlignFxTextRect(TLMDAlignment alignment, const QString& text, TLMD3DCaption* caption, const TRect& container,
                      const TFont& font, bool wordBreak, bool showAccelChar, uint32_t format) {
  TRect r{container.Left, container.Top, container.Right - 1, container.Bottom};
  TCanvas scratch;
  CalcFxTextRect(scratch, text, caption, r, font, wordBreak, showAccelChar, 0, format);
  return AlignRectInRect(alignment, r, container);
}

bool IsTrueTypeFont(const TCanvas& canvas) { return canvas.IsTrueTypeFont(); }

bool IsTrueTypeFont(const TFont& font) { return font.IsTrueType(); }
