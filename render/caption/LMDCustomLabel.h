#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "render/caption/LMDBevel.h"
#include "render/caption/LMDFXCaption.h"
#include "toolkit/Alignment.h"
#include "toolkit/windowless/LMDBaseGraphicControl.h"
#include "toolkit/windowless/WinControl.h"

enum TLMDLabelOption : uint8_t { loPathEllipsis, loEndEllipsis, loEditControl };
using TLMDLabelOptions = uint8_t;  // bit n for the option of ordinal n
constexpr TLMDLabelOptions LabelOptionBit(TLMDLabelOption option) {
  return static_cast<TLMDLabelOptions>(1u << option);
}

// The DrawText alignment of a placement and the DrawText flags of a set of
// label options.
uint32_t AlignmentDrawFlags(TLMDAlignment alignment);
uint32_t OptionDrawFlags(TLMDLabelOptions options);

// Tells whether the font a canvas has is a scalable outline font. The label
// takes it as a dependency, since no machine the tests run on has a face
// that is not one.
using TTrueTypeTest = std::function<bool(TCanvas& canvas)>;

// A windowless text control: its caption laid out by Alignment, MultiLine,
// ShowAccelChar and Options, sizing itself to the text when AutoSize is on,
// and handing the keyboard focus to FocusControl on its accelerator key.
// Changes reach the label's virtual operations below, which the concrete
// labels define.
class TLMDBaseLabel : public TLMDBaseGraphicControl {
 public:
  QString ClassName() const override { return QStringLiteral("TLMDBaseLabel"); }

  TLMDAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLMDAlignment alignment);
  // Switching it on sizes the label at once; nothing is repainted for it.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  // Repaints only: the size follows at the next size computation.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool showAccelChar);
  TLMDLabelOptions Options() const { return options_; }
  void SetOptions(TLMDLabelOptions options);
  // Forgotten when that control is destroyed.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  // A change of a property or of an owned object: size, then repaint.
  virtual void PropertyChanged(const void* sender);
  // Nothing to draw at all.
  virtual bool IsBlank() const { return Transparent() && Caption().isEmpty(); }
  // The text to draw.
  virtual QString DisplayText() const { return Caption(); }
  // The font or the caption effect changed (Sender is the object that did).
  virtual void FontChanged(const void* sender) { PropertyChanged(sender); }
  // Takes the size the text needs, when AutoSize is on.
  virtual void UpdateAutoSize() {}

 protected:
  void CMTextChanged() override;
  void CMFontChanged() override;
  bool CMDialogChar(QChar key) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The canvas takes the font, then the size follows.
  void Loaded() override;

 private:
  TLMDAlignment alignment_ = agTopLeft;
  bool autoSize_ = true;
  bool multiLine_ = false;
  bool showAccelChar_ = true;
  TLMDLabelOptions options_ = 0;
  TWinControl* focusControl_ = nullptr;
};

// The label with a frame (Bevel) and a three-dimensional, possibly rotated
// caption effect (FontFX), drawn straight onto its surface. A rotation on
// a face that is not TrueType switches the face to "Arial"; choosing such
// a face for rotated text cancels the rotation.
class TLMDCustomLabel : public TLMDBaseLabel {
 public:
  // An empty TrueTypeTest asks the canvas.
  explicit TLMDCustomLabel(TTrueTypeTest trueTypeTest = {});
  // Clears the owned objects' callbacks before they go.
  ~TLMDCustomLabel() override;
  QString ClassName() const override { return QStringLiteral("TLMDCustomLabel"); }

  // Owned; setting copies into the owned object.
  TLMDBevel& Bevel() { return *bevel_; }
  const TLMDBevel& Bevel() const { return *bevel_; }
  void SetBevel(const TLMDBevel& bevel) { bevel_->CopyFrom(&bevel); }
  TLMDFxCaption& FontFX() { return *fontFX_; }
  const TLMDFxCaption& FontFX() const { return *fontFX_; }
  void SetFontFX(const TLMDFxCaption& fontFX) { fontFX_->CopyFrom(&fontFX); }

  bool IsBlank() const override;
  void FontChanged(const void* sender) override;
  void UpdateAutoSize() override;

 protected:
  // The plain paint: frame, then the effect passes onto the surface.
  void Paint() override;
  // An opaque label first fills its client area with Color.
  void PaintColorUnlessTransparent();
  // Where a label that does not size itself places its text inside Rect;
  // Format gains DT_SINGLELINE for rotated and for single-line text.
  TRect PlaceText(const QString& text, const TRect& rect, uint32_t& format) const;
  // The frame's rings take no colour when the label's colour would show
  // there anyway.
  bool SkipBevelBorder() const { return bevel_->BorderColor() == Color() || Transparent(); }
  void ClearOwnedCallbacks();

 private:
  TTrueTypeTest trueTypeTest_;
  std::unique_ptr<TLMDBevel> bevel_;
  std::unique_ptr<TLMDFxCaption> fontFX_;
};
