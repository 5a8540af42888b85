#include "controls/LMDColorItem.h"

#include "toolkit/canvas/Canvas.h"

namespace {

// Items hold the texts the colour-to-text conversion writes; one that names
// no colour shows none.
TColor ItemColor(const QString& text) {
  if (text.isEmpty()) return clNone;
  return StringToColor(text).value_or(clNone);
}

// "clRed" shows as "Red"; a "$" text as it is.
QString ItemName(const QString& text) {
  if (text.startsWith(QLatin1Char('$'))) return text;
  return text.mid(2);
}

}  // namespace

void DrawColorItem(TCanvas& canvas, const TRect& rect, const QString& text, const TLMDColorItemLook& look) {
  TColor background = clWindow;
  TColor foreground = look.Disabled ? clInactiveCaption : clWindowText;
  if (look.Selected) {
    background = clHighlight;
    foreground = clHighlightText;
  }
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(background);
  canvas.FillRect(rect);

  const TColor color = ItemColor(text);
  if (color == clNone) return;
  canvas.Font().SetColor(foreground);

  switch (look.Style) {
    case csColor:
      canvas.Brush().SetColor(color);
      canvas.Rectangle(rect.Left + 3, rect.Top + 3, rect.Right - 3, rect.Bottom - 3);
      return;
    case csText:
      canvas.TextOut(rect.Left + 2, rect.Top + 2, ItemName(text));
      return;
    case csColorText:
    case csColor3DText: {
      TRect swatch{rect.Left + 4, rect.Top + 2, rect.Left + rect.Height() + 8, rect.Bottom - 2};
      canvas.Brush().SetColor(color);
      if (look.Style == csColorText) {
        canvas.Rectangle(swatch.Left, swatch.Top, swatch.Right, swatch.Bottom);
      } else {
        canvas.FillRect(swatch);
        TRect edge = swatch;
        canvas.DrawEdge(edge, BDR_RAISEDINNER, BF_RECT);
      }
      canvas.TextOut(swatch.Right + 6, rect.Top + 2, ItemName(text));
      return;
    }
  }
}

int32_t ColorItemHeight(const TCanvas& canvas, TLMDColorCBStyle style) {
  if (style == csColor) return 15;
  return canvas.GetTextMetrics().tmHeight + 2;
}
