// The icon the build renders: each size from the SVG, the same pixels on
// every build.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class IconSize : public ::testing::TestWithParam<int> {};

// A second rendering, made as the build makes it, holds exactly the pixels
// of the build's; the corners, outside the rounded frame, stay transparent.
TEST_P(IconSize, RendersTheSamePixelsAgain) {
  const int size = GetParam();
  const QImage built(QStringLiteral(VELLUMO_BINARY_DIR "/packaging/icons/%1.png").arg(size));
  ASSERT_EQ(built.size(), QSize(size, size)) << "no " << size << " x " << size << " icon was built";
  const QTemporaryDir dir;
  const QString again = dir.filePath(QStringLiteral("again.png"));
  const QString number = QString::number(size);
  ASSERT_EQ(QProcess::execute(QStringLiteral("rsvg-convert"),
                              {"--width", number, "--height", number, "--output", again,
                               QStringLiteral(VELLUMO_TEST_FILES "/../../packaging/vellumo.svg")}),
            0);
  EXPECT_EQ(QImage(again).convertToFormat(QImage::Format_ARGB32), built.convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(qAlpha(built.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(built.pixel(size / 2, size / 2)), 255);
}

INSTANTIATE_TEST_SUITE_P(Theme, IconSize, ::testing::Values(16, 32, 48, 128, 256));

}  // namespace
