#include "render/fill/PictureDraw.h"

#include <algorithm>
#include <optional>

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
  int64_t Columns = 0;
  int64_t Rows = 0;
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
    // The grid starts at Rect's corner with tiles of the picture's size,
    // whatever an earlier flag made of the box.
    placement.Box = Bounds(rect.Left, rect.Top, w, h);
    placement.Tiled = true;
    placement.Columns = static_cast<int64_t>(rw / w) + 1;
    placement.Rows = static_cast<int64_t>(rh / h) + 1;
  }
  return placement;
}

// What a drawing step reads, all at Rect: the image, the caller's mask
// (pdfMasked) and the picture with a transparent colour (pdfBrushCopy).
struct TSources {
  const TCanvas* Image = nullptr;
  const TCanvas* Mask = nullptr;
  const TCanvas* Picture = nullptr;
  TRect Rect;
};

// Tiles narrower or lower than this are drawn a block of them at a time.
constexpr int32_t kBlockSide = 64;

// Copies of a small tile side by side, so that tiling draws blocks of tiles
// instead of every tile on its own; the pixels written are the same.
class TTileBlocks {
 public:
  // Blocks of Across x Down tiles of every source.
  TTileBlocks(TSources& sources, int32_t across, int32_t down) : across_(across), down_(down) {
    sources.Image = Repeat(image_, sources.Image, sources.Rect);
    sources.Mask = Repeat(mask_, sources.Mask, sources.Rect);
    sources.Picture = Repeat(picture_, sources.Picture, sources.Rect);
    sources.Rect = Rect(0, 0, across * sources.Rect.Width(), down * sources.Rect.Height());
  }

  // Whether every source holds all of Rect: a block must show exactly what
  // the tiles would copy, and a copy leaves pixels outside its source alone.
  static bool Possible(const TSources& sources) {
    for (const TCanvas* source : {sources.Image, sources.Mask, sources.Picture}) {
      if (source == nullptr) continue;
      const TRect device = sources.Rect.Offset(source->Origin().X, source->Origin().Y);
      if (!source->HandleAllocated() || device.Intersect(source->Surface()->Bounds()) != device) return false;
    }
    return true;
  }

 private:
  // Fills Block with copies of Rect of Source, doubling what is there.
  const TCanvas* Repeat(TBitmap& block, const TCanvas* source, const TRect& rect) {
    if (source == nullptr) return nullptr;
    const int32_t w = rect.Width();
    const int32_t h = rect.Height();
    const int32_t width = across_ * w;
    const int32_t height = down_ * h;
    block.SetMonochrome(source->Surface()->Monochrome());
    block.SetHeight(height);
    block.SetWidth(width);
    TCanvas& canvas = block.Canvas();
    canvas.CopyRect(Rect(0, 0, w, h), *source, rect);
    for (int32_t done = w; done < width; done *= 2) {
      const int32_t more = std::min(done, width - done);
      canvas.CopyRect(Rect(done, 0, done + more, h), canvas, Rect(0, 0, more, h));
    }
    for (int32_t done = h; done < height; done *= 2) {
      const int32_t more = std::min(done, height - done);
      canvas.CopyRect(Rect(0, done, width, done + more), canvas, Rect(0, 0, width, more));
    }
    return &canvas;
  }

  int32_t across_;
  int32_t down_;
  TBitmap image_;
  TBitmap mask_;
  TBitmap picture_;
};

// Calls Draw(box, from) for the single box or for the tiles, row by row, left
// to right, From being the part of the sources to copy into Box. Small tiles
// are drawn a block at a time, the last blocks cut to the tile grid; blocks
// wholly outside Visible (canvas coordinates) would draw nothing and are skipped.
template <typename Draw>
void ForEachBox(const TPlacement& placement, const TRect& visible, TSources& sources, Draw draw) {
  if (!placement.Tiled) {
    draw(placement.Box, sources.Rect);
    return;
  }
  const int32_t w = placement.Box.Width();
  const int32_t h = placement.Box.Height();
  const auto across = static_cast<int32_t>(w >= kBlockSide ? 1 : std::min<int64_t>((kBlockSide + w - 1) / w, placement.Columns + 1));
  const auto down = static_cast<int32_t>(h >= kBlockSide ? 1 : std::min<int64_t>((kBlockSide + h - 1) / h, placement.Rows + 1));
  std::optional<TTileBlocks> blocks;
  if ((across > 1 || down > 1) && TTileBlocks::Possible(sources)) blocks.emplace(sources, across, down);
  const int64_t stepX = sources.Rect.Width();
  const int64_t stepY = sources.Rect.Height();
  const int64_t left = placement.Box.Left;
  const int64_t top = placement.Box.Top;
  const int64_t right = std::min<int64_t>(left + (placement.Columns + 1) * w, visible.Right);
  const int64_t bottom = std::min<int64_t>(top + (placement.Rows + 1) * h, visible.Bottom);
  const int64_t firstX = left + std::max<int64_t>(visible.Left - left, 0) / stepX * stepX;
  const int64_t firstY = top + std::max<int64_t>(visible.Top - top, 0) / stepY * stepY;
  const int64_t gridRight = left + (placement.Columns + 1) * w;
  const int64_t gridBottom = top + (placement.Rows + 1) * h;
  for (int64_t y = firstY; y < bottom; y += stepY)
    for (int64_t x = firstX; x < right; x += stepX) {
      const auto bw = static_cast<int32_t>(std::min(stepX, gridRight - x));
      const auto bh = static_cast<int32_t>(std::min(stepY, gridBottom - y));
      draw(Bounds(static_cast<int32_t>(x), static_cast<int32_t>(y), bw, bh),
           Bounds(sources.Rect.Left, sources.Rect.Top, bw, bh));
    }
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
  const TRect visible = canvas.DeviceClip().Offset(-canvas.Origin().X, -canvas.Origin().Y);
  TCopyStateGuard guard(canvas);

  const TBitmap* picture = maskOrPicture.Picture;
  if ((flags & pdfBrushCopy) && picture != nullptr) {
    if (picture->Empty()) return;
    const TColor transparent = TransparentColor(*picture);
    // The picture is read through a canvas of its own over its pixels.
    TSurface pixels = picture->Surface();
    TCanvas pictureCanvas(&pixels);
    TSources sources{nullptr, nullptr, &pictureCanvas, sourceRect};
    canvas.Brush().SetColor(color);
    ForEachBox(placement, visible, sources, [&](const TRect& box, const TRect& from) {
      canvas.BrushCopy(box, *sources.Picture->Surface(), from, transparent);
    });
  } else if ((flags & pdfMasked) && maskOrPicture.Mask != nullptr) {
    TSources sources{&sourceCanvas, maskOrPicture.Mask, nullptr, sourceRect};
    canvas.SetBkColor(clWhite);
    canvas.SetTextColor(clBlack);
    ForEachBox(placement, visible, sources,
               [&](const TRect& box, const TRect& from) { MaskBlit(canvas, box, *sources.Mask, *sources.Image, from); });
  } else if (flags & pdfKeyColorMask) {
    TSources sources{&sourceCanvas, nullptr, nullptr, sourceRect};
    TBitmap mask;
    TBitmap image;
    if (palette) image.SetPalette(palette);
    canvas.SetBkColor(clWhite);
    canvas.SetTextColor(clBlack);
    // The masks are made once, of the sources as the boxes read them.
    ForEachBox(placement, visible, sources, [&](const TRect& box, const TRect& from) {
      if (mask.Empty()) MakeColorMask(*sources.Image, sources.Rect, mask, image, color);
      MaskBlit(canvas, box, mask.Canvas(), image.Canvas(), from.Offset(-sources.Rect.Left, -sources.Rect.Top));
    });
  } else {
    TSources sources{&sourceCanvas, nullptr, nullptr, sourceRect};
    ForEachBox(placement, visible, sources,
               [&](const TRect& box, const TRect& from) { canvas.CopyRect(box, *sources.Image, from); });
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
