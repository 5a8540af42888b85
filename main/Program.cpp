#include "main/Program.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <exception>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "main/Application.h"

TWindowMakers TWindowMakers::Program() {
  return {[] { return std::make_unique<TForm4>(); }, [] { return std::make_unique<TForm2>(); },
          [] { return std::make_unique<TForm1>(); }};
}

namespace {

// The browser, with the end of the message loop when it closes.
std::unique_ptr<TForm4> MainWindow(TApplication& application, const TWindowMakers& makers) {
  std::unique_ptr<TForm4> browser = makers.MakeForm4();
  browser->OnClose = [&application] { application.exit(0); };
  return browser;
}

// The program's icon in every size the build rendered into the resources.
QIcon ProgramIcon() {
  QIcon icon;
  const QDir sizes(QStringLiteral(":/icon"));
  for (const QString& name : sizes.entryList(QDir::Files)) icon.addFile(sizes.filePath(name));
  return icon;
}

}  // namespace

TProgramWindows::TProgramWindows(TApplication& application, const TWindowMakers& makers)
    : form4_(Form4, MainWindow(application, makers)),
      form2_(Form2, makers.MakeForm2()),
      form1_(Form1, makers.MakeForm1()) {}

TProgramWindows::~TProgramWindows() = default;

int RunProgram(TApplication& application, const QString& file, const TWindowMakers& makers) {
  // The browser's list moves the process's current folder.
  const QString opened = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
  application.setApplicationName(QStringLiteral("Vellumo 2.0"));
  // Wayland desktops match the windows to the menu entry by this name, X11
  // ones by the application name (the entry's StartupWMClass).
  application.setDesktopFileName(QStringLiteral(VELLUMO_APP_ID));
  application.setWindowIcon(ProgramIcon());
  try {
    const TProgramWindows windows(application, makers);
    Form4->show();
    // From the loop, whose default handler shows why a file cannot be opened.
    if (!opened.isEmpty()) QTimer::singleShot(0, Form4, [opened] { Form4->OpenFile(opened); });
    return application.exec();
  } catch (const std::exception&) {
    // No window to carry on in: the program ends, saying why.
    application.ShowException();
    return 1;
  }
}
