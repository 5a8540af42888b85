#include "main/Application.h"

#include <QScopedValueRollback>
#include <exception>

#include "toolkit/Exceptions.h"
#include "toolkit/window/Dialogs.h"

namespace {

QString MessageOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& exception) {
    return exception.Message();
  } catch (const std::bad_alloc&) {
    return QStringLiteral("Out of memory");
  } catch (const std::exception& exception) {
    return QString::fromUtf8(exception.what());
  }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The program ends when its main window closes, whatever else is shown.
  setQuitOnLastWindowClosed(false);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception&) {
    ShowException();
    return false;
  }
}

void TApplication::ShowException() {
  const QString message = MessageOf(std::current_exception());
  if (showingException_) return;
  const QScopedValueRollback<bool> showing(showingException_, true);
  Dialogs().ShowMessage(activeWindow(), message, ApplicationTitle(), mkError);
}
