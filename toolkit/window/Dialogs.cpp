#include "toolkit/window/Dialogs.h"

#include <QCoreApplication>

#include "toolkit/window/PlatformDialogs.h"

namespace {

TDialogs*& Current() {
  static TPlatformDialogs platform;
  static TDialogs* current = &platform;
  return current;
}

}  // namespace

TDialogs& Dialogs() { return *Current(); }

TDialogsOverride::TDialogsOverride(TDialogs& replacement) : previous_(Current()) { Current() = &replacement; }

TDialogsOverride::~TDialogsOverride() { Current() = previous_; }

QString ApplicationTitle() { return QCoreApplication::applicationName(); }
