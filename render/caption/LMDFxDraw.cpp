// DrawFxText: the passes of an effect, each one output of the text. The
// copies of an extrusion differ only in place and colour, so the canvas
// rasterises the text once and blends its kept coverage for the others.
#include <QString>

#include "render/caption/LMDFXCaption.h"
#include "render/caption/LMDFxText.h"
#include "toolkit/canvas/Canvas.h"

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
  else
    DrawPasses(canvas, output, r, plan);
}
