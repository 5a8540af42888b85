#include "main/Program.h"

#include <QDir>
#include <QIcon>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "main/Application.h"

TProgramWindows::TProgramWindows(TApplication& application) {
  form4_ = std::make_unique<TForm4>();
  Form4 = form4_.get();
  Form4->OnClose = [&application] { application.exit(0); };
  form2_ = std::make_unique<TForm2>();
  Form2 = form2_.get();
  form1_ = std::make_unique<TForm1>();
  Form1 = form1_.get();
}

TProgramWindows::~TProgramWindows() {
  form1_.reset();
  Form1 = nullptr;
  form2_.reset();
  Form2 = nullptr;
  form4_.reset();
  Form4 = nullptr;
}

namespace {

// The program's icon in every size the build rendered into the resources.
QIcon ProgramIcon() {
  QIcon icon;
  const QDir sizes(QStringLiteral(":/icon"));
  for (const QString& name : sizes.entryList(QDir::Files)) icon.addFile(sizes.filePath(name));
  return icon;
}

}  // namespace

int RunProgram(TApplication& application) {
  application.setApplicationName(QStringLiteral("Vellumo 2.0"));
  // Wayland desktops match the windows to the menu entry by this name, X11
  // ones by the application name (the entry's StartupWMClass).
  application.setDesktopFileName(QStringLiteral(VELLUMO_APP_ID));
  application.setWindowIcon(ProgramIcon());
  const TProgramWindows windows(application);
  Form4->show();
  return application.exec();
}
