#include "pictures/JpegStartup.h"

#include "pictures/FileFormats.h"
#include "pictures/Jpeg.h"

void StartJpegSupport() {
  TFileFormatsList& formats = FileFormats();
  const TFileFormat* jpg = formats.FindExtension(QStringLiteral("jpg"));
  if (jpg && jpg->ClassName == QLatin1String("TJPEGImage")) return;
  const auto make = [] { return std::unique_ptr<TGraphic>(std::make_unique<TJPEGImage>()); };
  formats.Add(QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), QStringLiteral("TJPEGImage"), make);
  formats.Add(QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), QStringLiteral("TJPEGImage"), make);
  formats.Add(QStringLiteral("jpe"), QStringLiteral("JPEG Image File"), QStringLiteral("TJPEGImage"), make);
}
