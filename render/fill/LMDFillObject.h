#pragma once
#include <QString>
#include <cstdint>
#include <memory>

#include "render/fill/LMDShapeFill.h"
#include "toolkit/Alignment.h"
#include "toolkit/Brush.h"
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/canvas/Canvas.h"

enum TLMDFillOption : uint8_t { foFillInner, foQuickDraw, foGrUseBitmap };
using TLMDFillOptions = uint8_t;  // bit n for the option of ordinal n
constexpr TLMDFillOptions FillOptionBit(TLMDFillOption option) { return static_cast<TLMDFillOptions>(1u << option); }

// How an area is filled, and the painting of it: nothing, a brush, a picture
// placed, centred, stretched or tiled, or a gradient. Options: foFillInner
// fills the rectangle with the paint call's colour where a picture leaves
// it uncovered (or is empty); foQuickDraw skips selecting the picture's
// palette; foGrUseBitmap paints gradients off-screen and unclipped.
class TLMDFillObject : public TLMDShapeFill {
 public:
  TLMDFillObject();
  ~TLMDFillObject() override;

  QString ClassName() const override { return QStringLiteral("TLMDFillObject"); }

  // Place and shift of a picture at natural size (tmNone); they notify only
  // while they show (sfBitmap or sfBitmapList with tmNone).
  TLMDAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLMDAlignment value);
  int32_t OffsetX() const { return offsetX_; }
  void SetOffsetX(int32_t value);
  int32_t OffsetY() const { return offsetY_; }
  void SetOffsetY(int32_t value);
  // The brush of sfBrush; setting copies.
  TBrush& Brush() { return *brush_; }
  const TBrush& Brush() const { return *brush_; }
  void SetBrush(const TBrush& value) { brush_->Assign(value); }
  TLMDFillOptions Options() const { return options_; }
  void SetOptions(TLMDFillOptions value);
  bool HasOption(TLMDFillOption option) const { return (options_ & FillOptionBit(option)) != 0; }

  // True when painting leaves pixels of the rectangle as they were.
  bool IsTransparent() const;

  // Copies everything but Alignment, OffsetX and OffsetY from another fill
  // object (a plain shape fill copies as the base class), notifying once.
  void CopyFrom(const TLMDObject* source) override;

  // Paints the fill into Rect; Color is the background of foFillInner.
  // Returns whether the fill painted (false for sfNone and empty pictures).
  bool PaintRect(TCanvas& canvas, const TRect& rect, TColor color);
  // PaintRect inside a clip region of Rect moved by Origin (x in the low 16
  // bits, y in the high 16 bits; 0 for none) into device coordinates. The
  // canvas is left without any clip region. Off-screen gradients need no clip.
  void PaintRectClipped(TCanvas& canvas, const TRect& rect, uint32_t origin, TColor color);

 private:
  // Alignment and offsets show only for a picture at natural size.
  bool PlacementShows() const;
  void FillInner(TCanvas& canvas, const TRect& rect, TColor color) const;
  bool PaintPicture(TCanvas& canvas, const TRect& rect, TColor color);
  void PaintBrushBitmap(TCanvas& canvas, const TRect& rect);

  TLMDAlignment alignment_ = agTopLeft;
  std::unique_ptr<TBrush> brush_;
  int32_t offsetX_ = 0;
  int32_t offsetY_ = 0;
  TLMDFillOptions options_ = FillOptionBit(foFillInner) | FillOptionBit(foGrUseBitmap);
};
