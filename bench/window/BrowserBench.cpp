// The picture browser's speed on photo-like JPEG files (bench/PhotoLike.h):
// re-reading a folder of 10 000 pictures against a bare QDir listing of it
// (goal: ratio at most 3), selection to painted preview against decoding
// the file whole, a held Down key over a hundred photos, and repainting the
// preview at a new size (goal: under 16.7 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "bench/PhotoLike.h"
#include "bench/Seconds.h"
#include "filesys/RzFileListBox.h"
#include "forms/Unit4.h"
#include "pictures/Jpeg.h"

namespace {

// A folder of 10 000 empty pictures.
struct TPictureFolder {
  QTemporaryDir dir;
  TPictureFolder() {
    for (int i = 0; i < 10000; ++i) QFile(dir.filePath(QStringLiteral("photo %1.jpg").arg(i))).open(QIODevice::WriteOnly);
  }
};

void BM_RereadTenThousandFiles(benchmark::State& state) {
  const QString saved = QDir::currentPath();
  const TPictureFolder folder;
  TRzFileListBox list;
  list.SetMask(QStringLiteral("*.bmp;*.jpg"));
  list.SetFolder(folder.dir.path());
  list.show();
  double ours = 0, bare = 0;
  for (auto _ : state) {
    const double t = Seconds([&] { list.Reread(); });
    ours += t;
    state.SetIterationTime(t);
    bare += Seconds([&] {
      benchmark::DoNotOptimize(
          QDir(folder.dir.path()).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg")}, QDir::Files));
    });
  }
  state.counters["qdir_ms"] = 1000 * bare / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / bare;
  QDir::setCurrent(saved);
}
BENCHMARK(BM_RereadTenThousandFiles)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// A phone's photos in a folder: Count names for one photo-like JPEG of
// Width x Height (links, so that a hundred 12-megapixel photos cost the
// disk one).
struct TPhotoFolder {
  QTemporaryDir dir;
  QStringList names;
  TPhotoFolder(int32_t width, int32_t height, int count) {
    const QString first = dir.filePath(QStringLiteral("photo 000.jpg"));
    QFile file(first);
    if (!file.open(QIODevice::WriteOnly) || file.write(PhotoLikeJpeg(width, height)) <= 0) std::abort();
    file.close();
    for (int i = 0; i < count; ++i) {
      names << QStringLiteral("photo %1.jpg").arg(i, 3, 10, QLatin1Char('0'));
      if (i > 0 && ::link(QFile::encodeName(first).constData(), QFile::encodeName(dir.filePath(names.last())).constData()) != 0)
        std::abort();
    }
  }
};

// The browser shown at its start size on a folder of photos.
struct TBrowser {
  TPhotoFolder folder;
  const QString saved = QDir::currentPath();
  TForm4 form;
  TBrowser(int32_t width, int32_t height, int count) : folder(width, height, count) {
    form.show();
    form.RzFileListBox1->SetFolder(folder.dir.path());
    if (!QTest::qWaitForWindowExposed(&form)) std::abort();
  }
  ~TBrowser() { QDir::setCurrent(saved); }
  QString Path(int row) const { return folder.dir.filePath(folder.names[row]); }
  // Clicks the list's item, lets the deferred selection handling run and
  // paints the preview.
  void Select(int row) {
    TRzFileListBox& list = *form.RzFileListBox1;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(row, 0)).center());
    QCoreApplication::processEvents();
    form.Preview->repaint();
  }
};

// Selection to painted preview against the engine's full decode of the
// same file (goal: ratio at most 0.6 for 12 megapixels, 0.5 for 50).
void SelectionToPaintedPreview(benchmark::State& state, int32_t width, int32_t height) {
  TBrowser browser(width, height, 2);
  double ours = 0, decode = 0;
  int row = 0;
  for (auto _ : state) {
    const double t = Seconds([&] { browser.Select(row); });
    row = 1 - row;
    ours += t;
    state.SetIterationTime(t);
    auto jpeg = std::make_unique<TJPEGImage>();
    decode += Seconds([&] {
      jpeg->LoadFromFile(browser.Path(0));
      jpeg->DIBNeeded();
    });
  }
  if (browser.form.SBPanels[2]->text() != QStringLiteral("%1x%2").arg(width).arg(height))
    state.SkipWithError("the preview was not shown");
  state.counters["decode_ms"] = 1000 * decode / static_cast<double>(state.iterations());
  state.counters["ratio"] = ours / decode;
}

void BM_SelectionToPaintedPreview12MP(benchmark::State& state) { SelectionToPaintedPreview(state, 4000, 3000); }
BENCHMARK(BM_SelectionToPaintedPreview12MP)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_SelectionToPaintedPreview50MP(benchmark::State& state) { SelectionToPaintedPreview(state, 8160, 6120); }
BENCHMARK(BM_SelectionToPaintedPreview50MP)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

// Holding Down over 100 photos of 12 megapixels: a thread stands in for the
// X server's key repeat, queueing a press for the list every 33 ms (30 a
// second) from the first photo to the last and then the release, while the
// browser works in its own thread. Timed from the release to the last
// photo's preview painted (goal: 150 ms); "previews" counts the selections
// the browser got round to showing.
void BM_HeldDownOverAHundredPhotos(benchmark::State& state) {
  constexpr int kPhotos = 100;
  TBrowser browser(4000, 3000, kPhotos);
  int previews = 0;
  browser.form.Image1.OnChange = [&](TPicture*) { ++previews; };
  TRzFileListBox& list = *browser.form.RzFileListBox1;
  for (auto _ : state) {
    browser.Select(0);
    previews = 0;
    // The events are made here, where the keyboard device they name lives;
    // the thread only posts them.
    std::vector<QKeyEvent*> keys;
    for (int i = 1; i < kPhotos; ++i) keys.push_back(new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, {}, i > 1));
    keys.push_back(new QKeyEvent(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier));
    std::atomic<bool> released{false};
    std::chrono::steady_clock::time_point releasedAt;
    std::thread repeat([&] {
      const auto start = std::chrono::steady_clock::now();
      for (size_t i = 0; i < keys.size(); ++i) {
        std::this_thread::sleep_until(start + std::chrono::milliseconds(33 * static_cast<int>(i + 1)));
        QCoreApplication::postEvent(&list, keys[i]);
      }
      releasedAt = std::chrono::steady_clock::now();
      released = true;
    });
    const QString last = browser.Path(kPhotos - 1);
    while (!released || browser.form.SBPanels[0]->text() != last)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    browser.form.Preview->repaint();
    const double latency = std::chrono::duration<double>(std::chrono::steady_clock::now() - releasedAt).count();
    repeat.join();
    state.SetIterationTime(latency);
  }
  state.counters["previews"] = previews;
}
BENCHMARK(BM_HeldDownOverAHundredPhotos)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Resizing the browser with a 12-megapixel photo previewed: the preview
// is shrunk again from the copy decoded for it, decoded again only when
// the window grows past what the copy covers ("decodes" counts them:
// goal 1, for the first growth past 1/8).
void BM_ResizeRepaint12MP(benchmark::State& state) {
  TBrowser browser(4000, 3000, 1);
  browser.Select(0);
  int decodes = 0;
  qint64 decoded = browser.form.Preview->Picture().Decoded().Image().cacheKey();
  bool wide = false;
  for (auto _ : state) {
    wide = !wide;
    browser.form.SetClientSize(wide ? 1000 : 610, wide ? 700 : 375);
    QCoreApplication::sendPostedEvents();
    browser.form.Preview->repaint();
    const qint64 now = browser.form.Preview->Picture().Decoded().Image().cacheKey();
    decodes += now != decoded;
    decoded = now;
  }
  state.counters["decodes"] = decodes;
}
BENCHMARK(BM_ResizeRepaint12MP)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
