// DrawFxText: the passes of an effect, output one by one, except the many
// copies of an extrusion, which blend one rasterised coverage.
#include <QString>
#include <algorithm>
#include <cstdlib>

#include "render/caption/LMDFXCaption.h"
#include "render/caption/LMDFxCoverage.h"
#include "render/caption/LMDFxText.h"
#include "toolkit/Canvas.h"

namespace {

// The clip region and character extra of one call: set on entry when asked
// for, back to none and 0 however the call ends.
class TFxDeviceState {
 public:
  TFxDeviceState(TCanvas& canvas, const std::optional<TRect>& clip, int32_t tracing)
      : canvas_(canvas), clipped_(clip.has_value()), tracing_(tracing) {
    if (clipped_) canvas_.SelectClipRect(*clip);
    if (tracing_ != 0) canvas_.SetTextCharacterExtra(tracing_);
  }
  ~TFxDeviceState() {
    if (clipped_) canvas_.RemoveClipRegion();
    if (tracing_ != 0) canvas_.SetTextCharacterExtra(0);
  }
  TFxDeviceState(const TFxDeviceState&) = delete;
  TFxDeviceState& operator=(const TFxDeviceState&) = delete;

 private:
  TCanvas& canvas_;
  bool clipped_;
  int32_t tracing_;
};

// One output of the text at R: rotated text as one line from R's top-left,
// other text laid out in R by Format.
struct TFxOutput {
  const QString& Text;
  uint32_t Format;
  bool Rotated;

  void operator()(TCanvas& canvas, const TRect& r) const {
    if (Rotated) {
      canvas.ExtTextOut(r.Left, r.Top, Text);
      return;
    }
    TRect box = r;
    canvas.DrawTextEx(Text, box, Format);
  }
};

TRect DeviceClip(const TCanvas& canvas) {
  const TRect bounds = canvas.Surface()->Bounds();
  const std::optional<TRect> clip = canvas.ClipRegion();
  return clip ? clip->Intersect(bounds) : bounds;
}

// Device pixels an output at R may ink, generously: the text's lines lie
// within its measured block placed anywhere against R, each glyph may
// overhang by two line heights, and negative character extra may pull
// characters back by as much as it takes off.
TRect InkBound(TCanvas& canvas, const TFxOutput& output, const TRect& r) {
  TCanvas measure;
  measure.SetFont(canvas.Font());
  measure.SetTextCharacterExtra(canvas.TextCharacterExtra());
  const int32_t overhang = 2 * std::abs(measure.GetTextMetrics().tmHeight);
  const int32_t pullBack = static_cast<int32_t>(output.Text.size()) * std::abs(canvas.TextCharacterExtra());
  TRect bound;
  if (output.Rotated) {
    const int32_t reach = std::abs(measure.TextExtent(output.Text).cx) + pullBack + overhang;
    bound = {r.Left - reach, r.Top - reach, r.Left + reach, r.Top + reach};
  } else {
    TRect block = r;
    measure.DrawTextEx(output.Text, block, output.Format | DT_CALCRECT);
    const int32_t dx = std::abs(block.Width()) + pullBack + overhang;
    const int32_t dy = std::abs(block.Height()) + overhang;
    bound = {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
  }
  return bound.Offset(canvas.Origin().X, canvas.Origin().Y);
}

void DrawPasses(TCanvas& canvas, const TFxOutput& output, TRect r, const TFxPlan& plan) {
  for (const TFxPass& pass : plan.Passes) {
    r = r.Offset(pass.DX, pass.DY);
    canvas.Font().SetColor(pass.Color);
    output(canvas, r);
  }
}

// Ends an open path bracket if the output in it fails, so that later text
// paints again.
class TPathBracket {
 public:
  explicit TPathBracket(TCanvas& canvas) : canvas_(canvas) { canvas_.BeginPath(); }
  ~TPathBracket() {
    if (open_) canvas_.EndPath();
  }
  void End() {
    canvas_.EndPath();
    open_ = false;
  }
  TPathBracket(const TPathBracket&) = delete;
  TPathBracket& operator=(const TPathBracket&) = delete;

 private:
  TCanvas& canvas_;
  bool open_ = true;
};

void DrawOutline(TCanvas& canvas, const TFxOutput& output, const TRect& r, const TFxPlan& plan) {
  const TFxPass& pass = plan.Passes.front();
  canvas.Pen().SetStyle(psSolid);
  TPathBracket path(canvas);
  canvas.Font().SetColor(pass.Color);
  output(canvas, r.Offset(pass.DX, pass.DY));
  path.End();
  canvas.Pen().SetColor(pass.Color);
  canvas.Pen().SetWidth(plan.PenWidth);
  canvas.StrokePath();
}

// The copies and the face of an extrusion from one rasterisation: each
// pass blends the coverage of the first copy at its own offset.
void DrawExtrusion(TCanvas& canvas, const TFxOutput& output, const TRect& r, const TFxPlan& plan) {
  const TRect first = r.Offset(plan.Passes.front().DX, plan.Passes.front().DY);
  std::vector<TPoint> offsets{{0, 0}};
  TPoint low, high;
  for (size_t i = 1; i < plan.Passes.size(); ++i) {
    const TPoint& p = offsets.back();
    offsets.push_back({p.X + plan.Passes[i].DX, p.Y + plan.Passes[i].DY});
    low = {std::min(low.X, offsets.back().X), std::min(low.Y, offsets.back().Y)};
    high = {std::max(high.X, offsets.back().X), std::max(high.Y, offsets.back().Y)};
  }
  const TRect clip = DeviceClip(canvas);
  // Coverage that some pass brings into the clip.
  const TRect needed{clip.Left - high.X, clip.Top - high.Y, clip.Right - low.X, clip.Bottom - low.Y};
  const TTextCoverage coverage(canvas, needed.Intersect(InkBound(canvas, output, first)),
                               [&](TCanvas& scratch) { output(scratch, first); });
  for (size_t i = 0; i < plan.Passes.size(); ++i) {
    canvas.Font().SetColor(plan.Passes[i].Color);
    coverage.Blend(*canvas.Surface(), clip, offsets[i], plan.Passes[i].Color);
  }
}

bool BlendsExtrusion(const TCanvas& canvas, TLMDThreeDStyle style, const TFxPlan& plan) {
  return (style == tdExtrude || style == tdExtrudeEnh) && plan.Passes.size() > 1 && canvas.HandleAllocated() &&
         !canvas.Surface()->Monochrome();
}

}  // namespace

void DrawFxText(TCanvas& canvas, const QString& text, const TLMD3DCaption* caption, const TRect& rect, uint32_t format,
                FxDrawFlags flags, const std::optional<TRect>& clipRect) {
  if (text.isEmpty() || rect.IsEmpty()) return;
  if (caption == nullptr) {
    TRect box = rect;
    canvas.DrawTextEx(text, box, format);
    return;
  }
  const auto* fx = dynamic_cast<const TLMDFxCaption*>(caption);
  const bool rotated = fx != nullptr && fx->Angle() != 0;
  const TFxDeviceState state(canvas, flags & FxDrawFlagBit(fxdClip) ? clipRect.value_or(rect) : std::optional<TRect>(),
                             caption->Tracing());
  const TFxLook look = ChooseFxLook(*caption, flags, canvas.Brush().Color(), canvas.Font().Color());
  if (rotated) {
    TLogFont logFont = canvas.Font().Handle();
    logFont.Escapement = RotationDegrees(fx->Angle()) * 10;
    canvas.Font().SetHandle(logFont);
  }
  TRect r = rect;
  if (fx != nullptr) {
    r.Left += fx->PosX();
    r.Top += fx->PosY();
  }
  const TFxPlan plan = PlanFxPasses(*caption, look);
  r = r.Offset(plan.Start.X, plan.Start.Y);
  r.Right -= plan.RightReduction;
  canvas.Brush().SetStyle(bsClear);
  const TFxOutput output{text, format, rotated};
  if (plan.Outline)
    DrawOutline(canvas, output, r, plan);
  else if (BlendsExtrusion(canvas, look.Style, plan))
    DrawExtrusion(canvas, output, r, plan);
  else
    DrawPasses(canvas, output, r, plan);
}
