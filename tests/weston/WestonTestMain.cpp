// The Wayland tests run inside a headless weston (scripts/westontest.sh,
// which names the session in VELLUMO_WESTON_SESSION: "xwayland" or
// "wayland"), in the program's own application object on the platform the
// program chooses itself. Elsewhere no application is made and every test
// reports itself skipped.
#include <gtest/gtest.h>

#include "main/Application.h"
#include "main/CommandLine.h"
#include "pictures/JpegStartup.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests) || qEnvironmentVariableIsEmpty("VELLUMO_WESTON_SESSION")) return RUN_ALL_TESTS();
  TQtArguments qtArguments(argv[0], qgetenv("QT_QPA_PLATFORM"));
  TApplication application(qtArguments.Argc(), qtArguments.Argv());
  application.setApplicationName(QStringLiteral("Vellumo 2.0"));
  StartJpegSupport();
  return RUN_ALL_TESTS();
}
