#pragma once
#include <memory>

#include "render/caption/LMDBevel.h"
#include "render/fill/LMDFillCaption.h"
#include "render/fill/LMDFillObject.h"
#include "toolkit/Palette.h"
#include "toolkit/windowless/LMDBaseGraphicControl.h"

// A windowless control with a frame. Changes of the frame reach Change.
class TLMDGraphicControl : public TLMDBaseGraphicControl {
 public:
  TLMDGraphicControl();
  ~TLMDGraphicControl() override;
  QString ClassName() const override { return QStringLiteral("TLMDGraphicControl"); }

  // Owned; setting copies into the owned object.
  TLMDBevel& Bevel() { return *bevel_; }
  const TLMDBevel& Bevel() const { return *bevel_; }
  void SetBevel(const TLMDBevel& bevel) { bevel_->CopyFrom(&bevel); }

 protected:
  // An owned object changed.
  virtual void Change(const TLMDObject* sender) { RepaintControl(); }

 private:
  std::unique_ptr<TLMDBevel> bevel_;
};

// Shows a fill inside its frame, with a caption over it: the control panel's
// fill preview and its hatched page backgrounds. It is transparent exactly
// when its fill leaves pixels unpainted.
class TLMDFill : public TLMDGraphicControl {
 public:
  TLMDFill();
  ~TLMDFill() override;
  QString ClassName() const override { return QStringLiteral("TLMDFill"); }

  // Owned; setting copies into the owned object.
  TLMDCaption& Caption() { return *caption_; }
  const TLMDCaption& Caption() const { return *caption_; }
  void SetCaption(const TLMDCaption& caption) { caption_->CopyFrom(&caption); }
  TLMDFillObject& FillObject() { return *fillObject_; }
  const TLMDFillObject& FillObject() const { return *fillObject_; }
  void SetFillObject(const TLMDFillObject& fill) { fillObject_->CopyFrom(&fill); }

  // No fill, no frame and no caption text.
  bool IsBlank() const;
  // The fill's palette while the control is opaque.
  HPALETTE Palette() const;

 protected:
  void Paint() override;
  void Change(const TLMDObject* sender) override;
  void ImageListChanged() override;

 private:
  std::unique_ptr<TLMDCaption> caption_;
  std::unique_ptr<TLMDFillObject> fillObject_;
};

// Gives Fill the picture Control's image list holds at its list and image
// index, or an empty one when it has no image list.
void LoadListPicture(TLMDFillObject& fill, const TLMDBaseControl& control);
