#include "tools/render/KeepJpeg.h"

#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "pictures/JpegPatch.h"

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

TKeptJpeg KeepJpeg(TGraphic& background, TCaptionLabel& caption, const TRect& label) {
  auto* jpeg = dynamic_cast<TJPEGImage*>(&background);
  if (!jpeg) return {{}, QStringLiteral("not a JPEG picture")};
  TJpegPatch patch = PatchJpeg(jpeg->Data(), label, [&caption](TSurface& pixels, TPoint origin) {
    TBitmap part(std::move(pixels));
    caption.PaintOn(part, origin);
    pixels = part.Surface();
  });
  return {std::move(patch.Data), RefusalText(patch.Refusal)};
}
