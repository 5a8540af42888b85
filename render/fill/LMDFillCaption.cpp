#include "render/fill/LMDFillCaption.h"

#include "render/caption/LMDCustomLabel.h"
#include "render/caption/LMDFxText.h"

TLMDCaption::TLMDCaption() : font_(std::make_unique<TFont>()), fontFX_(std::make_unique<TLMDFxCaption>()) {
  font_->OnChange = [this] { NotifyChange(); };
  fontFX_->OnChange = [this](TLMDObject*) { NotifyChange(); };
}

TLMDCaption::~TLMDCaption() {
  font_->OnChange = nullptr;
  fontFX_->OnChange = nullptr;
}

void TLMDCaption::SetCaption(const QString& caption) {
  if (Store(caption_, caption)) NotifyChange();
}

void TLMDCaption::SetAlignment(TLMDAlignment alignment) {
  if (Store(alignment_, alignment)) NotifyChange();
}

void TLMDCaption::SetMultiLine(bool multiLine) {
  if (Store(multiLine_, multiLine)) NotifyChange();
}

void TLMDCaption::CopyFrom(const TLMDObject* source) {
  if (source == this) return;
  const auto* other = dynamic_cast<const TLMDCaption*>(source);
  if (!other) RefuseSource(source);
  HoldChanges();
  caption_ = other->caption_;
  font_->Assign(*other->font_);
  fontFX_->CopyFrom(other->fontFX_.get());
  alignment_ = other->alignment_;
  multiLine_ = other->multiLine_;
  ReleaseChanges(true);
}

void TLMDCaption::Draw(TCanvas& canvas, const TRect& rect, bool enabled, const TRect& clip) const {
  if (caption_.isEmpty()) return;
  canvas.SetFont(*font_);
  canvas.Brush().SetStyle(bsClear);
  const uint32_t format = AlignmentDrawFlags(alignment_) | DT_EXPANDTABS | (multiLine_ ? DT_WORDBREAK : DT_SINGLELINE);
  const FxDrawFlags flags = FxDrawFlagBit(enabled ? fxdEnabled : fxdDisabled) | FxDrawFlagBit(fxdClip);
  DrawFxText(canvas, caption_, fontFX_.get(), rect, format, flags, clip);
}
