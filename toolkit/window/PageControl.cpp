#include "toolkit/window/PageControl.h"

#include <QProxyStyle>
#include <QScopedValueRollback>
#include <QTabBar>

namespace {

// Tabs with the narrow margins of the platform's page controls: a panel's
// sub-pages fit a narrow page control only so.
class TNarrowTabsStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    return metric == PM_TabBarTabHSpace ? 4 : QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
  QProxyStyle* narrow = new TNarrowTabsStyle;
  narrow->setParent(this);
  tabBar()->setStyle(narrow);
  connect(this, &QTabWidget::currentChanged, this, [this] {
    if (!turning_ && OnChange) OnChange();
  });
}

void TPageControl::SetActivePage(QWidget* page) {
  const QScopedValueRollback<bool> turning(turning_, true);
  setCurrentWidget(page);
}
