// The caption composed on several threads at once, each with a label of its
// own, gives exactly the bytes of composing one after the other: nothing of
// the engine that the threads share (Qt's font database, the picture
// registry, the picture fill's bitmap) is written by them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <functional>
#include <thread>
#include <vector>

#include "pictures/Bitmap.h"
#include "tools/render/CaptionLabel.h"
#include "tools/render/RenderSettings.h"

namespace {

struct TStyleCase {
  const char* Name;
  std::function<void(TRenderSettings&)> Set;
};

const std::vector<TStyleCase>& StyleCases() {
  static const std::vector<TStyleCase> cases{
      {"ShadowGradient",
       [](TRenderSettings& s) {
         s.Style = tdShadow, s.ShadowDepth = 4, s.Fill = sfGradient, s.GradientStyle = gstElliptic, s.Bold = true;
       }},
      {"ExtrudeEnhHatchFrame",
       [](TRenderSettings& s) {
         s.Style = tdExtrudeEnh, s.ShadowDepth = 12, s.Fill = sfBrush, s.BrushStyle = bsDiagCross, s.Frame = true;
       }},
      {"RotatedOutline",
       [](TRenderSettings& s) { s.Style = tdOutline, s.ShadowDepth = 3, s.Angle = 30, s.Italic = true; }},
      {"RaisedPictureTiles", [](TRenderSettings& s) { s.Style = tdRaised, s.Fill = sfBitmap, s.Tile = tmTile; }},
      {"TwoLinesTracedInPercent",
       [](TRenderSettings& s) {
         s.Style = tdRaisedShadow, s.Tracing = 3, s.Text = QStringLiteral("Текстъ!\r\nВторая"), s.FontPercent = 9000;
       }},
  };
  return cases;
}

TRenderSettings SettingsOf(const TStyleCase& style) {
  TRenderSettings settings;
  settings.FontName = QStringLiteral("DejaVu Sans");
  settings.FontSize = 20;
  settings.Text = QStringLiteral("Vellumo Ж&A");
  settings.At = TPoint{7, 9};
  style.Set(settings);
  return settings;
}

TSurface Ground(int width, int height) {
  TSurface ground(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) ground.SetPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) & 0xFF));
  return ground;
}

void PaintPictureFill(TBitmap& picture) {
  picture.SetSize(6, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) picture.Canvas().SetPixel(x, y, (x + y) % 2 ? clYellow : clNavy);
}

// The composition's pixels as bytes.
QByteArray Compose(TCaptionLabel& caption, const TSurface& ground) {
  TBitmap composition(ground);
  caption.Fit({ground.Width(), ground.Height()});
  caption.PaintOn(composition, {});
  const QImage& image = composition.Surface().Image();
  return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

QByteArray ComposeAnew(const TRenderSettings& settings, const TBitmap& picture, const TSurface& ground) {
  TCaptionLabel caption(settings, picture);
  return Compose(caption, ground);
}

TEST(ParallelCompose, FourThreadsGiveTheBytesOfOne) {
  TBitmap picture;
  PaintPictureFill(picture);
  const std::vector<TSurface> grounds{Ground(240, 120), Ground(96, 300)};
  std::vector<TRenderSettings> settings;
  std::vector<QByteArray> serial;
  for (const TStyleCase& style : StyleCases()) {
    settings.push_back(SettingsOf(style));
    for (const TSurface& ground : grounds) serial.push_back(ComposeAnew(settings.back(), picture, ground));
  }
  constexpr int kThreads = 4;
  constexpr int kRounds = 3;
  std::vector<std::vector<QByteArray>> results(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      // Each thread its own captions, each used for several pictures, in
      // an order of its own.
      std::vector<std::unique_ptr<TCaptionLabel>> captions;
      for (const TRenderSettings& s : settings) captions.push_back(std::make_unique<TCaptionLabel>(s, picture));
      results[t].resize(serial.size() * kRounds);
      for (int round = 0; round < kRounds; ++round)
        for (size_t k = 0; k < serial.size(); ++k) {
          const size_t i = (k + size_t(t)) % serial.size();
          results[t][round * serial.size() + i] = Compose(*captions[i / grounds.size()], grounds[i % grounds.size()]);
        }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t)
    for (size_t i = 0; i < results[t].size(); ++i)
      EXPECT_TRUE(results[t][i] == serial[i % serial.size()])
          << "thread " << t << ", " << StyleCases()[i % serial.size() / grounds.size()].Name << " on picture "
          << i % grounds.size();
}

// Painted over a part of the picture that starts at a whole number of
// 16-pixel blocks, as --keep-jpeg paints, the caption is the same as over
// the whole picture there.
TEST(ParallelCompose, APartGetsThePixelsOfTheWhole) {
  TBitmap picture;
  PaintPictureFill(picture);
  const TSurface ground = Ground(240, 120);
  for (const TStyleCase& style : StyleCases()) {
    const TRenderSettings settings = SettingsOf(style);
    TCaptionLabel caption(settings, picture);
    TBitmap whole(ground);
    caption.Fit({240, 120});
    caption.PaintOn(whole, {});
    const TPoint origin{16, 32};
    TSurface pixels(144, 80);
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 144; ++x) pixels.SetPixel(x, y, ground.Pixel(x + origin.X, y + origin.Y));
    TBitmap part(pixels);
    caption.PaintOn(part, origin);
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 144; ++x)
        ASSERT_EQ(part.Surface().Pixel(x, y), whole.Surface().Pixel(x + origin.X, y + origin.Y))
            << style.Name << " at " << x + origin.X << "," << y + origin.Y;
  }
}

}  // namespace
