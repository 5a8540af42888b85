#pragma once
#include <QObject>

class TForm;

// Gives a window's outer frame, not its client area, the bounds that the
// program last gave the client area, as the classic desktop's window
// bounds are the frame's. The frame's extents are known only once a
// window manager has framed the window: at the window's first exposure
// after its first show, the client area is moved in and shrunk by them,
// once. Without a window manager the extents are nil and nothing changes.
// Owned by the window.
class TFrameFit : public QObject {
 public:
  explicit TFrameFit(TForm& form);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TForm& form_;
};
