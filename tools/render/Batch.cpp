#include "tools/render/Batch.h"

#include <new>
#include <sched.h>

#include "toolkit/Exceptions.h"

int32_t UsableProcessors() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
  return std::max(1, CPU_COUNT(&set));
}

TBatch::TBatch(const TRenderSettings& settings, const TBitmap& picture, TConsole& console)
    : settings_(settings),
      picture_(picture),
      console_(console),
      total_(static_cast<int32_t>(settings.Backgrounds.size())) {
  const int32_t jobs = std::min(settings.Jobs > 0 ? settings.Jobs : UsableProcessors(), total_);
  // Finished pictures wait for their turn as files without names, holding
  // no pixels; the window keeps their number bounded.
  window_ = 2 * jobs;
  running_ = jobs + 1;
  try {
    threads_.emplace_back([this] { PublishInTurn(); });
    for (int32_t i = 0; i < jobs; ++i) threads_.emplace_back([this] { Work(); });
  } catch (...) {
    // No thread could be had: those started are stopped before the error
    // goes on.
    Stop();
    for (std::thread& thread : threads_) thread.join();
    throw;
  }
}

TBatch::~TBatch() {
  Stop();
  for (std::thread& thread : threads_) thread.join();
}

void TBatch::FontsReady() {
  std::lock_guard<std::mutex> lock(mutex_);
  fontsReady_ = true;
  changed_.notify_all();
}

bool TBatch::WaitFor(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, timeout, [this] { return running_ == 0; });
}

void TBatch::Stop() {
  std::lock_guard<std::mutex> lock(mutex_);
  stop_ = true;
  changed_.notify_all();
}

int32_t TBatch::Done() {
  std::lock_guard<std::mutex> lock(mutex_);
  return turn_;
}

int32_t TBatch::Written() {
  std::lock_guard<std::mutex> lock(mutex_);
  return written_;
}

int32_t TBatch::Failed() {
  std::lock_guard<std::mutex> lock(mutex_);
  return failed_;
}

void TBatch::Finished() {
  std::lock_guard<std::mutex> lock(mutex_);
  --running_;
  changed_.notify_all();
}

void TBatch::Work() {
  std::optional<TCaptionLabel> caption;
  const TCaptionSource source = [&] { return CaptionOf(caption); };
  for (;;) {
    int32_t index = 0;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return stop_ || next_ >= total_ || next_ < turn_ + window_; });
      if (stop_ || next_ >= total_) break;
      index = next_++;
    }
    TOutcome outcome = Compose(index, source);
    std::lock_guard<std::mutex> lock(mutex_);
    ready_.emplace(index, std::move(outcome));
    changed_.notify_all();
  }
  // The caption goes while the GUI application still runs.
  caption.reset();
  Finished();
}

TCaptionLabel* TBatch::CaptionOf(std::optional<TCaptionLabel>& caption) {
  if (!caption) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return stop_ || fontsReady_; });
      if (stop_) return nullptr;
    }
    caption.emplace(settings_, picture_);
  }
  return &*caption;
}

TBatch::TOutcome TBatch::Compose(int32_t index, const TCaptionSource& caption) {
  TOutcome outcome;
  try {
    outcome.Picture = ComposePicture(settings_, settings_.Backgrounds[index], caption, stop_);
  } catch (const Exception& error) {
    outcome.Error = error.Message();
  } catch (const std::bad_alloc&) {
    outcome.Error = EOutOfMemory().Message();
  }
  return outcome;
}

void TBatch::PublishInTurn() {
  for (int32_t index = 0; index < total_; ++index) {
    TOutcome outcome;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [&] { return stop_ || ready_.count(index) != 0; });
      if (stop_) break;
      outcome = std::move(ready_.at(index));
      ready_.erase(index);
    }
    // The disk is waited for outside the lock, while the workers go on.
    const bool written = Publish(index, outcome);
    std::lock_guard<std::mutex> lock(mutex_);
    ++(written ? written_ : failed_);
    turn_ = index + 1;
    changed_.notify_all();
  }
  Finished();
}

bool TBatch::Publish(int32_t index, TOutcome& outcome) {
  const QString& background = settings_.Backgrounds[index];
  if (outcome.Picture) {
    TComposedPicture& picture = *outcome.Picture;
    if (!picture.Note.isEmpty()) console_.Err(background + QStringLiteral(": ") + picture.Note);
    try {
      // Each folder's numbers go up in the order of the backgrounds.
      int32_t& first = nextNumber_.try_emplace(picture.Folder, 1).first->second;
      const TNumberedFile file = picture.Commit(settings_, first);
      first = file.Number + 1;
      const TRect& label = picture.Label;
      console_.Out(QStringLiteral("wrote %1\nlabel %2,%3 %4x%5\n")
                       .arg(file.Path)
                       .arg(label.Left)
                       .arg(label.Top)
                       .arg(label.Width())
                       .arg(label.Height()));
      return true;
    } catch (const Exception& error) {
      outcome.Error = error.Message();
    } catch (const std::bad_alloc&) {
      outcome.Error = EOutOfMemory().Message();
    }
  }
  console_.Err(total_ > 1 ? background + QStringLiteral(": ") + outcome.Error : outcome.Error);
  return false;
}
