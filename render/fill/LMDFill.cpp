#include "render/fill/LMDFill.h"

#include "toolkit/Exceptions.h"

// TLMDGraphicControl

TLMDGraphicControl::TLMDGraphicControl() : bevel_(std::make_unique<TLMDBevel>()) {
  bevel_->OnChange = [this](TLMDObject* sender) { Change(sender); };
}

TLMDGraphicControl::~TLMDGraphicControl() { bevel_->OnChange = nullptr; }

// TLMDFill

TLMDFill::TLMDFill() : caption_(std::make_unique<TLMDCaption>()), fillObject_(std::make_unique<TLMDFillObject>()) {
  caption_->OnChange = [this](TLMDObject* sender) { Change(sender); };
  fillObject_->OnChange = [this](TLMDObject* sender) { Change(sender); };
}

TLMDFill::~TLMDFill() {
  caption_->OnChange = nullptr;
  fillObject_->OnChange = nullptr;
  Bevel().OnChange = nullptr;
}

bool TLMDFill::IsBlank() const {
  return fillObject_->IsEmpty() && Bevel().Extent() == 0 && caption_->Caption().isEmpty();
}

HPALETTE TLMDFill::Palette() const { return Transparent() ? HPALETTE() : fillObject_->FillPalette(); }

void TLMDFill::Change(const TLMDObject* sender) {
  if (sender == fillObject_.get()) SetTransparent(fillObject_->IsTransparent());
  RepaintControl();
}

void TLMDFill::ImageListChanged() {
  LoadListPicture(*fillObject_, *this);
}

void TLMDFill::Paint() {
  if (Loading() || IsBlank()) return;
  try {
    TCanvas& canvas = Canvas();
    const TRect inner = Bevel().DrawBevel(canvas, ClientRect(), Transparent());
    // The fill's clip region is in device coordinates: it needs the
    // control's place on its parent, packed as 16 + 16 bits.
    const uint32_t origin = static_cast<uint16_t>(Left()) | static_cast<uint32_t>(static_cast<uint16_t>(Top())) << 16;
    fillObject_->PaintRectClipped(canvas, inner, origin, Color());
    caption_->Draw(canvas, inner, Enabled(), inner.Offset(Left(), Top()));
  } catch (const Exception&) {
    // A failing paint leaves what it drew so far, as the framework's
    // paint did; the next repaint tries again.
  }
}

void LoadListPicture(TLMDFillObject& fill, const TLMDBaseControl& control) {
  TBitmap picture;
  if (const TCustomImageList* list = control.ImageList()) {
    const TSurface pixels = list->Picture(control.ListIndex(), control.ImageIndex());
    picture.SetSize(pixels.Width(), pixels.Height());
    TSurface source = pixels;
    TCanvas from(&source);
    picture.Canvas().CopyRect(source.Bounds(), from, source.Bounds());
  }
  fill.ListPicture().Assign(picture);
}
