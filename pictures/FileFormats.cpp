#include "pictures/FileFormats.h"

#include <algorithm>

#include "pictures/Bitmap.h"
#include "pictures/HeifImage.h"
#include "pictures/Icon.h"
#include "pictures/Metafile.h"
#include "pictures/PngImage.h"
#include "pictures/WebPImage.h"

namespace {

template <typename T>
std::unique_ptr<TGraphic> Make() {
  return std::make_unique<T>();
}

}  // namespace

void TFileFormatsList::Add(const QString& extension, const QString& description, const QString& className,
                           std::function<std::unique_ptr<TGraphic>()> create) {
  formats_.push_back({extension.toLower(), description, className, std::move(create)});
}

const TFileFormat* TFileFormatsList::FindExtension(const QString& extension) const {
  const QString wanted = extension.toLower();
  const auto found = std::find_if(formats_.rbegin(), formats_.rend(),
                                  [&](const TFileFormat& f) { return f.Extension == wanted; });
  return found == formats_.rend() ? nullptr : &*found;
}

const TFileFormat* TFileFormatsList::FindClassName(const QString& className) const {
  const auto found = std::find_if(formats_.rbegin(), formats_.rend(),
                                  [&](const TFileFormat& f) { return f.ClassName == className; });
  return found == formats_.rend() ? nullptr : &*found;
}

TFileFormatsList& FileFormats() {
  static TFileFormatsList list = [] {
    TFileFormatsList l;
    l.Add(QStringLiteral("wmf"), QStringLiteral("Metafiles"), QStringLiteral("TMetafile"), Make<TMetafile>);
    l.Add(QStringLiteral("emf"), QStringLiteral("Enhanced Metafiles"), QStringLiteral("TMetafile"), Make<TMetafile>);
    l.Add(QStringLiteral("ico"), QStringLiteral("Icons"), QStringLiteral("TIcon"), Make<TIcon>);
    l.Add(QStringLiteral("bmp"), QStringLiteral("Bitmaps"), QStringLiteral("TBitmap"), Make<TBitmap>);
    l.Add(QStringLiteral("png"), QStringLiteral("PNG images"), QStringLiteral("TPNGImage"), Make<TPNGImage>);
    l.Add(QStringLiteral("heic"), QStringLiteral("HEIF images"), QStringLiteral("THEIFImage"), Make<THEIFImage>);
    l.Add(QStringLiteral("heif"), QStringLiteral("HEIF images"), QStringLiteral("THEIFImage"), Make<THEIFImage>);
    l.Add(QStringLiteral("webp"), QStringLiteral("WebP images"), QStringLiteral("TWebPImage"), Make<TWebPImage>);
    return l;
  }();
  return list;
}
