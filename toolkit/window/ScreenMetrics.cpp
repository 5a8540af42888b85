#include "toolkit/window/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const TScreenMetrics*& Current() {
  static const TScreenMetrics* current = nullptr;
  return current;
}

}  // namespace

TScreenMetrics ScreenMetricsOf(const QWidget* widget) {
  if (Current()) return *Current();
  const QScreen* screen = widget ? widget->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->geometry(), screen->availableGeometry(), screen->devicePixelRatio()};
}

TScreenMetricsOverride::TScreenMetricsOverride(const TScreenMetrics& metrics)
    : previous_(Current()), metrics_(metrics) {
  Current() = &metrics_;
}

TScreenMetricsOverride::~TScreenMetricsOverride() { Current() = previous_; }
