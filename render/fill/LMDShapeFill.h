#pragma once
#include <QString>
#include <cstdint>
#include <memory>

#include "pictures/Bitmap.h"
#include "render/fill/LMDGradient.h"
#include "toolkit/LMDObject.h"
#include "toolkit/Palette.h"

// What an area is filled with.
enum TLMDFillStyle : uint8_t { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };

// How a picture is placed.
enum TLMDTileMode : uint8_t { tmNone, tmCenter, tmStretch, tmTile };

// The part of a fill shared by shape-filling controls: the pictures, the
// gradient, the style and the tile mode. A change of the owned picture or
// gradient reaches the owner as one change of the fill.
class TLMDShapeFill : public TLMDObject {
 public:
  TLMDShapeFill();
  ~TLMDShapeFill() override;

  QString ClassName() const override { return QStringLiteral("TLMDShapeFill"); }

  // The picture of sfBitmap and the pattern of sfBrushBitmap; setting copies.
  TBitmap& Bitmap() { return *bitmap_; }
  const TBitmap& Bitmap() const { return *bitmap_; }
  void SetBitmap(const TBitmap& value) { bitmap_->Assign(value); }
  TLMDFillStyle Style() const { return style_; }
  void SetStyle(TLMDFillStyle value);
  // Setting copies into the owned gradient.
  TLMDGradient& Gradient() { return *gradient_; }
  const TLMDGradient& Gradient() const { return *gradient_; }
  void SetGradient(const TLMDGradient& value) { gradient_->CopyFrom(&value); }
  TLMDTileMode TileMode() const { return tileMode_; }
  void SetTileMode(TLMDTileMode value);

  // The picture of sfBitmapList, filled by the owner from an image list;
  // its changes are not reported.
  TBitmap& ListPicture() { return *listPicture_; }
  const TBitmap& ListPicture() const { return *listPicture_; }

  // True when the fill would paint nothing: sfNone, or the picture of
  // sfBitmap or sfBitmapList is empty.
  bool IsEmpty() const;
  // The palette the fill paints with, or none.
  HPALETTE FillPalette() const;

  // Copies pictures, gradient, style and tile mode of any shape fill,
  // notifying once.
  void CopyFrom(const TLMDObject* source) override;

 protected:
  // A change of an owned object is a change of the fill.
  void ChildChanged() { NotifyChange(); }
  // The picture sfBitmap or sfBitmapList shows.
  const TBitmap& StylePicture() const { return style_ == sfBitmapList ? *listPicture_ : *bitmap_; }

 private:
  std::unique_ptr<TBitmap> bitmap_;
  std::unique_ptr<TLMDGradient> gradient_;
  std::unique_ptr<TBitmap> listPicture_;
  TLMDFillStyle style_ = sfBrush;
  TLMDTileMode tileMode_ = tmTile;
};
