#include "render/caption/LMDCustomLabelFill.h"

#include <algorithm>

#include "render/caption/LMDFxText.h"
#include "render/fill/LMDFill.h"
#include "render/fill/PictureDraw.h"

TLMDCustomLabelFill::TLMDCustomLabelFill(TTrueTypeTest trueTypeTest)
    : TLMDCustomLabel(std::move(trueTypeTest)), fillObject_(std::make_unique<TLMDFillObject>()) {
  fillObject_->OnChange = [this](TLMDObject* sender) { PropertyChanged(sender); };
  const auto painting = PaintingScope();
  Font().SetName(QStringLiteral("Arial"));
  Font().SetSize(28);
}

TLMDCustomLabelFill::~TLMDCustomLabelFill() {
  fillObject_->OnChange = nullptr;
  ClearOwnedCallbacks();
}

void TLMDCustomLabelFill::SetBrushBackColor(TColor color) {
  if (color == brushBackColor_) return;
  brushBackColor_ = color;
  PropertyChanged(this);
}

void TLMDCustomLabelFill::PropertyChanged(const void* sender) {
  if (Loading()) return;
  TLMDCustomLabel::PropertyChanged(sender);
}

void TLMDCustomLabelFill::CMEnabledChanged() {
  TLMDCustomLabel::CMEnabledChanged();
  RepaintControl();
}

void TLMDCustomLabelFill::ImageListChanged() {
  LoadListPicture(*fillObject_, *this);
  if (!Loading() && !Painting()) RepaintControl();
}

void TLMDCustomLabelFill::Paint() {
  if (Painting() || Loading()) return;
  if (fillObject_->IsEmpty() || !Enabled()) {
    TLMDCustomLabel::Paint();
    return;
  }
  const QString text = DisplayText();
  const auto painting = PaintingScope();
  TCanvas& canvas = Canvas();
  PaintColorUnlessTransparent();
  const TRect inner = Bevel().DrawBevel(canvas, ClientRect(), SkipBevelBorder());
  const int32_t width = std::max(inner.Width(), 0);
  const int32_t height = std::max(inner.Height(), 0);
  const TRect whole{0, 0, width, height};

  // The text with its effect passes on a ground of BrushBackColor.
  TBitmap textPicture(width, height);
  TCanvas& textCanvas = textPicture.Canvas();
  textCanvas.Brush().SetColor(brushBackColor_);
  textCanvas.FillRect(whole);
  uint32_t placement = DrawTextBiDiModeFlags(OptionDrawFlags(Options()));
  const TRect textRect = PlaceText(text, whole, placement);
  // Unlike the plain paint, neither the options nor single-line placement
  // reach the drawing.
  const uint32_t format =
      AlignmentDrawFlags(Alignment()) | DT_WORDBREAK | DT_EXPANDTABS | (ShowAccelChar() ? 0 : DT_NOPREFIX);
  textCanvas.Brush().SetColor(Color());
  textCanvas.SetFont(Font());
  DrawFxText(textCanvas, text, &FontFX(), textRect, format, FxDrawFlagBit(fxdEnabled));

  // The fill, white where it paints nothing.
  TBitmap fillPicture(width, height);
  fillObject_->PaintRect(fillPicture.Canvas(), whole,
                         fillObject_->Style() == sfBrush ? brushBackColor_ : Font().Color());

  ComposeFilledText(&canvas, inner, &textPicture, &fillPicture, Font().Color(), brushBackColor_);
}

void ComposeFilledText(TCanvas* canvas, const TRect& destination, TBitmap* text, TBitmap* fill, TColor face,
                       TColor key) {
  if (!canvas || !text || !fill) return;
  face = ColorToRGB(face);
  key = ColorToRGB(key);
  const TRect whole{0, 0, text->Width(), text->Height()};
  // The text becomes the mask of its faces; Rest keeps the other pixels,
  // with the faces black.
  TBitmap rest;
  MakeColorMask(text->Canvas(), whole, *text, rest, face);
  // The fill stays on the faces only, and the other pixels come back.
  DrawPictureRect(fill->Canvas(), whole, rest.Canvas(), &text->Canvas(), nullptr, 0, pdfMasked, whole);
  // Onto the surface, without the ground.
  const TRect target = Bounds(destination.Left, destination.Top, whole.Width(), whole.Height());
  DrawPictureRect(*canvas, target, fill->Canvas(), nullptr, fill->Palette(), key, pdfKeyColorMask | pdfPalette, whole);
}
