#include "render/fill/LMDShapeFill.h"

TLMDShapeFill::TLMDShapeFill()
    : bitmap_(std::make_unique<TBitmap>()),
      gradient_(std::make_unique<TLMDGradient>()),
      listPicture_(std::make_unique<TBitmap>()) {
  bitmap_->OnChange = [this](TGraphic*) { ChildChanged(); };
  gradient_->OnChange = [this](TLMDObject*) { ChildChanged(); };
}

TLMDShapeFill::~TLMDShapeFill() {
  bitmap_->OnChange = nullptr;
  gradient_->OnChange = nullptr;
}

void TLMDShapeFill::SetStyle(TLMDFillStyle value) {
  if (Store(style_, value)) NotifyChange();
}

void TLMDShapeFill::SetTileMode(TLMDTileMode value) {
  if (Store(tileMode_, value)) NotifyChange();
}

bool TLMDShapeFill::IsEmpty() const {
  switch (style_) {
    case sfNone: return true;
    case sfBitmap:
    case sfBitmapList: return StylePicture().Empty();
    default: return false;
  }
}

HPALETTE TLMDShapeFill::FillPalette() const {
  switch (style_) {
    case sfBrushBitmap:
    case sfBitmap:
    case sfBitmapList: return StylePicture().Palette();
    case sfGradient: return gradient_->PaletteHandle();
    default: return {};
  }
}

void TLMDShapeFill::CopyFrom(const TLMDObject* source) {
  if (source == this) return;
  const auto* fill = dynamic_cast<const TLMDShapeFill*>(source);
  if (fill == nullptr) RefuseSource(source);
  HoldChanges();
  bitmap_->Assign(*fill->bitmap_);
  listPicture_->Assign(*fill->listPicture_);
  gradient_->CopyFrom(fill->gradient_.get());
  SetStyle(fill->style_);
  SetTileMode(fill->tileMode_);
  ReleaseChanges(true);
}
