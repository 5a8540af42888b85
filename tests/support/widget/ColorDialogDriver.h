#pragma once
#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <functional>

// Runs Act on Qt's colour dialog as soon as one shows, as a user would
// answer it.
inline void WhenColorDialogShown(std::function<void(QColorDialog& dialog)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QColorDialog*>(widget);
      if (!dialog || !dialog->isVisible()) continue;
      poll->stop();
      poll->deleteLater();
      act(*dialog);
      return;
    }
  });
  poll->start(10);
}
