#pragma once
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"
#include "toolkit/text/Font.h"
#include "toolkit/text/TextLayout.h"

class TFontFace;

// What decides the coverage of one text output, apart from where it lands
// and its colour.
struct TTextKey {
  TLogFont Font;  // the escapement included
  QString Text;
  uint32_t Format = 0;
  int32_t Width = 0;  // the formatting rectangle's size
  int32_t Height = 0;
  int32_t CharExtra = 0;
  bool Line = false;  // one line as given (ExtTextOut) rather than formatted
  friend bool operator==(const TTextKey& a, const TTextKey& b);
};

// Paints laid-out text for one canvas. An output is rendered once by
// QPainter into a grey coverage mask (glyphs antialiased, never sub-pixel)
// and blended onto the surface in the text colour, so a fully covered pixel
// takes exactly that colour. The mask of the last output is kept: drawing
// the same text again elsewhere, as the copies of a 3D effect do, costs
// only the blend, and since offsets are whole pixels it gives exactly the
// pixels a new rendering would.
class TTextRenderer {
 public:
  // Scratch layout the canvas fills before Render or AddToPath.
  TTextLayout& Layout() { return layout_; }

  // Whether the kept mask is that of Key.
  bool Holds(const TTextKey& key) const { return held_ && key == key_; }
  // Renders Layout() in Face, turned Angle degrees counter-clockwise about
  // the layout's origin (the anchor) and cut to Box (relative to the
  // anchor) when one is given, and keeps it as the mask of Key. Visible is
  // the part of the surface the anchor-relative output can reach: an
  // oversized mask is cut to it and not kept. A mask whose pixels cannot be
  // had fails with EOutOfMemory and keeps nothing.
  void Render(const TTextKey& key, TFontFace& face, double angle, const std::optional<TRect>& box,
              const TRect& visible);
  // The height of the kept output's text.
  int32_t TextHeight() const { return textHeight_; }
  // Blends the kept mask with its anchor at the device point Anchor, inside
  // Clip, in Pixel; on a monochrome surface pixels at least half covered
  // take Pixel.
  void Blend(TSurface& surface, TPoint anchor, const TRect& clip, QRgb pixel) const;

  // Adds the outlines of Layout() to Path (device coordinates), the anchor
  // at Anchor, turned as for Render.
  void AddToPath(QPainterPath& path, TFontFace& face, double angle, TPoint anchor);

 private:
  struct TRowSpan {
    int32_t Begin;
    int32_t End;
  };

  // The ink of Layout() relative to the anchor, unturned.
  TRect InkBounds(TFontFace& face);
  // Calls Rect with every line the text draws: the font's underline and
  // strike-out and the accelerator underlines.
  template <typename Visit>
  void ForEachRule(const TFontFace& face, Visit rect) const;
  // Fills glyphs_ and positions_ with the drawn characters of a line.
  void CollectGlyphs(TFontFace& face, const TLaidLine& line);
  void ExtractCoverage();

  TTextLayout layout_;
  std::vector<quint32> glyphs_;
  std::vector<QPointF> positions_;
  QImage canvas_;  // ARGB32 premultiplied scratch QPainter renders into

  bool held_ = false;
  TTextKey key_;
  int32_t textHeight_ = 0;
  TRect maskRect_;  // relative to the anchor
  std::vector<uint8_t> coverage_;
  std::vector<TRowSpan> rows_;
};

// The rotation in degrees of an escapement in tenths of a degree, in [0, 360).
double EscapementAngle(int32_t escapement);
