#pragma once
#include <QByteArray>
#include <functional>
#include <memory>

#include "pictures/Bitmap.h"
#include "pictures/Graphic.h"
#include "pictures/JpegCodec.h"
#include "pictures/JpegProgress.h"
#include "pictures/JpegSettings.h"

// A JPEG picture: the compressed bytes as read (shared by copies) and the
// bitmap they decode to, made on first drawing. Given a bitmap instead, it
// encodes it when saved. Settings come from JPEGDefaults().
class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  QString ClassName() const override { return QStringLiteral("TJPEGImage"); }
  // The decoded bitmap's size once it exists, else the header's at the
  // settings' scale, upright by the EXIF orientation; never decodes.
  int32_t Width() const override;
  int32_t Height() const override;
  // Both always fail with "Cannot change the size of a JPEG image".
  [[noreturn]] void SetWidth(int32_t width);
  [[noreturn]] void SetHeight(int32_t height);
  // Decodes first when needed; a decoding error is raised from here, and
  // the partly filled bitmap is kept and never decoded again.
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // Without a decoded bitmap, a colour picture is decoded straight into
  // the display pixels and the bitmap stays undecoded (a decoding error is
  // raised and keeps nothing); otherwise the bitmap is decoded as for
  // drawing and its pixels copied.
  TSurface DisplayCopy() override;
  // Compressed bytes not yet decoded are decoded at the smallest scale
  // (1/8, 1/4, 1/2 or 1/1) whose upright output covers Size, by a decoding
  // of their own: the settings and the bitmap stay as they are.
  TSurface PixelsCovering(TSize size) override;
  std::unique_ptr<TGraphic> Clone() const override;

  // Takes every byte from the stream's position to its end and reads the
  // header; an error ("JPEG error #%d", also for no bytes at all) leaves the
  // picture as it was. Decoding waits for the first drawing.
  void LoadFromStream(QIODevice& stream) override;
  // Encodes first when there are no compressed bytes, then writes them
  // unchanged (nothing for an empty picture).
  void SaveToStream(QIODevice& stream) override;

  // Drops the compressed bytes and takes a copy of Bitmap.
  void Assign(const TBitmap& bitmap);
  // Shares Source's compressed bytes and copies its decoded bitmap.
  void Assign(const TJPEGImage& source);

  // The decoded bitmap (decoding now if needed).
  const TBitmap& Bitmap();
  void DIBNeeded();
  // Encodes the bitmap now if there are no compressed bytes.
  void JPEGNeeded();
  const QByteArray& Data() const { return data_; }

  bool Grayscale() const { return header_.Grayscale; }
  TExifOrientation Orientation() const { return header_.Orientation; }
  bool Progressive() const { return header_.Progressive; }
  const TJPEGSettings& Settings() const { return settings_; }
  // The clock of the progress reports (tests use their own).
  void SetTickSource(TTickSource ticks) { ticks_ = std::move(ticks); }

 private:
  void Decode();
  // Colour pictures only.
  TSurface DecodeToDisplay();
  // Runs a codec step between a starting and an ending progress report
  // (ending at 0 % when it fails), giving it the running reports' hook.
  void Reporting(const std::function<void(const TJpegProgressHook&)>& step);
  // A stored size at the settings' scale, as the library rounds it.
  TSize Scaled(TSize size) const;

  QByteArray data_;
  TJpegInfo header_;
  std::unique_ptr<TBitmap> bitmap_;
  TJPEGSettings settings_;
  TTickSource ticks_ = SystemTickCount;
};
