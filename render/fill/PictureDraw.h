#pragma once
#include <cstddef>

#include "pictures/Bitmap.h"
#include "render/fill/DrawFlags.h"
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"
#include "toolkit/Palette.h"
#include "toolkit/canvas/Canvas.h"

// What DrawPictureRect masks with: the caller's mask canvas for pdfMasked, or
// the picture whose transparent colour pdfBrushCopy replaces by the brush.
struct TMaskOrPicture {
  TMaskOrPicture() = default;
  TMaskOrPicture(std::nullptr_t) {}
  TMaskOrPicture(const TCanvas* mask) : Mask(mask) {}
  TMaskOrPicture(const TBitmap* picture) : Picture(picture) {}
  const TCanvas* Mask = nullptr;
  const TBitmap* Picture = nullptr;
};

// Draws the whole Picture into Rect of Canvas by Flags (placement: natural
// size at the top-left, pdfCenter, pdfStretch with pdfKeepWidth/pdfKeepHeight,
// pdfTile; drawing: plain copy, pdfBrushCopy with Color as the brush colour,
// or pdfKeyColorMask with Color as the key). With pdfPalette the picture's
// palette is selected into Canvas first and stays selected.
void DrawPicture(TCanvas& canvas, const TRect& rect, TBitmap& picture, TColor color, PictureDrawFlags flags);

// The general form: SourceRect of SourceCanvas into Rect. MaskOrPicture is
// the mask for pdfMasked (white keeps the destination, black takes the
// image, which must be black where the mask is white) or the picture for
// pdfBrushCopy; Palette goes to the temporary image of pdfKeyColorMask; Color
// is the key colour or the brush colour. Tiles reach past Rect: callers clip.
// The copy mode and the text and background colours of Canvas are restored.
void DrawPictureRect(TCanvas& canvas, const TRect& rect, const TCanvas& sourceCanvas, TMaskOrPicture maskOrPicture,
                     const HPALETTE& palette, TColor color, PictureDrawFlags flags, const TRect& sourceRect);

// Copies SourceRect of SourceCanvas into Image and into Mask (both its size),
// turns Mask into a monochrome mask white where the pixel is KeyColor and
// blackens those pixels in Image. Mask may be the source's own bitmap.
void MakeColorMask(const TCanvas& sourceCanvas, const TRect& sourceRect, TBitmap& mask, TBitmap& image,
                   TColor keyColor);

// Transparent copy into Box: Canvas AND mask, then OR image, both taken from
// Source. With Canvas's background white and text black a monochrome mask
// keeps the destination where it is white. Restores the copy mode.
void MaskBlit(TCanvas& canvas, const TRect& box, const TCanvas& maskCanvas, const TCanvas& imageCanvas,
              const TRect& source);
