#pragma once
#include <memory>

#include "pictures/Bitmap.h"
#include "render/caption/LMDCustomLabel.h"
#include "render/fill/LMDFillObject.h"

// The label whose letter faces are filled by FillObject: the text with its
// effect passes is drawn off-screen on a ground of BrushBackColor, the fill
// goes into exactly the pixels of the font colour, and the result is put
// onto the surface with BrushBackColor left out. A fill that paints
// nothing, or a disabled label, draws plainly. Created with "Arial" 28.
class TLMDCustomLabelFill : public TLMDCustomLabel {
 public:
  explicit TLMDCustomLabelFill(TTrueTypeTest trueTypeTest = {});
  ~TLMDCustomLabelFill() override;
  QString ClassName() const override { return QStringLiteral("TLMDCustomLabelFill"); }

  // The ground of the off-screen text and the colour left transparent; it
  // tints the smoothed rim of the filled letters.
  TColor BrushBackColor() const { return brushBackColor_; }
  void SetBrushBackColor(TColor color);
  // Owned; setting copies into the owned object.
  TLMDFillObject& FillObject() { return *fillObject_; }
  const TLMDFillObject& FillObject() const { return *fillObject_; }
  void SetFillObject(const TLMDFillObject& fill) { fillObject_->CopyFrom(&fill); }

  // Does nothing while the window description is loading.
  void PropertyChanged(const void* sender) override;

 protected:
  void Paint() override;
  void CMEnabledChanged() override;
  void ImageListChanged() override;

 private:
  TColor brushBackColor_ = clBtnFace;
  std::unique_ptr<TLMDFillObject> fillObject_;
};

// Puts Text (a picture of the text on a ground of Key) onto Canvas with
// its top-left at Destination's: the pixels of exactly Face take the pixel
// of Fill (a picture of Text's size) at the same place, pixels of Key are
// left out, all others are copied as they are. Text and Fill are used up.
// Nothing happens when one of the three is missing.
void ComposeFilledText(TCanvas* canvas, const TRect& destination, TBitmap* text, TBitmap* fill, TColor face,
                       TColor key);
