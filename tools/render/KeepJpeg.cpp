#include "tools/render/KeepJpeg.h"

#include "pictures/Bitmap.h"
#include "pictures/ExifOrientation.h"
#include "pictures/Jpeg.h"

namespace {

QString RefusalText(TJpegPatchRefusal refusal) {
  switch (refusal) {
    case jpNone:
      break;
    case jpGrayscale:
      return QStringLiteral("a greyscale JPEG");
    case jpCmyk:
      return QStringLiteral("a CMYK JPEG");
    case jpColorSpace:
      return QStringLiteral("a JPEG with colours other than YCbCr");
    case jpProgressive:
      return QStringLiteral("a progressive JPEG");
  }
  return QString();
}

}  // namespace

TKeptJpeg::TKeptJpeg(TGraphic& background) {
  auto* jpeg = dynamic_cast<TJPEGImage*>(&background);
  if (!jpeg) {
    refusal_ = QStringLiteral("not a JPEG picture");
    return;
  }
  // A photo stored turned is decoded upright, so the caption's place in the
  // upright picture is not the place of the stored blocks it would touch.
  const TExifOrientation orientation = ReadExifOrientation(jpeg->Data());
  if (orientation != eoTopLeft) {
    refusal_ = QStringLiteral("EXIF orientation %1").arg(static_cast<int>(orientation));
    return;
  }
  patcher_ = std::make_unique<TJpegPatcher>(jpeg->Data());
  refusal_ = RefusalText(patcher_->Refusal());
}

QByteArray TKeptJpeg::Patch(TCaptionLabel& caption, const TRect& label) {
  return patcher_->Patch(label, [&caption](TSurface& pixels, TPoint origin) {
    TBitmap part(std::move(pixels));
    caption.PaintOn(part, origin);
    pixels = part.Surface();
  });
}
