// Drawing of TLMDBevel: every mode draws inside the rectangle and gives it
// back shrunk by exactly the Extent of its settings.
#include <algorithm>
#include <array>
#include <initializer_list>

#include "render/caption/LMDBevel.h"
#include "toolkit/canvas/Canvas.h"

namespace {

// Colours of a one-pixel ring: the top and left lines own the top-left
// corner, the bottom and right lines the other three, as edges do.
struct TRingColors {
  TColor TopLeft;
  TColor BottomRight;
};

// A plain solid brush: a pattern or a clear style left by earlier drawing
// must not leak into the frame.
void UseBrush(TCanvas& canvas, TColor color) {
  TBrush brush;
  brush.SetColor(color);
  canvas.SetBrush(brush);
}

TRect Inset(const TRect& r, int32_t n) { return {r.Left + n, r.Top + n, r.Right - n, r.Bottom - n}; }

void Ring(TCanvas& canvas, TRect& r, TRingColors colors) {
  UseBrush(canvas, colors.TopLeft);
  canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1});
  canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1});
  UseBrush(canvas, colors.BottomRight);
  canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
  r = Inset(r, 1);
}

void Rings(TCanvas& canvas, TRect& r, int32_t count, TRingColors colors) {
  for (int32_t i = 0; i < count; ++i) Ring(canvas, r, colors);
}

class TBevelPainter {
 public:
  TBevelPainter(const TLMDBevel& bevel, TCanvas& canvas, bool skipBorder)
      : bevel_(bevel),
        canvas_(canvas),
        skipBorder_(skipBorder),
        raised_{bevel.LightColor(), bevel.ShadowColor()},
        lowered_{bevel.ShadowColor(), bevel.LightColor()} {}

  // n rings of the border colour, or only their room when skipped.
  void BorderRing(TRect& r, int32_t n) const {
    if (skipBorder_) {
      r = Inset(r, n);
      return;
    }
    UseBrush(canvas_, bevel_.BorderColor());
    for (int32_t i = 0; i < n; ++i) {
      canvas_.FrameRect(r);
      r = Inset(r, 1);
    }
  }

  void Edge(TRect& r) const {
    if (bevel_.BorderSides() == 0) return;
    static constexpr std::array<uint32_t, 8> kEdges = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER,
                                                       BDR_SUNKENOUTER, EDGE_BUMP,       EDGE_ETCHED,
                                                       EDGE_RAISED,     EDGE_SUNKEN};
    uint32_t sides = 0;
    if (bevel_.BorderSides() & FrameSideBit(fsLeft)) sides |= BF_LEFT;
    if (bevel_.BorderSides() & FrameSideBit(fsTop)) sides |= BF_TOP;
    if (bevel_.BorderSides() & FrameSideBit(fsRight)) sides |= BF_RIGHT;
    if (bevel_.BorderSides() & FrameSideBit(fsBottom)) sides |= BF_BOTTOM;
    TRect edge = r;
    canvas_.DrawEdge(edge, kEdges[bevel_.EdgeStyle()], sides);
    r = Inset(r, 2);
  }

  void Bevel(TRect& r, TLMDBevelStyle style, int32_t width) const {
    switch (style) {
      case bvNone:
      case bvShadow:
        break;
      case bvLowered:
        Rings(canvas_, r, width, lowered_);
        break;
      case bvRaised:
        Rings(canvas_, r, width, raised_);
        break;
      case bvFrameLowered:
        Rings(canvas_, r, width, lowered_);
        Ring(canvas_, r, raised_);
        break;
      case bvFrameRaised:
        Rings(canvas_, r, width, raised_);
        Ring(canvas_, r, lowered_);
        break;
      case bvNormal:
        Rings(canvas_, r, width, {bevel_.ShadowColor(), bevel_.ShadowColor()});
        break;
    }
  }

  // A frame of WidthInner in the light colour whose outer bottom and right
  // pixels are a shadow of WidthOuter (as far as the frame reaches), set off
  // by as much from the top and left; the corners the shadow leaves show the
  // border colour. The shadow stays inside the frame, so the frame's
  // extent is WidthInner.
  void ShadowBevel(TRect& r) const {
    const int32_t so = std::min<int32_t>(bevel_.WidthOuter(), bevel_.WidthInner());
    const TRect outer = r;
    Rings(canvas_, r, bevel_.WidthInner(), {bevel_.LightColor(), bevel_.LightColor()});
    if (so == 0) return;
    UseBrush(canvas_, bevel_.ShadowColor());
    canvas_.FillRect({outer.Right - so, outer.Top + so, outer.Right, outer.Bottom});
    canvas_.FillRect({outer.Left + so, outer.Bottom - so, outer.Right - so, outer.Bottom});
    if (skipBorder_) return;
    UseBrush(canvas_, bevel_.BorderColor());
    canvas_.FillRect({outer.Right - so, outer.Top, outer.Right, outer.Top + so});
    canvas_.FillRect({outer.Left, outer.Bottom - so, outer.Left + so, outer.Bottom});
  }

  void Border(TRect& r, TLMDBorderStyle style) const {
    const TColor b = bevel_.BorderColor();
    const TColor l = bevel_.LightColor();
    const TColor h = bevel_.ShadowColor();
    auto draw = [&](std::initializer_list<TRingColors> rings) {
      for (const TRingColors& ring : rings) Ring(canvas_, r, ring);
    };
    switch (style) {
      case lsNone:
        break;
      case lsSingle:
        draw({{h, h}});
        break;
      case lsSingleRaised:
        draw({raised_});
        break;
      case lsSingleLowered:
        draw({lowered_});
        break;
      case lsRaised:
      case lsDoubleRaised:
        draw({raised_, raised_});
        break;
      case lsLowered:
      case lsDoubleLowered:
        draw({lowered_, lowered_});
        break;
      case lsRaisedspb:
        draw({raised_, {b, b}});
        break;
      case lsLoweredspb:
        draw({lowered_, {b, b}});
        break;
      case lsRaisedExt:
        draw({{b, h}, raised_});
        break;
      case lsLoweredExt:
        draw({lowered_, {h, b}});
        break;
      case lsFrameInset:
        draw({lowered_, raised_});
        break;
      case lsFrameOffset:
        draw({raised_, lowered_});
        break;
      case lsWindowBorder:
        draw({{b, h}, {l, b}});
        break;
    }
  }

 private:
  const TLMDBevel& bevel_;
  TCanvas& canvas_;
  bool skipBorder_;
  TRingColors raised_;
  TRingColors lowered_;
};

}  // namespace

TRect TLMDBevel::DrawBevel(TCanvas& canvas, const TRect& rect, bool skipBorder) const {
  if (extent_ == 0) return rect;
  TRect r = rect;
  const TBevelPainter painter(*this, canvas, skipBorder);
  switch (mode_) {
    case bmEdge:
      painter.Edge(r);
      break;
    case bmCustom:
      if (styleOuter_ == bvShadow) {
        painter.ShadowBevel(r);
        break;
      }
      painter.Bevel(r, styleOuter_, widthOuter_);
      painter.BorderRing(r, borderWidth_);
      painter.Bevel(r, styleInner_, widthInner_);
      break;
    case bmStandard:
      painter.Border(r, standardStyle_);
      break;
    case bmWindows:
      painter.Border(r, lsLoweredExt);
      break;
  }
  painter.BorderRing(r, borderInnerWidth_);
  return r;
}
