// The built program's command line as a shell meets it, with no display
// at all: --help and --version answer, a wrong line gets the usage line
// and status 2, and a start without any window system ends with Qt's own
// message and a status other than 0.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct TRunCase {
  const char* Name;
  QStringList Arguments;
  int Status;          // -1: any but 0
  const char* Out;     // the start of standard output
  const char* Errors;  // text standard error holds
};

class ProgramCommandLine : public ::testing::TestWithParam<TRunCase> {};

TEST_P(ProgramCommandLine, AnswersWithoutADisplay) {
  const TRunCase& c = GetParam();
  QTemporaryDir runtime;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QString::fromLatin1(name));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VELLUMO_BINARY_DIR "/main/vellumo"), c.Arguments);
  ASSERT_TRUE(program.waitForFinished(30000));
  const QString out = QString::fromUtf8(program.readAllStandardOutput());
  const QString errors = QString::fromUtf8(program.readAllStandardError());
  const bool ended = program.exitStatus() == QProcess::NormalExit;
  if (c.Status < 0) {
    EXPECT_TRUE(!ended || program.exitCode() != 0);
  } else {
    EXPECT_TRUE(ended);
    EXPECT_EQ(program.exitCode(), c.Status);
  }
  if (*c.Out) {
    EXPECT_TRUE(out.startsWith(QString::fromUtf8(c.Out))) << out.toStdString();
  } else {
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
  }
  if (*c.Errors) {
    EXPECT_TRUE(errors.contains(QString::fromUtf8(c.Errors))) << errors.toStdString();
  } else {
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProgramCommandLine,
    ::testing::Values(
        TRunCase{"Help", {"--help"}, 0, "Usage: vellumo [FILE]\n\nPuts a decorative caption", ""},
        TRunCase{"Version", {"--version"}, 0, "vellumo " VELLUMO_VERSION "\n", ""},
        TRunCase{"AnUnknownOption", {"--bogus"}, 2, "", "Usage: vellumo [FILE] (see vellumo --help)\n"},
        TRunCase{"TwoFiles", {"a.jpg", "b.jpg"}, 2, "", "Usage: vellumo [FILE] (see vellumo --help)\n"},
        TRunCase{"NoWindowSystem", {}, -1, "", "could not connect to display"}),
    [](const ::testing::TestParamInfo<TRunCase>& info) { return std::string(info.param.Name); });

}  // namespace
