#include "render/fill/LMDGradient.h"

#include <memory>

#include "toolkit/IntMath.h"

namespace {

// Start's channel moved n of Steps steps toward Stop's. A one-entry segment
// has no steps and is Start itself.
int32_t RampChannel(uint8_t start, uint8_t stop, int32_t n, int32_t steps) {
  const int32_t offset = steps == 0 ? 0 : MulDiv(n, stop - start, steps);
  return (start + offset) & 0xFF;
}

}  // namespace

void AppendRamp(TColor start, TColor stop, int32_t count, bool first, std::vector<TColor>* list) {
  if (list == nullptr || count == 0) return;
  if (first) list->clear();
  const TColor from = ColorToRGB(start);
  const TColor to = ColorToRGB(stop);
  const int32_t steps = count - 1;
  for (int32_t n = first ? 0 : 1; n < count; ++n) {
    list->push_back(RGB(RampChannel(GetRValue(from), GetRValue(to), n, steps),
                        RampChannel(GetGValue(from), GetGValue(to), n, steps),
                        RampChannel(GetBValue(from), GetBValue(to), n, steps)));
  }
}

HPALETTE CreateRampPalette(const std::vector<TColor>* list) {
  if (list == nullptr || list->empty()) return {};
  auto palette = std::make_shared<TLogPalette>();
  palette->Entries.reserve(list->size());
  for (const TColor color : *list) palette->Entries.push_back(qRgb(GetRValue(color), GetGValue(color), GetBValue(color)));
  return palette;
}

TLMDGradient::TLMDGradient() { BuildRamp(); }

TLMDGradient::~TLMDGradient() { FreePalette(); }

void TLMDGradient::SetColor(TColor value) {
  if (Store(color_, value)) NotifyChange();
}

void TLMDGradient::SetColorCount(int32_t value) {
  const auto count = static_cast<TLMDColorCount>(value);
  if (Store(colorCount_, count)) NotifyChange();
}

void TLMDGradient::SetStyle(TLMDGradientStyle value) {
  if (Store(style_, value)) NotifyChange();
}

void TLMDGradient::SetEndColor(TColor value) {
  if (Store(endColor_, value)) NotifyChange();
}

void TLMDGradient::SetPaletteRealize(bool value) {
  if (Store(paletteRealize_, value)) NotifyChange();
}

void TLMDGradient::SetTwoColors(bool value) {
  if (Store(twoColors_, value)) NotifyChange();
}

void TLMDGradient::NotifyChange() {
  BuildRamp();
  TLMDObject::NotifyChange();
}

void TLMDGradient::BuildRamp() {
  FreePalette();
  if (twoColors_) {
    AppendRamp(color_, endColor_, colorCount_, true, &rampColors_);
  } else if (colorList_.size() >= 2) {
    // The budget is shared by the colours, not by the segments between them.
    const int32_t k = colorCount_ / static_cast<int32_t>(colorList_.size());
    for (size_t i = 0; i + 1 < colorList_.size(); ++i) AppendRamp(colorList_[i], colorList_[i + 1], k, i == 0, &rampColors_);
  }
  if (paletteRealize_) palette_ = CreateRampPalette(&rampColors_);
}

void TLMDGradient::FreePalette() {
  palette_.reset();
  rampColors_.clear();
}

void TLMDGradient::CopyFrom(const TLMDObject* source) {
  if (source == this) return;
  const auto* gradient = dynamic_cast<const TLMDGradient*>(source);
  if (gradient == nullptr) RefuseSource(source);
  HoldChanges();
  SetColorCount(gradient->ColorCount());
  SetColor(gradient->Color());
  SetStyle(gradient->Style());
  SetEndColor(gradient->EndColor());
  SetPaletteRealize(gradient->PaletteRealize());
  SetTwoColors(gradient->TwoColors());
  colorList_ = gradient->colorList_;
  ReleaseChanges(true);
}

std::optional<std::vector<int32_t>> TLMDGradient::StoredColorList() const {
  if (colorList_.empty()) return std::nullopt;
  return std::vector<int32_t>(colorList_.begin(), colorList_.end());
}

void TLMDGradient::ReadColorList(const std::vector<int32_t>& values) {
  HoldChanges();
  colorList_.insert(colorList_.end(), values.begin(), values.end());
  ReleaseChanges(true);
}
