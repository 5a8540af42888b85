#include "tools/render/Progress.h"

#include <cmath>

namespace {

// m:ss, or h:mm:ss from an hour on.
QString Duration(int64_t seconds) {
  const QString minutesAndSeconds =
      QStringLiteral("%1:%2").arg(seconds / 60 % 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
  if (seconds < 3600) return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
  return QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesAndSeconds.rightJustified(5, QLatin1Char('0')));
}

}  // namespace

QString ProgressLine(int32_t done, int32_t total, double seconds) {
  QString line = QStringLiteral("%1/%2").arg(done).arg(total);
  if (done <= 0 || seconds <= 0) return line;
  const double rate = done / seconds;
  const auto left = static_cast<int64_t>(std::ceil((total - done) / rate));
  return line + QStringLiteral("  %1 pictures/s  %2 left").arg(rate, 0, 'f', 1).arg(Duration(left));
}
