#pragma once
#include <QCursor>
#include <QGuiApplication>

// Shows the busy cursor over the whole application for the guard's
// lifetime, however the scope is left.
class TBusyCursor {
 public:
  TBusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};
