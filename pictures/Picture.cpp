#include "pictures/Picture.h"

#include "pictures/Bitmap.h"
#include "pictures/FileFormats.h"
#include "pictures/PictureFile.h"
#include "pictures/StreamIO.h"
#include "toolkit/Exceptions.h"

TPicture::TPicture() = default;

TPicture::~TPicture() {
  if (graphic_) {
    graphic_->OnChange = nullptr;
    graphic_->OnProgress = nullptr;
  }
}

void TPicture::SetGraphic(const TGraphic* graphic) { Install(graphic ? graphic->Clone() : nullptr); }

void TPicture::Take(TPicture& source) {
  if (&source == this) return;
  std::unique_ptr<TGraphic> graphic = std::move(source.graphic_);
  source.Install(nullptr);
  Install(std::move(graphic));
}

TBitmap& TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) return *bitmap;
  auto bitmap = std::make_unique<TBitmap>();
  TBitmap& result = *bitmap;
  Install(std::move(bitmap));
  return result;
}

void TPicture::LoadFromFile(const QString& path) {
  const QString extension = PictureFileExtension(path);
  const TFileFormat* format = FileFormats().FindExtension(extension);
  if (!format) throw EInvalidGraphic::UnknownExtension(extension.toLower());
  std::unique_ptr<TGraphic> graphic = format->Create();
  graphic->OnProgress = ForwardProgress();
  graphic->LoadFromFile(path);
  Install(std::move(graphic));
}

void TPicture::SaveToFile(const QString& path) {
  if (graphic_) graphic_->SaveToFile(path);
}

void TPicture::Assign(const TPicture& source) {
  if (&source != this) SetGraphic(source.graphic_.get());
}

void TPicture::ReadData(QIODevice& stream) {
  uint8_t length = 0;
  if (!ReadExact(stream, &length, 1)) throw EInvalidGraphic::BitmapNotValid();
  if (length == 0) {
    Install(nullptr);
    return;
  }
  QByteArray name(length, Qt::Uninitialized);
  uint8_t size[4];
  if (!ReadExact(stream, name.data(), length) || !ReadExact(stream, size, 4)) throw EInvalidGraphic::BitmapNotValid();
  const int64_t dataSize = TByteCursor(size, 4).U32();
  if (dataSize > StreamRemaining(stream)) throw EInvalidGraphic::BitmapNotValid();
  QByteArray data(static_cast<qsizetype>(dataSize), Qt::Uninitialized);
  ReadExact(stream, data.data(), dataSize);
  const TFileFormat* format = FileFormats().FindClassName(QString::fromLatin1(name));
  if (!format) {
    Install(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> graphic = format->Create();
  // No data stands for an empty picture of that kind.
  if (dataSize > 0) graphic->LoadFromBytes(std::move(data));
  Install(std::move(graphic));
}

void TPicture::WriteData(QIODevice& stream) {
  if (!graphic_) {
    WriteAll(stream, "\0", 1);
    return;
  }
  const QByteArray data = graphic_->SaveToBytes();
  const QByteArray name = graphic_->ClassName().toLatin1().left(63);
  QByteArray head(1 + name.size() + 4, '\0');
  head[0] = static_cast<char>(name.size());
  std::copy(name.begin(), name.end(), head.begin() + 1);
  PutU32(reinterpret_cast<uint8_t*>(head.data()) + 1 + name.size(), static_cast<uint32_t>(data.size()));
  WriteAll(stream, head);
  WriteAll(stream, data);
}

void TPicture::Install(std::unique_ptr<TGraphic> graphic) {
  if (graphic_) {
    graphic_->OnChange = nullptr;
    graphic_->OnProgress = nullptr;
  }
  graphic_ = std::move(graphic);
  if (graphic_) Listen(*graphic_);
  Changed();
}

void TPicture::Listen(TGraphic& graphic) {
  graphic.OnChange = [this](TGraphic*) { Changed(); };
  graphic.OnProgress = ForwardProgress();
}

TProgressEvent TPicture::ForwardProgress() {
  return [this](TGraphic* sender, TProgressStage stage, uint8_t percent, bool redraw, const TRect& r,
                const QString& message) {
    if (OnProgress) OnProgress(sender, stage, percent, redraw, r, message);
  };
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}
