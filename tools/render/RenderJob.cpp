#include "tools/render/RenderJob.h"

#include <QFileInfo>

#include "pictures/Jpeg.h"
#include "pictures/PngImage.h"
#include "render/Compose.h"
#include "render/NumberedFile.h"
#include "render/caption/LMDLabelFill.h"
#include "toolkit/windowless/HeadlessHost.h"
#include "tools/render/LabelSettings.h"

namespace {

// Writes the composition as a BMP file, or hands it to a JPEG picture with
// the default settings or to a PNG picture, as the window's export does.
QString Write(TBitmap& composition, const TRenderSettings& settings) {
  TJPEGImage jpeg;
  TPNGImage png;
  TGraphic* graphic = &composition;
  if (settings.Format == ofJpeg) {
    jpeg.Assign(composition);
    graphic = &jpeg;
  } else if (settings.Format == ofPng) {
    png.Assign(composition);
    graphic = &png;
  }
  if (!settings.OutFile.isEmpty()) {
    graphic->SaveToFile(settings.OutFile);
    return settings.OutFile;
  }
  const QString folder = settings.OutDir.isEmpty() ? QFileInfo(settings.Background).path() : settings.OutDir;
  const QString extension = settings.Format == ofJpeg  ? QStringLiteral(".jpg")
                            : settings.Format == ofPng ? QStringLiteral(".png")
                                                       : QStringLiteral(".bmp");
  return WriteNumberedFile(folder, extension, 1, [&](QIODevice& device) { graphic->SaveToStream(device); }).Path;
}

}  // namespace

TRenderJob::TRenderJob(TRenderSettings settings) : settings_(std::move(settings)) {
  LoadBackground(background_, settings_.Background);
  // Nothing else touches the background until the decoding has been
  // waited for.
  TGraphic& background = *background_.Graphic();
  composition_ = std::async(std::launch::async, [&background] { return NewComposition(background); });
}

TRenderResult TRenderJob::Finish() {
  TBitmap picture;
  if (!settings_.Picture.isEmpty()) picture.LoadFromFile(settings_.Picture);

  // The composition is painted into a new picture, never through the
  // host's back buffer, so the host needs none.
  THeadlessHost host(0, 0);
  host.SetColor(clBtnFace);  // the composition window's colour, which the label follows
  TLMDLabelFill label;
  label.SetParent(&host);
  ApplyLabelSettings(settings_, picture, label);

  const std::unique_ptr<TBitmap> composition = composition_.get();
  PaintControls(*composition, host);
  return {Write(*composition, settings_), label.BoundsRect()};
}
