#include "pictures/Icon.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "pictures/StreamIO.h"
#include "toolkit/Exceptions.h"
#include "toolkit/canvas/Canvas.h"

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty() || !canvas.HandleAllocated()) return;
  QPainter painter(&canvas.Surface()->Image());
  if (const auto clip = canvas.ClipRegion())
    painter.setClipRect(QRect(clip->Left, clip->Top, clip->Width(), clip->Height()));
  const TRect dest = rect.Offset(canvas.Origin().X, canvas.Origin().Y);
  painter.drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), image_);
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
  auto copy = std::make_unique<TIcon>();
  copy->bytes_ = bytes_;
  copy->image_ = image_;
  return copy;
}

void TIcon::LoadFromStream(QIODevice& stream) {
  QByteArray bytes = ReadRemaining(stream);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "ico");
  // The largest of the sizes an icon file holds.
  QImage best;
  for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (!image.isNull() && image.width() * image.height() > best.width() * best.height()) best = image;
  }
  if (best.isNull()) throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
  bytes_ = std::move(bytes);
  image_ = best.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Changed();
}

void TIcon::SaveToStream(QIODevice& stream) { WriteAll(stream, bytes_); }
