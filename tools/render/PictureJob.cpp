#include "tools/render/PictureJob.h"

#include <QBuffer>
#include <QFileInfo>

#include "pictures/Bitmap.h"
#include "pictures/JpegCodec.h"
#include "pictures/Picture.h"
#include "pictures/PngCodec.h"
#include "pictures/SafeFile.h"
#include "pictures/StreamIO.h"
#include "render/Compose.h"
#include "tools/render/KeepJpeg.h"

namespace {

QString Extension(const TRenderSettings& settings) {
  switch (settings.Format) {
    case ofJpeg:
      return QStringLiteral(".jpg");
    case ofPng:
      return QStringLiteral(".png");
    case ofBmp:
      break;
  }
  return QStringLiteral(".bmp");
}

// The composition encoded as the window's export encodes it: a BMP file,
// a JPEG picture with the default settings, or a PNG picture.
void Encode(TBitmap& composition, const TRenderSettings& settings, QIODevice& device) {
  switch (settings.Format) {
    case ofJpeg:
      WriteAll(device, EncodeJpeg(composition, JPEGDefaults(), {}));
      return;
    case ofPng:
      WriteAll(device, EncodePng(composition.Surface()));
      return;
    case ofBmp:
      break;
  }
  composition.SaveToStream(device);
}

// Puts what Write writes where the picture goes: a new numbered file
// without a name yet, or memory for --out.
void Store(TComposedPicture& out, const TRenderSettings& settings, const std::function<void(QIODevice&)>& write) {
  if (!settings.OutFile.isEmpty()) {
    QBuffer buffer(&out.Bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    return;
  }
  out.File = std::make_unique<TNumberedFileWriter>(out.Folder, Extension(settings));
  out.File->Write(write);
}

}  // namespace

TNumberedFile TComposedPicture::Commit(const TRenderSettings& settings, int32_t first) {
  if (!File) {
    WriteFileReplacing(settings.OutFile, [this](QIODevice& device) { WriteAll(device, Bytes); });
    return {settings.OutFile, 0};
  }
  return File->Commit(first);
}

std::optional<TComposedPicture> ComposePicture(const TRenderSettings& settings, const QString& background,
                                               const TCaptionSource& caption, const std::atomic<bool>& stop) {
  TPicture picture;
  LoadBackground(picture, background);
  TGraphic& graphic = *picture.Graphic();
  const TSize size{graphic.Width(), graphic.Height()};
  TComposedPicture out;
  out.Folder = settings.OutDir.isEmpty() ? QFileInfo(background).path() : settings.OutDir;

  if (settings.KeepJpeg) {
    // The photo's coefficients are read before the caption is asked for,
    // so that the first ones are read while the fonts are being had.
    TKeptJpeg kept(graphic);
    if (kept.Refusal().isEmpty()) {
      TCaptionLabel* label = caption();
      if (!label || stop) return std::nullopt;
      out.Label = label->Fit(size);
      const QByteArray data = kept.Patch(*label, out.Label);
      if (stop) return std::nullopt;
      Store(out, settings, [&](QIODevice& device) { WriteAll(device, data); });
      return out;
    }
    out.Note = QStringLiteral("--keep-jpeg: %1; encoded in full").arg(kept.Refusal());
  }

  // The background is decoded before the caption is asked for, so that
  // the first pictures decode while the fonts are being had.
  const std::unique_ptr<TBitmap> composition = NewComposition(graphic);
  TCaptionLabel* label = caption();
  if (!label || stop) return std::nullopt;
  out.Label = label->Fit(size);
  label->PaintOn(*composition, {});
  if (stop) return std::nullopt;
  Store(out, settings, [&](QIODevice& device) { Encode(*composition, settings, device); });
  return out;
}
