#include "pictures/Jpeg.h"

#include "pictures/StreamIO.h"
#include "toolkit/Exceptions.h"

TJPEGImage::TJPEGImage() : settings_(JPEGDefaults()) {}

TJPEGImage::~TJPEGImage() = default;

namespace {

// A size decoded at 1 / 2^Scale, rounded up as the library does.
TSize ScaledBy(TJPEGScale scale, TSize size) {
  const int32_t denominator = 1 << scale;
  return {(size.cx + denominator - 1) / denominator, (size.cy + denominator - 1) / denominator};
}

}  // namespace

TSize TJPEGImage::Scaled(TSize size) const { return ScaledBy(settings_.Scale, size); }

int32_t TJPEGImage::Width() const {
  return bitmap_ ? bitmap_->Width() : UprightSize(header_.Orientation, Scaled({header_.Width, header_.Height})).cx;
}

int32_t TJPEGImage::Height() const {
  return bitmap_ ? bitmap_->Height() : UprightSize(header_.Orientation, Scaled({header_.Width, header_.Height})).cy;
}

void TJPEGImage::SetWidth(int32_t) { throw EInvalidGraphicOperation::CannotResizeJpeg(); }

void TJPEGImage::SetHeight(int32_t) { throw EInvalidGraphicOperation::CannotResizeJpeg(); }

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  DIBNeeded();
  bitmap_->Draw(canvas, rect);
}

TSurface TJPEGImage::DisplayCopy() {
  if (Empty()) return {};
  if (!bitmap_ && !data_.isEmpty() && !JpegDecodesToPalette(header_, settings_)) return DecodeToDisplay();
  DIBNeeded();
  return bitmap_->DisplayCopy();
}

TSurface TJPEGImage::PixelsCovering(TSize size) {
  if (bitmap_ || data_.isEmpty()) return Pixels();
  const TSize full = UprightSize(header_.Orientation, {header_.Width, header_.Height});
  TJPEGSettings settings = settings_;
  settings.Scale = jsFullSize;
  for (const TJPEGScale scale : {jsEighth, jsQuarter, jsHalf}) {
    const TSize scaled = ScaledBy(scale, full);
    if (scaled.cx >= size.cx && scaled.cy >= size.cy) {
      settings.Scale = scale;
      break;
    }
  }
  if (!JpegDecodesToPalette(header_, settings)) return DecodeJpegToSurface(data_, settings, {});
  TBitmap reduced;
  DecodeJpeg(data_, settings, reduced, {});
  return reduced.DisplayCopy();
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->Assign(*this);
  return copy;
}

void TJPEGImage::LoadFromStream(QIODevice& stream) {
  QByteArray data = ReadRemaining(stream);
  const TJpegInfo header = ReadJpegHeader(data);
  data_ = std::move(data);
  header_ = header;
  bitmap_.reset();
  Changed();
}

void TJPEGImage::SaveToStream(QIODevice& stream) {
  JPEGNeeded();
  WriteAll(stream, data_);
}

void TJPEGImage::Assign(const TBitmap& bitmap) {
  data_.clear();
  header_ = {};
  bitmap_ = std::make_unique<TBitmap>();
  bitmap_->Assign(bitmap);
  Changed();
}

void TJPEGImage::Assign(const TJPEGImage& source) {
  if (&source == this) return;
  data_ = source.data_;
  header_ = source.header_;
  settings_ = source.settings_;
  bitmap_.reset();
  if (source.bitmap_) {
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->Assign(*source.bitmap_);
  }
  Changed();
}

const TBitmap& TJPEGImage::Bitmap() {
  DIBNeeded();
  return *bitmap_;
}

void TJPEGImage::DIBNeeded() {
  if (bitmap_) return;
  if (data_.isEmpty()) bitmap_ = std::make_unique<TBitmap>();
  else Decode();
}

void TJPEGImage::Decode() {
  // The bitmap stays, partly filled, if decoding fails.
  bitmap_ = std::make_unique<TBitmap>();
  Reporting([this](const TJpegProgressHook& progress) {
    if (DecodeJpeg(data_, settings_, *bitmap_, progress)) Changed();  // a palette was made
  });
}

TSurface TJPEGImage::DecodeToDisplay() {
  TSurface pixels;
  Reporting([&](const TJpegProgressHook& progress) { pixels = DecodeJpegToSurface(data_, settings_, progress); });
  return pixels;
}

void TJPEGImage::JPEGNeeded() {
  if (!data_.isEmpty() || !bitmap_ || bitmap_->Empty()) return;
  // A failing encoding leaves the compressed bytes empty, as they were.
  Reporting([this](const TJpegProgressHook& progress) {
    data_ = EncodeJpeg(*bitmap_, settings_, progress);
    header_ = {bitmap_->Width(), bitmap_->Height(), settings_.Grayscale, settings_.ProgressiveEncoding};
  });
}

void TJPEGImage::Reporting(const std::function<void(const TJpegProgressHook&)>& step) {
  TJpegProgressMeter meter(ticks_);
  TJpegProgressHook progress;
  if (OnProgress) {
    progress = [this, &meter](const TJpegProgressState& state) {
      // The library's rows are those of the stored picture.
      if (const auto report = meter.Update(state))
        Progress(psRunning, report->Percent, report->RedrawNow,
                 UprightRect(header_.Orientation, report->Band, Scaled({header_.Width, header_.Height})));
    };
  }
  Progress(psStarting, 0, false, TRect{});
  try {
    step(progress);
  } catch (...) {
    Progress(psEnding, 0, false, TRect{});
    throw;
  }
  Progress(psEnding, 100, false, TRect{});
}
