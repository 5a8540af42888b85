#include "toolkit/window/FrameFit.h"

#include <QEvent>
#include <QRect>
#include <QWindow>

#include "toolkit/window/Form.h"

TFrameFit::TFrameFit(TForm& form) : QObject(&form), form_(form) {
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
    const QRect frame(form_.Left(), form_.Top(), form_.width(), form_.height());
    const QRect client = frame.marginsRemoved(window->frameMargins());
    if (client != frame) form_.SetClientBounds(client.x(), client.y(), client.width(), client.height());
  }
  return false;
}
