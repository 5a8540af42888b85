#pragma once
#include <QString>
#include <cstdint>
#include <functional>

#include "toolkit/Colors.h"

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint8_t;  // bit n for the style of ordinal n
constexpr TFontStyles FontStyleBit(TFontStyle s) { return static_cast<TFontStyles>(1u << s); }

constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_BOLD = 700;

// The logical font record a font handle is made from. Escapement turns the
// text counter-clockwise, in tenths of a degree.
struct TLogFont {
  int32_t Height = 0;
  int32_t Width = 0;
  int32_t Escapement = 0;
  int32_t Orientation = 0;
  int32_t Weight = FW_NORMAL;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  uint8_t CharSet = DEFAULT_CHARSET;
  QString FaceName;
  friend bool operator==(const TLogFont& a, const TLogFont& b);
  friend bool operator!=(const TLogFont& a, const TLogFont& b) { return !(a == b); }
};

// Face, size, style and colour of text. Height is in pixels at 96 pixels per
// inch (negative: character height), Size in points. Replacing the handle
// keeps fields such as the escapement that have no property of their own,
// until a property change builds a new handle.
class TFont {
 public:
  TFont();

  QString Name() const { return log_.FaceName; }
  void SetName(const QString& name);
  int32_t Size() const;
  void SetSize(int32_t points);
  int32_t Height() const { return log_.Height; }
  void SetHeight(int32_t pixels);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  uint8_t Charset() const { return log_.CharSet; }
  void SetCharset(uint8_t charset);

  // True when the face this font resolves to is a scalable outline font.
  bool IsTrueType() const;

  const TLogFont& Handle() const { return log_; }
  void SetHandle(const TLogFont& logFont);

  // Copies every setting, the handle's extra fields included.
  void Assign(const TFont& source);

  // Called after every change.
  std::function<void()> OnChange;

 private:
  void Changed();
  // A property change makes a new handle from the properties alone.
  void ResetHandleExtras();

  TLogFont log_;
  TColor color_ = clWindowText;
};
