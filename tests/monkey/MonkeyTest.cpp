// Random input against the program's three windows: no crash, no hang, no
// stray file. The seeds below run in CI; scripts/monkey.sh replays one.
#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>
#include <cstdio>
#include <vector>

#include "monkey/HandlerTrace.h"
#include "monkey/MonkeyRun.h"

namespace {

constexpr int32_t kCiEvents = 5000;
constexpr uint32_t kCiSeeds[] = {1, 2, 3};

// Seeds that once found a fault, with the fault; they always run.
struct TRegression {
  uint32_t Seed;
  int32_t Events;
  const char* Fault;
};
const std::vector<TRegression> kRegressions = {
    {1, 51, "\"*\" on the folder tree walked every folder below, round the link loops"},
    {2, 5000, "a window dragged again and again past X11's range overflowed its place"},
};

// The handlers of the windows that a user's input can reach.
const char* const kHandlers[] = {
    "TForm1::FormShow",         "TForm1::FCB1Select",         "TForm1::SE6Change",
    "TForm1::LMDColorComboBox1Change", "TForm1::RzBmpButton7Click", "TForm1::AttrBoxClick",
    "TForm1::CheckBox1Click",   "TForm1::LMDComboBox1Change", "TForm1::LMDExtSpinEdit1Change",
    "TForm1::LMDExtSpinEdit3Change", "TForm1::LMDExtSpinEdit2Change", "TForm1::LMDExtSpinEdit4Change",
    "TForm1::CCB1Change",       "TForm1::CCB2Change",         "TForm1::RzBmpButton1Click",
    "TForm1::RzBmpButton2Click", "TForm1::RG1Click",          "TForm1::RG2Click",
    "TForm1::PageControl2Change", "TForm1::RzBmpButton3Click", "TForm1::ComboBox1Change",
    "TForm1::CCB3Change",       "TForm1::RzBmpButton4Click",  "TForm1::ComboBox2Change",
    "TForm1::Button1Click",     "TForm1::Button2Click",       "TForm1::LMDComboBox2Change",
    "TForm1::LMDExtSpinEdit5Change", "TForm1::CCB6Change",    "TForm1::RzBmpButton8Click",
    "TForm1::Memo1Change",      "TForm2::FormShow",           "TForm2::Image1MouseDown",
    "TForm2::Image1MouseUp",    "TForm2::Image1MouseMove",    "TForm2::fcLabel1MouseMove",
    "TForm2::N3Click",          "TForm2::N4Click",            "TForm2::bmp1Click",
    "TForm2::jpg1Click",        "TForm2::png1Click",          "TForm2::SaveAsBmp",
    "TForm2::SaveAsJpg",        "TForm2::SaveAsPng",
    "TForm2::Delay",            "TForm4::RzFileListBox1Change", "TForm4::RzFileListBox1DblClick",
};

// Qt's notes on what the fuzzer does on purpose (a release off every
// window, a raise the offscreen platform cannot do) would bury its report.
void QuietAboutTheInput(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.contains(QLatin1String("outside target window")) || message.contains(QLatin1String("does not support")))
    return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
  if (type == QtFatalMsg) std::abort();
}

// Runs Seed; a failure prints its report and the way to replay it.
bool Passes(uint32_t seed, int32_t events) {
  qInstallMessageHandler(QuietAboutTheInput);
  TMonkeyRun run(seed, events);
  const QString failure = run.Run();
  if (failure.isEmpty()) return true;
  std::fprintf(stderr, "%s\nreplay: bash scripts/monkey.sh %u %d\n", qPrintable(failure), seed, events);
  return false;
}

// How many of the handlers ran; lists those that did not.
int32_t HandlersRun(QStringList& missed) {
  QStringList run;
  for (const QString& function : FunctionsRun()) run << function.left(function.indexOf(QLatin1Char('(')));
  int32_t count = 0;
  for (const char* handler : kHandlers) {
    if (run.contains(QLatin1String(handler)))
      ++count;
    else
      missed << QLatin1String(handler);
  }
  return count;
}

TEST(Monkey, CiSeedsBreakNothingAndReachTheHandlers) {
  for (const uint32_t seed : kCiSeeds) EXPECT_TRUE(Passes(seed, kCiEvents)) << "seed " << seed;
  if (!HandlersRecorded()) return;
  QStringList missed;
  const int32_t reached = HandlersRun(missed);
  const int32_t all = static_cast<int32_t>(std::size(kHandlers));
  std::printf("monkey: %d of %d handlers ran; not reached: %s\n", reached, all, qPrintable(missed.join(", ")));
  EXPECT_GE(reached * 100, all * 80);
}

TEST(Monkey, RegressionSeedsStayFixed) {
  for (const TRegression& regression : kRegressions)
    EXPECT_TRUE(Passes(regression.Seed, regression.Events)) << regression.Fault;
}

// A seed of the day finds what the fixed ones do not; it reports, but a
// failure there does not fail CI: its seed goes into the regression table.
TEST(Monkey, TodaysSeedReports) {
  const uint32_t seed = static_cast<uint32_t>(QDate::currentDate().toJulianDay());
  if (!Passes(seed, kCiEvents)) std::printf("monkey: today's seed %u found a fault (above)\n", seed);
}

// One seed with the windows mapped on a real X server (label xvfb).
TEST(Monkey, MappedWindowsBreakNothing) {
  if (qgetenv("QT_QPA_PLATFORM") != "xcb") GTEST_SKIP() << "needs the X server of scripts/xtest.sh";
  EXPECT_TRUE(Passes(7, 2000));
}

// scripts/monkey.sh SEED EVENTS: one seed, its inputs printed.
TEST(Monkey, Replay) {
  const QByteArray seed = qgetenv("MONKEY_SEED");
  if (seed.isEmpty()) GTEST_SKIP() << "MONKEY_SEED is not set";
  qInstallMessageHandler(QuietAboutTheInput);
  TMonkeyRun run(seed.toUInt(), qEnvironmentVariableIntValue("MONKEY_EVENTS"));
  const QString failure = run.Run();
  std::printf("%s\n", qPrintable(run.Inputs().join(QLatin1Char('\n'))));
  EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
}

}  // namespace
