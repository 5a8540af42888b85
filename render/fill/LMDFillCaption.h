#pragma once
#include <QString>
#include <memory>

#include "render/caption/LMDFXCaption.h"
#include "toolkit/Alignment.h"
#include "toolkit/LMDObject.h"
#include "toolkit/canvas/Canvas.h"

// The caption a fill control shows over its fill: a text with its own font
// and caption effect, placed by Alignment. Changes of the font or the
// effect reach the owner as changes of the caption.
class TLMDCaption : public TLMDObject {
 public:
  TLMDCaption();
  ~TLMDCaption() override;
  QString ClassName() const override { return QStringLiteral("TLMDCaption"); }

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // Owned; setting copies into the owned object.
  TFont& Font() { return *font_; }
  const TFont& Font() const { return *font_; }
  void SetFont(const TFont& font) { font_->Assign(font); }
  TLMDFxCaption& FontFX() { return *fontFX_; }
  const TLMDFxCaption& FontFX() const { return *fontFX_; }
  void SetFontFX(const TLMDFxCaption& fontFX) { fontFX_->CopyFrom(&fontFX); }
  TLMDAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLMDAlignment alignment);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);

  // From another caption object: everything, then one notification.
  void CopyFrom(const TLMDObject* source) override;

  // Draws the text into Rect of Canvas in its font and effect, on a clear
  // brush of the canvas's brush colour, clipped to Clip (device coordinates).
  void Draw(TCanvas& canvas, const TRect& rect, bool enabled, const TRect& clip) const;

 private:
  QString caption_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TLMDFxCaption> fontFX_;
  TLMDAlignment alignment_ = agCenter;
  bool multiLine_ = false;
};
