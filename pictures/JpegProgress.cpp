#include "pictures/JpegProgress.h"

#include <algorithm>

#include "toolkit/IntMath.h"

std::optional<TJpegProgressReport> TJpegProgressMeter::Update(const TJpegProgressState& state) {
  const uint32_t now = ticks_();
  if (!started_) {
    started_ = true;
    lastTick_ = now;
    return std::nullopt;
  }
  if (now - lastTick_ < 500) return std::nullopt;
  const double pass = state.PassLimit > 0 ? static_cast<double>(state.PassCounter) / state.PassLimit : 0.0;
  const int passes = state.TotalPasses > 0 ? state.TotalPasses : 1;
  const int percent = std::clamp(static_cast<int>(Trunc((pass + state.CompletedPasses) * 100.0 / passes)), 0, 100);
  if (percent == lastPercent_) return std::nullopt;
  lastTick_ = now;
  lastPercent_ = percent;
  TJpegProgressReport report;
  report.Percent = static_cast<uint8_t>(percent);
  // A row before the last one means a new pass: the band runs to the bottom.
  report.Band = Rect(0, lastRow_, state.Width, state.Row >= lastRow_ ? state.Row : state.Height);
  report.RedrawNow = report.Band.Height() >= 4;
  lastRow_ = state.Row;
  return report;
}
