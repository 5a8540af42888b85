// "vellumo [FILE]": what each command line asks for, and the arguments
// Qt is given, with the platform list when the user chose no platform.
#include <gtest/gtest.h>

#include <QStringList>
#include <string>

#include "main/CommandLine.h"

namespace {

struct TArgumentsCase {
  const char* Name;
  QStringList Arguments;
  TCommandAction Action;
  const char* File;
};

class CommandLine : public ::testing::TestWithParam<TArgumentsCase> {};

TEST_P(CommandLine, AsksForWhatItSays) {
  const TCommandLine command = ParseCommandLine(GetParam().Arguments);
  EXPECT_EQ(command.Action, GetParam().Action);
  EXPECT_EQ(command.File, QString::fromUtf8(GetParam().File));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLine,
    ::testing::Values(TArgumentsCase{"Nothing", {}, caRun, ""},
                      TArgumentsCase{"OneFile", {"Фото/луг.jpg"}, caRun, "Фото/луг.jpg"},
                      TArgumentsCase{"AFileAfterDashes", {"--", "-луг.jpg"}, caRun, "-луг.jpg"},
                      TArgumentsCase{"Help", {"--help"}, caHelp, ""},
                      TArgumentsCase{"Version", {"--version"}, caVersion, ""},
                      TArgumentsCase{"TwoFiles", {"a.jpg", "b.jpg"}, caUsageError, ""},
                      TArgumentsCase{"AnUnknownOption", {"--bogus"}, caUsageError, ""},
                      TArgumentsCase{"AShortOption", {"-h"}, caUsageError, ""},
                      TArgumentsCase{"ALoneDash", {"-"}, caUsageError, ""},
                      TArgumentsCase{"AnEmptyName", {""}, caUsageError, ""},
                      TArgumentsCase{"HelpAndAFile", {"--help", "a.jpg"}, caUsageError, ""},
                      TArgumentsCase{"HelpAndVersion", {"--help", "--version"}, caUsageError, ""},
                      TArgumentsCase{"AnOptionAfterAFile", {"a.jpg", "--bogus"}, caUsageError, ""}),
    [](const ::testing::TestParamInfo<TArgumentsCase>& info) { return std::string(info.param.Name); });

TEST(CommandLineTexts, NameTheProgramItsVersionAndItsOneArgument) {
  EXPECT_EQ(VersionText(), QStringLiteral("vellumo " VELLUMO_VERSION "\n"));
  EXPECT_EQ(UsageLine(), QStringLiteral("Usage: vellumo [FILE] (see vellumo --help)\n"));
  EXPECT_TRUE(HelpText().startsWith(QStringLiteral("Usage: vellumo [FILE]\n\n")));
  EXPECT_TRUE(HelpText().endsWith(QStringLiteral("  --version  show the version and exit\n")));
}

struct TPlatformCase {
  const char* Name;
  const char* Platform;
  QStringList Expected;
};

class QtArguments : public ::testing::TestWithParam<TPlatformCase> {};

TEST_P(QtArguments, AreTheNameAndThePlatformListUnlessOneWasChosen) {
  TQtArguments arguments("/usr/bin/vellumo", QByteArray(GetParam().Platform));
  QStringList given;
  for (int i = 0; i < arguments.Argc(); ++i) given << QString::fromLocal8Bit(arguments.Argv()[i]);
  EXPECT_EQ(given, GetParam().Expected);
  EXPECT_EQ(arguments.Argv()[arguments.Argc()], nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, QtArguments,
    ::testing::Values(TPlatformCase{"Unset", nullptr, {"/usr/bin/vellumo", "-platform", "xcb;wayland"}},
                      TPlatformCase{"Empty", "", {"/usr/bin/vellumo", "-platform", "xcb;wayland"}},
                      TPlatformCase{"Wayland", "wayland", {"/usr/bin/vellumo"}},
                      TPlatformCase{"Offscreen", "offscreen", {"/usr/bin/vellumo"}}),
    [](const ::testing::TestParamInfo<TPlatformCase>& info) { return std::string(info.param.Name); });

}  // namespace
