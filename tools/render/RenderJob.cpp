#include "tools/render/RenderJob.h"

#include <QFileInfo>
#include <future>

#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "pictures/Picture.h"
#include "render/Compose.h"
#include "render/NumberedFile.h"
#include "render/caption/LMDLabelFill.h"
#include "toolkit/HeadlessHost.h"
#include "tools/render/LabelSettings.h"

namespace {

// Writes the composition as a BMP file, or hands it to a JPEG picture with
// the default settings, as the window's export does.
QString Write(TBitmap& composition, const TRenderSettings& settings) {
  TJPEGImage jpeg;
  TGraphic* graphic = &composition;
  if (settings.Format == ofJpeg) {
    jpeg.Assign(composition);
    graphic = &jpeg;
  }
  if (!settings.OutFile.isEmpty()) {
    graphic->SaveToFile(settings.OutFile);
    return settings.OutFile;
  }
  const QString folder = settings.OutDir.isEmpty() ? QFileInfo(settings.Background).path() : settings.OutDir;
  const QString extension = settings.Format == ofJpeg ? QStringLiteral(".jpg") : QStringLiteral(".bmp");
  return WriteNumberedFile(folder, extension, [&](QIODevice& device) { graphic->SaveToStream(device); });
}

}  // namespace

TRenderResult RenderComposition(const TRenderSettings& settings) {
  TPicture background;
  background.LoadFromFile(settings.Background);
  // Decoding the background takes longer than setting the label up (the
  // font database above all): the two run side by side. Nothing else
  // touches the background until the decoding has been waited for, also
  // when setting the label up fails.
  TGraphic& graphic = *background.Graphic();
  std::future<std::unique_ptr<TBitmap>> decoded =
      std::async(std::launch::async, [&graphic] { return NewComposition(graphic); });
  TBitmap picture;
  if (!settings.Picture.isEmpty()) picture.LoadFromFile(settings.Picture);

  // The composition is painted into a new picture, never through the
  // host's back buffer, so the host needs none.
  THeadlessHost host(0, 0);
  host.SetColor(clBtnFace);  // the composition window's colour, which the label follows
  TLMDLabelFill label;
  label.SetParent(&host);
  ApplyLabelSettings(settings, picture, label);

  const std::unique_ptr<TBitmap> composition = decoded.get();  // a decoding failure is raised here
  PaintControls(*composition, host);
  return {Write(*composition, settings), label.BoundsRect()};
}
