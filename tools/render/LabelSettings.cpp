#include "tools/render/LabelSettings.h"

namespace {

TFontStyles FontStyles(const TRenderSettings& settings) {
  TFontStyles styles = 0;
  if (settings.Bold) styles |= FontStyleBit(fsBold);
  if (settings.Italic) styles |= FontStyleBit(fsItalic);
  if (settings.Underline) styles |= FontStyleBit(fsUnderline);
  return styles;
}

void ApplyFont(const TRenderSettings& settings, TLMDLabelFill& label) {
  TFont font;
  font.Assign(label.Font());
  font.SetName(settings.FontName);
  font.SetSize(settings.FontSize);
  font.SetColor(settings.FontColor);
  font.SetStyle(FontStyles(settings));
  label.SetFont(font);
}

// After the font, as on the panel: a rotation asked for on a face without
// outlines switches the face to "Arial".
void ApplyEffect(const TRenderSettings& settings, TLMDFxCaption& fx) {
  fx.SetStyle(settings.Style);
  fx.SetLightDepth(static_cast<uint8_t>(settings.LightDepth));
  fx.SetShadowDepth(static_cast<uint8_t>(settings.ShadowDepth));
  // The panel passes the low 16 bits of the spin edit's value.
  fx.SetAngle(static_cast<TLMDAngle>(settings.Angle));
  fx.SetTracing(settings.Tracing);
  fx.SetLightColor(settings.LightColor);
  fx.SetShadowColor(settings.ShadowColor);
  fx.SetOrientation(settings.Direction);
}

void ApplyFill(const TRenderSettings& settings, const TBitmap& picture, TLMDFillObject& fill) {
  fill.SetStyle(settings.Fill);
  fill.Brush().SetColor(settings.BrushColor);
  fill.Brush().SetStyle(settings.BrushStyle);
  fill.SetBitmap(picture);
  fill.SetTileMode(settings.Tile);
  TLMDGradient& gradient = fill.Gradient();
  gradient.SetTwoColors(false);
  gradient.ColorList() = settings.Gradient;
  gradient.SetStyle(settings.GradientStyle);
  // The low 8 bits, as the panel passes them.
  gradient.SetColorCount(static_cast<uint8_t>(settings.ColorCount));
}

}  // namespace

void ApplyLabelSettings(const TRenderSettings& settings, const TBitmap& picture, TLMDLabelFill& label) {
  ApplyFont(settings, label);
  label.Bevel().SetMode(settings.Frame ? bmEdge : bmCustom);
  ApplyEffect(settings, label.FontFX());
  // The fill object copies its gradient's colour list and rebuilds the ramp
  // from it, whatever changed before.
  TLMDFillObject fill;
  ApplyFill(settings, picture, fill);
  label.SetFillObject(fill);
  label.SetBrushBackColor(settings.RimColor);
  label.SetTransparent(true);
  label.SetCaption(settings.Text);
}
