// Every test program runs inside a headless GUI application, as the
// renderer needs one for fonts.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "pictures/JpegStartup.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  StartJpegSupport();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
