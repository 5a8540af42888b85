// Every test program of the windows runs inside the program's own
// application object, on the platform the test script chose (offscreen,
// or X11 under Xvfb), with the program's title.
#include <gtest/gtest.h>

#include "main/Application.h"
#include "pictures/JpegStartup.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests needs no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  int qtArgc = 1;
  TApplication application(qtArgc, argv);
  application.setApplicationName(QStringLiteral("Vellumo 2.0"));
  StartJpegSupport();
  return RUN_ALL_TESTS();
}
