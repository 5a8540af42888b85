#pragma once
#include <memory>

#include "pictures/Graphic.h"
#include "toolkit/Canvas.h"
#include "toolkit/Colors.h"
#include "toolkit/Palette.h"
#include "toolkit/Surface.h"

// An off-screen picture with its own canvas, in the display's format
// (32 bits per pixel). It can turn itself into a monochrome mask.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int32_t width, int32_t height);
  ~TBitmap() override;

  QString ClassName() const override { return QStringLiteral("TBitmap"); }
  int32_t Width() const override { return surface_.Width(); }
  int32_t Height() const override { return surface_.Height(); }
  void SetWidth(int32_t width);
  void SetHeight(int32_t height);
  void SetSize(int32_t width, int32_t height);
  void Draw(TCanvas& canvas, const TRect& rect) override;

  // The canvas that draws on this bitmap's pixels.
  TCanvas& Canvas() { return *canvas_; }
  const TSurface& Surface() const { return surface_; }

  bool Monochrome() const { return surface_.Monochrome(); }
  void SetMonochrome(bool monochrome);
  // Becomes a monochrome mask: white where the pixel is Color, black elsewhere.
  void Mask(TColor color);

  HPALETTE Palette() const { return palette_; }
  void SetPalette(HPALETTE palette) { palette_ = std::move(palette); }

  // Takes Source's size, pixels, monochrome state and palette.
  void Assign(const TBitmap& source);

 private:
  TSurface surface_;
  std::unique_ptr<TCanvas> canvas_;
  HPALETTE palette_;
};
