#pragma once
#include <QRect>
#include <QtGlobal>

class QWidget;

// What the program asks of a screen, in logical pixels: its whole area,
// the part windows may use (without panels and docks), and how many device
// pixels make one logical pixel.
struct TScreenMetrics {
  QRect Geometry;
  QRect Available;
  qreal Ratio = 1;
};

// The metrics of the screen Widget is on (the primary screen for none),
// unless a test has put others in their place.
TScreenMetrics ScreenMetricsOf(const QWidget* widget);

// Puts Metrics in place of every screen's for the guard's lifetime.
class TScreenMetricsOverride {
 public:
  explicit TScreenMetricsOverride(const TScreenMetrics& metrics);
  ~TScreenMetricsOverride();
  TScreenMetricsOverride(const TScreenMetricsOverride&) = delete;
  TScreenMetricsOverride& operator=(const TScreenMetricsOverride&) = delete;

 private:
  const TScreenMetrics* previous_;
  TScreenMetrics metrics_;
};
