#include "render/caption/LMDCustomLabel.h"

#include "render/caption/LMDFxText.h"

uint32_t AlignmentDrawFlags(TLMDAlignment alignment) {
  static constexpr uint32_t kRows[3] = {0, DT_VCENTER, DT_BOTTOM};
  static constexpr uint32_t kColumns[3] = {0, DT_CENTER, DT_RIGHT};
  return kRows[alignment / 3] | kColumns[alignment % 3];
}

uint32_t OptionDrawFlags(TLMDLabelOptions options) {
  uint32_t flags = 0;
  if (options & LabelOptionBit(loPathEllipsis)) flags |= DT_PATH_ELLIPSIS;
  if (options & LabelOptionBit(loEndEllipsis)) flags |= DT_END_ELLIPSIS;
  if (options & LabelOptionBit(loEditControl)) flags |= DT_EDITCONTROL;
  return flags;
}

// TLMDBaseLabel

void TLMDBaseLabel::SetAlignment(TLMDAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  PropertyChanged(this);
}

void TLMDBaseLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  UpdateAutoSize();
}

void TLMDBaseLabel::SetMultiLine(bool multiLine) {
  if (multiLine == multiLine_) return;
  multiLine_ = multiLine;
  PropertyChanged(this);
}

void TLMDBaseLabel::SetShowAccelChar(bool showAccelChar) {
  if (showAccelChar == showAccelChar_) return;
  showAccelChar_ = showAccelChar;
  RepaintControl();
}

void TLMDBaseLabel::SetOptions(TLMDLabelOptions options) {
  if (options == options_) return;
  options_ = options;
  PropertyChanged(this);
}

void TLMDBaseLabel::SetFocusControl(TWinControl* control) {
  if (control == focusControl_) return;
  if (focusControl_) RemoveFreeNotification(focusControl_);
  focusControl_ = control;
  if (focusControl_) FreeNotification(focusControl_);
}

void TLMDBaseLabel::PropertyChanged(const void* /*sender*/) {
  UpdateAutoSize();
  RepaintControl();
}

void TLMDBaseLabel::CMTextChanged() {
  UpdateAutoSize();
  RepaintControl();
}

void TLMDBaseLabel::CMFontChanged() {
  TLMDBaseGraphicControl::CMFontChanged();
  FontChanged(&Font());
}

bool TLMDBaseLabel::CMDialogChar(QChar key) {
  if (!focusControl_ || !Enabled() || !showAccelChar_ || !IsAccel(key, Caption())) return false;
  if (!focusControl_->CanFocus()) return false;
  focusControl_->SetFocus();
  return true;
}

void TLMDBaseLabel::Notification(TComponent* component, TOperation operation) {
  TLMDBaseGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TLMDBaseLabel::Loaded() {
  TLMDBaseGraphicControl::Loaded();
  Canvas().SetFont(Font());
  UpdateAutoSize();
}

// TLMDCustomLabel

TLMDCustomLabel::TLMDCustomLabel(TTrueTypeTest trueTypeTest)
    : trueTypeTest_(trueTypeTest ? std::move(trueTypeTest)
                                 : [](TCanvas& canvas) { return IsTrueTypeFont(canvas); }),
      bevel_(std::make_unique<TLMDBevel>()),
      fontFX_(std::make_unique<TLMDFxCaption>()) {
  bevel_->OnChange = [this](TLMDObject* sender) { PropertyChanged(sender); };
  fontFX_->OnChange = [this](TLMDObject* sender) { FontChanged(sender); };
}

TLMDCustomLabel::~TLMDCustomLabel() { ClearOwnedCallbacks(); }

void TLMDCustomLabel::ClearOwnedCallbacks() {
  bevel_->OnChange = nullptr;
  fontFX_->OnChange = nullptr;
}

bool TLMDCustomLabel::IsBlank() const { return TLMDBaseLabel::IsBlank() && bevel_->Extent() == 0; }

void TLMDCustomLabel::FontChanged(const void* sender) {
  if (Loading()) return;
  if (sender == &Font()) SetParentFont(false);
  // Also drops a rotated font handle an earlier paint left.
  Canvas().SetFont(Font());
  if (fontFX_->Angle() != 0 && !trueTypeTest_(Canvas())) {
    if (sender == fontFX_.get()) {
      // The face change comes back here with the font as sender.
      Font().SetName(QStringLiteral("Arial"));
      return;
    }
    if (sender == &Font()) fontFX_->SetAngle(0);
  }
  PropertyChanged(sender);
}

void TLMDCustomLabel::UpdateAutoSize() {
  if (!AutoSize() || Loading()) return;
  TRect rect = ClientRect();
  const uint32_t format = DrawTextBiDiModeFlags(OptionDrawFlags(Options()));
  CalcFxTextRect(Canvas(), Caption(), fontFX_.get(), rect, Font(), MultiLine(), ShowAccelChar(), bevel_->Extent(),
                 format);
  SetBounds(Left(), Top(), rect.Right, rect.Bottom);
}

void TLMDCustomLabel::PaintColorUnlessTransparent() {
  if (Transparent()) return;
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().FillRect(ClientRect());
}

TRect TLMDCustomLabel::PlaceText(const QString& text, const TRect& rect, uint32_t& format) const {
  if (AutoSize()) return rect;
  const bool rotated = fontFX_->Angle() != 0;
  if (rotated || !MultiLine()) format |= DT_SINGLELINE;
  const bool place = rotated ? Alignment() != agTopLeft : MultiLine() && Alignment() >= agCenterLeft;
  if (!place) return rect;
  return AlignFxTextRect(Alignment(), text, fontFX_.get(), rect, Font(), MultiLine(), ShowAccelChar(), format);
}

void TLMDCustomLabel::Paint() {
  if (Painting() || Loading() || IsBlank()) return;
  const QString text = DisplayText();
  const auto painting = PaintingScope();
  TCanvas& canvas = Canvas();
  PaintColorUnlessTransparent();
  TRect rect = ClientRect();
  FxDrawFlags flags = FxDrawFlagBit(Enabled() ? fxdEnabled : fxdDisabled);
  std::optional<TRect> clip;
  if (bevel_->Extent() != 0) {
    rect = bevel_->DrawBevel(canvas, rect, SkipBevelBorder());
    // The clip rectangle is in the parent's coordinates.
    clip = rect.Offset(Left(), Top());
    flags |= FxDrawFlagBit(fxdClip);
  }
  uint32_t placement = DrawTextBiDiModeFlags(0);
  rect = PlaceText(text, rect, placement);
  const uint32_t format = OptionDrawFlags(Options()) | AlignmentDrawFlags(Alignment()) | placement | DT_EXPANDTABS |
                          DT_WORDBREAK | (ShowAccelChar() ? 0 : DT_NOPREFIX);
  canvas.Brush().SetColor(Color());
  canvas.Font().SetColor(Font().Color());
  DrawFxText(canvas, text, fontFX_.get(), rect, format, flags, clip);
}
