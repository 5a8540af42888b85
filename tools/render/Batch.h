#pragma once
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "pictures/Bitmap.h"
#include "tools/render/Console.h"
#include "tools/render/PictureJob.h"
#include "tools/render/RenderSettings.h"

// The processors the process may run on (its affinity), at least 1.
int32_t UsableProcessors();

// The backgrounds of a run, composed on worker threads: as many as --jobs
// asks (by default the usable processors), never more than there are
// backgrounds. Each worker takes the next background, composes and encodes
// it with a caption of its own into a file without a name, and goes on; at
// most one picture per worker is in memory at a time. A publishing thread
// sends the finished files to the disk and names them, and prints each
// background's lines and messages, in the order of the backgrounds
// whatever order the work finishes in, so the output is the same for any
// number of workers. A background that fails gets its message, and the
// others go on.
class TBatch {
 public:
  // Starts the threads at once: the workers load and decode, and wait for
  // FontsReady before they set up their captions. Settings and Picture
  // (the picture fill, only read) must outlive the batch.
  TBatch(const TRenderSettings& settings, const TBitmap& picture, TConsole& console);
  // Stops and waits for the threads.
  ~TBatch();
  TBatch(const TBatch&) = delete;
  TBatch& operator=(const TBatch&) = delete;

  // The GUI application runs: the workers may use fonts.
  void FontsReady();
  // Waits up to Timeout for the threads to be done; true once they are.
  bool WaitFor(std::chrono::milliseconds timeout);
  // Starts nothing new and names no more files; the pictures under way are
  // dropped, and their unnamed files with them.
  void Stop();

  int32_t Done();     // backgrounds whose turn has come
  int32_t Written();  // files named
  int32_t Failed();   // backgrounds that failed

 private:
  // What became of one background.
  struct TOutcome {
    std::optional<TComposedPicture> Picture;  // none: failed, or dropped
    QString Error;
  };

  void Work();
  void PublishInTurn();
  TCaptionLabel* CaptionOf(std::optional<TCaptionLabel>& caption);
  TOutcome Compose(int32_t index, const TCaptionSource& caption);
  // Names the background's file and prints its lines; true when written.
  bool Publish(int32_t index, TOutcome& outcome);
  void Finished();

  const TRenderSettings& settings_;
  const TBitmap& picture_;
  TConsole& console_;
  const int32_t total_;
  int32_t window_ = 0;  // how far past the turn a worker may start

  std::mutex mutex_;
  std::condition_variable changed_;
  std::atomic<bool> stop_{false};
  bool fontsReady_ = false;
  int32_t next_ = 0;  // the next background to take
  int32_t turn_ = 0;  // the backgrounds before it have been published
  int32_t running_ = 0;
  int32_t written_ = 0;
  int32_t failed_ = 0;
  std::map<int32_t, TOutcome> ready_;      // finished, waiting for their turn
  std::map<QString, int32_t> nextNumber_;  // per folder: where the next name's search starts (publisher only)
  std::vector<std::thread> threads_;
};
