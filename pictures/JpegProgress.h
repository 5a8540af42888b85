#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "toolkit/Geometry.h"
#include "toolkit/TickCount.h"

// Where a running JPEG codec stands: libjpeg's pass counters, the row
// reached and the picture's size.
struct TJpegProgressState {
  long PassCounter = 0;
  long PassLimit = 0;
  int CompletedPasses = 0;
  int TotalPasses = 1;
  int32_t Row = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

struct TJpegProgressReport {
  uint8_t Percent = 0;
  TRect Band;  // rows finished since the last report, full width
  bool RedrawNow = false;
};

// Thins libjpeg's progress calls out into reports: the first call only
// starts the clock; after that a report is due at most every 500 ms and
// only when the whole percentage has changed.
class TJpegProgressMeter {
 public:
  explicit TJpegProgressMeter(TTickSource ticks) : ticks_(std::move(ticks)) {}
  std::optional<TJpegProgressReport> Update(const TJpegProgressState& state);

 private:
  TTickSource ticks_;
  bool started_ = false;
  uint32_t lastTick_ = 0;
  int lastPercent_ = 0;
  int32_t lastRow_ = 0;
};
