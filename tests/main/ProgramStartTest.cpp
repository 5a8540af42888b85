// A start-up that cannot make one of its windows: the program says why and
// ends with status 1, and no global names a window that is gone.
#include <gtest/gtest.h>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "support/widget/ProgramTestSupport.h"

namespace {

const QString kFailure = QStringLiteral("Cannot create file /nowhere/font.cache");

// Windows whose constructors fail once the window itself has been made.
class TFailingComposition : public TForm2 {
 public:
  TFailingComposition() { throw EFCreateError(QStringLiteral("/nowhere/font.cache")); }
};
class TFailingPanel : public TForm1 {
 public:
  TFailingPanel() { throw EFCreateError(QStringLiteral("/nowhere/font.cache")); }
};

struct TStartCase {
  const char* Name;
  void (*Break)(TWindowMakers& makers);
};

class ProgramStart : public ::testing::TestWithParam<TStartCase> {};

TEST_P(ProgramStart, AWindowThatCannotBeMadeShowsWhyAndEndsWithStatusOne) {
  TRecordingDialogs dialogs;
  const TDialogsOverride answered(dialogs);
  TWindowMakers makers = TWindowMakers::Program();
  GetParam().Break(makers);
  EXPECT_EQ(RunProgram(Application(), QString(), makers), 1);
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_EQ(dialogs.Messages[0].Text, kFailure);
  EXPECT_EQ(dialogs.Messages[0].Caption, "Vellumo 2.0");
  EXPECT_EQ(dialogs.Messages[0].Kind, mkError);
  EXPECT_EQ(Form4, nullptr);
  EXPECT_EQ(Form2, nullptr);
  EXPECT_EQ(Form1, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ProgramStart,
    ::testing::Values(
        TStartCase{"Composition",
                   [](TWindowMakers& m) { m.MakeForm2 = [] { return std::make_unique<TFailingComposition>(); }; }},
        TStartCase{"Panel",
                   [](TWindowMakers& m) {
                     m.MakeForm1 = []() -> std::unique_ptr<TForm1> { return std::make_unique<TFailingPanel>(); };
                   }}),
    [](const ::testing::TestParamInfo<TStartCase>& info) { return std::string(info.param.Name); });

}  // namespace
