#include "toolkit/text/Font.h"

#include "toolkit/IntMath.h"
#include "toolkit/text/FontEngine.h"

namespace {
constexpr int kPixelsPerInch = 96;
}

bool operator==(const TLogFont& a, const TLogFont& b) {
  return a.Height == b.Height && a.Width == b.Width && a.Escapement == b.Escapement &&
         a.Orientation == b.Orientation && a.Weight == b.Weight && a.Italic == b.Italic &&
         a.Underline == b.Underline && a.StrikeOut == b.StrikeOut && a.CharSet == b.CharSet &&
         a.FaceName == b.FaceName;
}

TFont::TFont() {
  log_.FaceName = QStringLiteral("MS Sans Serif");
  log_.Height = -MulDiv(8, kPixelsPerInch, 72);
}

void TFont::SetName(const QString& name) {
  if (name.isEmpty() || name == log_.FaceName) return;
  log_.FaceName = name;
  ResetHandleExtras();
  Changed();
}

int32_t TFont::Size() const { return -MulDiv(log_.Height, 72, kPixelsPerInch); }

void TFont::SetSize(int32_t points) { SetHeight(-MulDiv(points, kPixelsPerInch, 72)); }

void TFont::SetHeight(int32_t pixels) {
  if (pixels == log_.Height) return;
  log_.Height = pixels;
  ResetHandleExtras();
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

TFontStyles TFont::Style() const {
  TFontStyles s = 0;
  if (log_.Weight >= FW_BOLD) s |= FontStyleBit(fsBold);
  if (log_.Italic) s |= FontStyleBit(fsItalic);
  if (log_.Underline) s |= FontStyleBit(fsUnderline);
  if (log_.StrikeOut) s |= FontStyleBit(fsStrikeOut);
  return s;
}

void TFont::SetStyle(TFontStyles style) {
  if (style == Style()) return;
  log_.Weight = style & FontStyleBit(fsBold) ? FW_BOLD : FW_NORMAL;
  log_.Italic = style & FontStyleBit(fsItalic);
  log_.Underline = style & FontStyleBit(fsUnderline);
  log_.StrikeOut = style & FontStyleBit(fsStrikeOut);
  ResetHandleExtras();
  Changed();
}

void TFont::SetCharset(uint8_t charset) {
  if (charset == log_.CharSet) return;
  log_.CharSet = charset;
  ResetHandleExtras();
  Changed();
}

bool TFont::IsTrueType() const { return IsOutlineFace(log_); }

void TFont::SetHandle(const TLogFont& logFont) {
  if (logFont == log_) return;
  log_ = logFont;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this || (source.log_ == log_ && source.color_ == color_)) return;
  log_ = source.log_;
  color_ = source.color_;
  Changed();
}

void TFont::ResetHandleExtras() {
  log_.Width = 0;
  log_.Escapement = 0;
  log_.Orientation = 0;
}

void TFont::Changed() {
  if (OnChange) OnChange();
}
