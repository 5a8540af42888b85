#include "render/fill/PictureDraw.h"

#include <algorithm>

#include "toolkit/IntMath.h"

namespace {

// Keeps a canvas's copy mode and its monochrome colours across a masked
// drawing, restoring them on every exit.
class TCopyStateGuard {
 public:
  explicit TCopyStateGuard(TCanvas& canvas)
      : canvas_(canvas), mode_(canvas.CopyMode()), text_(canvas.TextColor()), background_(canvas.BkColor()) {}
  ~TCopyStateGuard() {
    canvas_.SetCopyMode(mode_);
    canvas_.SetTextColor(text_);
    canvas_.SetBkColor(background_);
  }
  TCopyStateGuard(const TCopyStateGuard&) = delete;
  TCopyStateGuard& operator=(const TCopyStateGuard&) = delete;

 private:
  TCanvas& canvas_;
  TCopyMode mode_;
  TColor text_;
  TColor background_;
};

// Where a W x H picture goes in Rect: one box, or a grid of boxes of its size
// from Rect's top-left corner, Columns + 1 across and Rows + 1 down.
struct TPlacement {
  TRect Box;
  bool Tiled = false;
  int32_t Columns = 0;
  int32_t Rows = 0;
};

// Later flags override earlier ones: centre, then stretch, then tile.
TPlacement Place(const TRect& rect, int32_t w, int32_t h, PictureDrawFlags flags) {
  const int32_t rw = rect.Width();
  const int32_t rh = rect.Height();
  TPlacement placement{Bounds(rect.Left, rect.Top, w, h)};
  if (flags & pdfCenter) placement.Box = Bounds(rect.Left + (rw - w) / 2, rect.Top + (rh - h) / 2, w, h);
  if (flags & pdfStretch) {
    const bool keepWidth = (flags & pdfKeepWidth) != 0;
    const bool keepHeight = (flags & pdfKeepHeight) != 0;
    int32_t bw = rw;
    int32_t bh = rh;
    if (keepWidth && keepHeight) {
      const double scale = std::min(static_cast<double>(rw) / w, static_cast<double>(rh) / h);
      bw = static_cast<int32_t>(Trunc(w * scale));
      bh = static_cast<int32_t>(Trunc(h * scale));
    } else if (keepWidth) {
      bh = static_cast<int32_t>(Round(static_cast<double>(rw) / w * h));
    } else if (keepHeight) {
      bw = static_cast<int32_t>(Round(static_cast<double>(rh) / h * w));
    }
    placement.Box = Bounds(rect.Left, rect.Top, bw, bh);
  }
  if (flags & pdfTile) {
    placement.Tiled = true;
    placement.Columns = rw / w + 1;
    placement.Rows = rh / h + 1;
  }
  return placement;
}

// Calls Draw for the single box or for every tile, row by row, left to right.
template <typename Draw>
void ForEachBox(const TPlacement& placement, Draw draw) {
  if (!placement.Tiled) {
    draw(placement.Box);
    return;
  }
  const TRect& tile = placement.Box;
  for (int32_t r = 0; r <= placement.Rows; ++r)
    for (int32_t c = 0; c <= placement.Columns; ++c)
      draw(tile.Offset(c * tile.Width(), r * tile.Height()));
}

// Makes Target a colour picture holding SourceRect of Source.
void CopyInto(TBitmap& target, const TCanvas& source, const TRect& sourceRect) {
  target.SetMonochrome(false);
  target.SetHeight(sourceRect.Height());
  target.SetWidth(sourceRect.Width());
  TCopyStateGuard guard(target.Canvas());
  target.Canvas().SetCopyMode(SRCCOPY);
  target.Canvas().CopyRect(Rect(0, 0, sourceRect.Width(), sourceRect.Height()), source, sourceRect);
}

// A bitmap's own transparent colour: its bottom-left pixel.
TColor TransparentColor(const TBitmap& picture) {
  return PixelToColor(picture.Surface().Pixel(0, picture.Height() - 1));
}

}  // namespace

void MakeColorMask(const TCanvas& sourceCanvas, const TRect& sourceRect, TBitmap& mask, TBitmap& image,
                   TColor keyColor) {
  const TRect whole = Rect(0, 0, sourceRect.Width(), sourceRect.Height());
  CopyInto(image, sourceCanvas, sourceRect);
  // The mask is made from the image's copy, so that it may be the source itself.
  CopyInto(mask, image.Canvas(), whole);
  mask.Mask(keyColor);
  TCanvas& canvas = image.Canvas();
  TCopyStateGuard guard(canvas);
  canvas.SetBkColor(clBlack);
  canvas.SetTextColor(clWhite);
  canvas.SetCopyMode(SRCAND);
  canvas.CopyRect(whole, mask.Canvas(), whole);
}

void MaskBlit(TCanvas& canvas, const TRect& box, const TCanvas& maskCanvas, const TCanvas& imageCanvas,
              const TRect& source) {
  TCopyStateGuard guard(canvas);
  canvas.SetCopyMode(SRCAND);
  canvas.CopyRect(box, maskCanvas, source);
  canvas.SetCopyMode(SRCPAINT);
  canvas.CopyRect(box, imageCanvas, source);
}

void DrawPictureRect(TCanvas& canvas, const TRect& rect, const TCanvas& sourceCanvas, TMaskOrPicture maskOrPicture,
                     const HPALETTE& palette, TColor color, PictureDrawFlags flags, const TRect& sourceRect) {
  if (rect.IsEmpty()) return;
  const int32_t w = sourceRect.Width();
  const int32_t h = sourceRect.Height();
  // An empty source has nothing to draw and no aspect ratio.
  if (w <= 0 || h <= 0) return;
  const TPlacement placement = Place(rect, w, h, flags);
  TCopyStateGuard guard(canvas);

  if ((flags & pdfBrushCopy) && maskOrPicture.Picture != nullptr) {
    const TBitmap& picture = *maskOrPicture.Picture;
    const TColor transparent = TransparentColor(picture);
    canvas.Brush().SetColor(color);
    ForEachBox(placement, [&](const TRect& box) { canvas.BrushCopy(box, picture.Surface(), sourceRect, transparent); });
  } else if ((flags & pdfMasked) && maskOrPicture.Mask != nullptr) {
    canvas.SetBkColor(clWhite);
    canvas.SetTextColor(clBlack);
    ForEachBox(placement, [&](const TRect& box) { MaskBlit(canvas, box, *maskOrPicture.Mask, sourceCanvas, sourceRect); });
  } else if (flags & pdfKeyColorMask) {
    // Every tile shows the same masks: they are made once.
    TBitmap mask;
    TBitmap image;
    if (palette) image.SetPalette(palette);
    MakeColorMask(sourceCanvas, sourceRect, mask, image, color);
    canvas.SetBkColor(clWhite);
    canvas.SetTextColor(clBlack);
    const TRect whole = Rect(0, 0, w, h);
    ForEachBox(placement, [&](const TRect& box) { MaskBlit(canvas, box, mask.Canvas(), image.Canvas(), whole); });
  } else {
    ForEachBox(placement, [&](const TRect& box) { canvas.CopyRect(box, sourceCanvas, sourceRect); });
  }
}

void DrawPicture(TCanvas& canvas, const TRect& rect, TBitmap& picture, TColor color, PictureDrawFlags flags) {
  const bool usePalette = (flags & pdfPalette) != 0;
  if (usePalette) {
    canvas.SelectPalette(picture.Palette(), false);
    canvas.RealizePalette();
  }
  const TMaskOrPicture maskOrPicture = (flags & pdfBrushCopy) ? TMaskOrPicture(&picture) : TMaskOrPicture();
  DrawPictureRect(canvas, rect, picture.Canvas(), maskOrPicture, usePalette ? picture.Palette() : HPALETTE(), color,
                  flags, Rect(0, 0, picture.Width(), picture.Height()));
}
