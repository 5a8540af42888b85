#include "toolkit/window/FrameFit.h"

#include <QEvent>
#include <QWindow>

#include "toolkit/window/Form.h"

TFrameFit::TFrameFit(TForm& form) : QObject(&form), form_(form), frame_(form.geometry()) {
  form_.installEventFilter(this);
}

bool TFrameFit::eventFilter(QObject* watched, QEvent* event) {
  QWindow* window = form_.windowHandle();
  if (watched == &form_ && event->type() == QEvent::Show && window) {
    // The window exists from its first show on; it is exposed later.
    form_.removeEventFilter(this);
    window->installEventFilter(this);
  } else if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
    window->removeEventFilter(this);
    const QRect client = frame_.marginsRemoved(window->frameMargins());
    if (client != frame_) form_.SetClientBounds(client.x(), client.y(), client.width(), client.height());
  }
  return false;
}
