#pragma once
#include <QTabWidget>
#include <functional>

// Pages with tabs. OnChange runs when the user turns to another page, with
// the mouse or the keyboard; the program turns pages silently with
// SetActivePage.
class TPageControl : public QTabWidget {
 public:
  explicit TPageControl(QWidget* parent);

  void SetActivePage(QWidget* page);

  std::function<void()> OnChange;

 private:
  bool turning_ = false;
};
