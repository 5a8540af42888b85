// vellumo-render over many backgrounds at once, as a user runs it.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "pictures/Jpeg.h"
#include "support/MadeFiles.h"
#include "toolkit/Alignment.h"
#include "tools/ToolProcess.h"
#include "toolkit/windowless/HeadlessHost.h"
#include "tools/render/LabelSettings.h"
#include "tools/render/RenderOptions.h"

namespace {

class BatchTool : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  TRun Run(const QStringList& arguments) const { return Execute(RenderToolPath(), arguments, dir_.path()); }

  // A background whose pixels tell its size and place apart, written by
  // Qt's own writer (BMP or JPEG by the name).
  void Background(const QString& name, int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        image.setPixel(x, y, qRgb((x * 3) & 0xFF, (y * 5) & 0xFF, (x + y + width) & 0xFF));
    ASSERT_TRUE(image.save(Path(name), nullptr, 92));
  }
  QByteArray Bytes(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  QStringList Entries(const QString& folder = QString()) const {
    return QDir(Path(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
  static QStringList Wrote(const TRun& run) {
    QStringList paths;
    for (const QString& line : run.Out.split(QLatin1Char('\n')))
      if (line.startsWith(QLatin1String("wrote ")) && !line.contains(QLatin1String(" of "))) paths << line.mid(6);
    return paths;
  }
  static QRect LabelOf(const TRun& run) {
    static const QRegularExpression line(QStringLiteral("^label (-?\\d+),(-?\\d+) (\\d+)x(\\d+)$"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(run.Out);
    if (!m.hasMatch()) return {};
    return QRect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
  }

  QTemporaryDir dir_;
};

// The first backgrounds are the largest, so later ones finish first; the
// numbers and lines still follow the arguments.
TEST_F(BatchTool, ArgumentOrderNumbersAndLinesWithFourJobs) {
  const QList<QSize> sizes{{900, 700}, {40, 30}, {700, 500}, {30, 20}, {50, 60}, {20, 90}};
  QStringList arguments{"--jobs", "4", "--out-dir", "out", "--text", "Hi"};
  for (int i = 0; i < sizes.size(); ++i) {
    Background(QStringLiteral("bg%1.bmp").arg(i), sizes[i].width(), sizes[i].height());
    arguments << QStringLiteral("bg%1.bmp").arg(i);
  }
  ASSERT_TRUE(QDir(dir_.path()).mkdir("out"));
  const TRun run = Run(arguments);
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
  const QRect label = LabelOf(run);
  QString want;
  for (int i = 0; i < sizes.size(); ++i)
    want += QStringLiteral("wrote out/%1.bmp\nlabel 0,0 %2x%3\n").arg(i + 1).arg(label.width()).arg(label.height());
  EXPECT_EQ(run.Out.toStdString(), (want + "wrote 6 of 6\n").toStdString());
  for (int i = 0; i < sizes.size(); ++i)
    EXPECT_EQ(QImage(Path(QStringLiteral("out/%1.bmp").arg(i + 1))).size(), sizes[i]);
}

TEST_F(BatchTool, OneJobAndFourJobsWriteTheSameBytes) {
  const QList<QSize> sizes{{320, 240}, {200, 500}, {640, 360}, {90, 90}, {480, 270}, {33, 47}};
  QStringList backgrounds;
  for (int i = 0; i < sizes.size(); ++i) {
    Background(QStringLiteral("p%1.jpg").arg(i), sizes[i].width(), sizes[i].height());
    backgrounds << QStringLiteral("p%1.jpg").arg(i);
  }
  const QStringList caption{"--format", "jpg",     "--size", "7.5%",   "--place",  "bottom-right", "--margin",
                            "5",        "--style", "Shadow", "--fill", "gradient", "--text",       "Лето 2024"};
  for (const char* jobs : {"1", "4"}) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("jobs%1").arg(jobs)));
    const TRun run =
        Run(caption + QStringList{"--jobs", jobs, "--out-dir", QStringLiteral("jobs%1").arg(jobs)} + backgrounds);
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  }
  for (int i = 1; i <= sizes.size(); ++i)
    EXPECT_TRUE(Bytes(QStringLiteral("jobs1/%1.jpg").arg(i)) == Bytes(QStringLiteral("jobs4/%1.jpg").arg(i))) << i;
  // A worker's caption, used for several pictures, gives what a run of its
  // own gives.
  ASSERT_EQ(Run(caption + QStringList{"--out", "alone.jpg", backgrounds[4]}).Status, 0);
  EXPECT_TRUE(Bytes("alone.jpg") == Bytes("jobs4/5.jpg"));
}

TEST_F(BatchTool, TheSameFileTwiceIsComposedTwice) {
  Background("a.bmp", 30, 20);
  const TRun run = Run({"a.bmp", "a.bmp"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_EQ(Wrote(run), QStringList({"./1.bmp", "./2.bmp"}));
  EXPECT_EQ(Bytes("1.bmp"), Bytes("2.bmp"));
  EXPECT_TRUE(run.Out.endsWith("wrote 2 of 2\n"));
}

TEST_F(BatchTool, AFailingBackgroundAmongGoodOnes) {
  Background("a.bmp", 30, 20);
  Background("b.bmp", 31, 20);
  Background("c.bmp", 32, 20);
  WriteBytes(Path("broken.jpg"), "\xFF\xD8\xFF\xE0 nonsense");
  const TRun run = Run({"a.bmp", "broken.jpg", "b.bmp", "c.bmp"});
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(run.Out.endsWith("\nwrote 3 of 4\n")) << run.Out.toStdString();
  EXPECT_TRUE(QRegularExpression("^broken\\.jpg: JPEG error #\\d+\n$").match(run.Err).hasMatch()) << run.Err.toStdString();
  EXPECT_EQ(Wrote(run), QStringList({"./1.bmp", "./2.bmp", "./3.bmp"}));
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(QImage(Path(QStringLiteral("%1.bmp").arg(i))).width(), 29 + i);
}

// Backgrounds that cannot be read get their messages in their turn; the
// others are written.
TEST_F(BatchTool, FailingBackgroundsAmongGoodOnes) {
  Background("a.bmp", 30, 20);
  Background("b.jpg", 40, 20);
  Background("c.bmp", 20, 20);
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.jpg"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.bmp")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.jpg")));
  WriteBytes(Path("cut.jpg"), Bytes("b.jpg").left(120));
  const TRun run = Run({"a.bmp", "missing.bmp", "b.jpg", "folder.jpg", "pipe.bmp", "zero.jpg", "cut.jpg", "c.bmp",
                        "--keep-jpeg", "--jobs", "3"});
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(Wrote(run), QStringList({"./1.jpg", "./2.jpg", "./3.jpg"}));
  EXPECT_TRUE(run.Out.endsWith("\nwrote 3 of 8\n")) << run.Out.toStdString();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^a\\.bmp: --keep-jpeg: not a JPEG picture; encoded in full\n"
                                                "missing\\.bmp: Cannot open file missing\\.bmp\n"
                                                "folder\\.jpg: Cannot open file folder\\.jpg\n"
                                                "pipe\\.bmp: Cannot open file pipe\\.bmp\n"
                                                "zero\\.jpg: Cannot open file zero\\.jpg\n"
                                                "cut\\.jpg: JPEG error #\\d+\n"
                                                "c\\.bmp: --keep-jpeg: not a JPEG picture; encoded in full\n$"))
                  .match(run.Err)
                  .hasMatch())
      << run.Err.toStdString();
  EXPECT_EQ(QImage(Path("2.jpg")).size(), QSize(40, 20));
  EXPECT_EQ(QImage(Path("3.jpg")).size(), QSize(20, 20));
}

struct TPlaceCase {
  TLMDAlignment Place;
  bool Large;  // a caption larger than the picture
};

void PrintTo(const TPlaceCase& c, std::ostream* out) { *out << int(c.Place) << (c.Large ? " large" : " small"); }

class BatchPlace : public BatchTool, public ::testing::WithParamInterface<TPlaceCase> {};

// Placed as AlignRectInRect places the label's rectangle in the picture
// shrunk by the margin, and composed exactly as at that point with --at.
TEST_P(BatchPlace, PlacesByAlignmentInsideTheMargin) {
  Background("bg.bmp", 300, 200);
  const QStringList caption = GetParam().Large ? QStringList{"--size", "100", "--text", "WWWWWW"}
                                               : QStringList{"--size", "14", "--text", "Ag", "--style", "Shadow"};
  const QString place = QString::fromLatin1(PlaceChoices.Items[GetParam().Place].Token);
  const TRun placed = Run(caption + QStringList{"bg.bmp", "--place", place, "--margin", "13", "--out", "placed.bmp"});
  ASSERT_EQ(placed.Status, 0) << placed.Err.toStdString();
  const QRect label = LabelOf(placed);
  ASSERT_EQ(GetParam().Large, label.width() > 300) << label.width();
  const TRect want =
      AlignRectInRect(GetParam().Place, Bounds(0, 0, label.width(), label.height()), Rect(13, 13, 287, 187));
  EXPECT_EQ(label.topLeft(), QPoint(want.Left, want.Top));
  const TRun at = Run(caption + QStringList{"bg.bmp", "--at", QStringLiteral("%1,%2").arg(want.Left).arg(want.Top),
                                            "--place", "center", "--out", "at.bmp"});
  ASSERT_EQ(at.Status, 0) << at.Err.toStdString();
  EXPECT_TRUE(Bytes("placed.bmp") == Bytes("at.bmp"));
}

INSTANTIATE_TEST_SUITE_P(NineWays, BatchPlace, ::testing::ValuesIn([] {
                           std::vector<TPlaceCase> cases;
                           for (int large = 0; large < 2; ++large)
                             for (int place = agTopLeft; place <= agBottomRight; ++place)
                               cases.push_back({TLMDAlignment(place), large == 1});
                           return cases;
                         }()));

// --size 5%: the letters' height is 5% of the picture's, whatever its size.
TEST_F(BatchTool, SizeInPercentOfThePicturesHeight) {
  const QStringList caption{"--size", "5%", "--text", "Ag", "--font", "DejaVu Sans", "--out-dir", "out"};
  ASSERT_TRUE(QDir(dir_.path()).mkdir("out"));
  for (const int height : {480, 1080, 3000}) {
    Background(QStringLiteral("h%1.bmp").arg(height), 16, height);
    const TRun run = Run(caption + QStringList{QStringLiteral("h%1.bmp").arg(height)});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    // The same label with the letters' height given in pixels.
    TRenderSettings settings;
    settings.FontName = QStringLiteral("DejaVu Sans");
    settings.Text = QStringLiteral("Ag");
    THeadlessHost host(0, 0);
    TLMDLabelFill label;
    label.SetParent(&host);
    ApplyLabelSettings(settings, TBitmap(), label);
    label.Font().SetHeight(-(height / 20));
    EXPECT_EQ(LabelOf(run).size(), QSize(label.Width(), label.Height())) << height;
  }
  // At 480 pixels, 5% is 24 pixels: 18 points.
  const TRun points = Run({"h480.bmp", "--size", "18", "--text", "Ag", "--font", "DejaVu Sans", "--out", "points.bmp"});
  ASSERT_EQ(points.Status, 0);
  EXPECT_TRUE(Bytes("points.bmp") == Bytes("out/1.bmp"));
}

// Two runs into one folder at once: every file gets a name of its own, and
// no file is replaced.
TEST_F(BatchTool, TwoRunsAtOnceIntoOneFolder) {
  QStringList backgrounds;
  for (int i = 0; i < 8; ++i) {
    Background(QStringLiteral("b%1.bmp").arg(i), 60 + i, 40);
    backgrounds << QStringLiteral("b%1.bmp").arg(i);
  }
  ASSERT_TRUE(QDir(dir_.path()).mkdir("out"));
  QProcess first, second;
  for (QProcess* process : {&first, &second}) {
    process->setWorkingDirectory(dir_.path());
    process->start(RenderToolPath(), QStringList{"--jobs", "2", "--out-dir", "out"} + backgrounds);
  }
  QStringList wrote;
  for (QProcess* process : {&first, &second}) {
    ASSERT_TRUE(process->waitForFinished(60000));
    EXPECT_EQ(process->exitCode(), 0);
    TRun run{0, QString::fromUtf8(process->readAllStandardOutput()), {}};
    QStringList mine = Wrote(run);
    EXPECT_EQ(mine.size(), 8);
    // Each run's numbers go up in the order of its backgrounds.
    for (int i = 0; i < mine.size(); ++i) {
      const int width = QImage(Path(mine[i])).width();
      EXPECT_EQ(width, 60 + i) << mine[i].toStdString();
      if (i > 0) {
        EXPECT_LT(QFileInfo(mine[i - 1]).baseName().toInt(), QFileInfo(mine[i]).baseName().toInt());
      }
    }
    wrote += mine;
  }
  wrote.removeDuplicates();
  EXPECT_EQ(wrote.size(), 16);
  EXPECT_EQ(Entries("out").size(), 16);
}

struct TStopCase {
  int Signal;
  int Status;
};

class BatchStop : public BatchTool, public ::testing::WithParamInterface<TStopCase> {};

// Stopped midway, the run names nothing more, leaves every named file
// whole and no temporary file, and says how far it got.
TEST_P(BatchStop, StoppedMidRunLeavesNoTemporaryFile) {
  constexpr int kCount = 40;
  QStringList arguments{"--jobs", "2", "--format", "jpg", "--out-dir", "out", "--size", "5%"};
  Background("big.jpg", 1600, 1200);
  for (int i = 0; i < kCount; ++i) arguments << "big.jpg";
  ASSERT_TRUE(QDir(dir_.path()).mkdir("out"));
  QProcess process;
  process.setWorkingDirectory(dir_.path());
  process.start(RenderToolPath(), arguments);
  ASSERT_TRUE(process.waitForStarted());
  QByteArray out;
  while (!out.contains("wrote ") && process.state() == QProcess::Running) {
    process.waitForReadyRead(100);
    out += process.readAllStandardOutput();
  }
  ::kill(pid_t(process.processId()), GetParam().Signal);
  ASSERT_TRUE(process.waitForFinished(60000));
  out += process.readAllStandardOutput();
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), GetParam().Status);
  const TRun run{0, QString::fromUtf8(out), {}};
  const QStringList wrote = Wrote(run);
  ASSERT_GE(wrote.size(), 1);
  EXPECT_LT(wrote.size(), kCount);
  EXPECT_TRUE(run.Out.endsWith(QStringLiteral("wrote %1 of %2\n").arg(wrote.size()).arg(kCount))) << out.toStdString();
  EXPECT_EQ(Entries("out").size(), wrote.size()) << Entries("out").join(' ').toStdString();
  for (const QString& path : wrote) EXPECT_EQ(QImage(Path(path)).size(), QSize(1600, 1200)) << path.toStdString();
  EXPECT_EQ(Entries(), QStringList({"big.jpg", "out"}));
}

INSTANTIATE_TEST_SUITE_P(Signals, BatchStop, ::testing::Values(TStopCase{SIGTERM, 143}, TStopCase{SIGINT, 130}),
                         [](const auto& info) { return info.param.Signal == SIGTERM ? "Term" : "Int"; });

// Standard error a terminal: the progress line is drawn in place and taken
// away before the end; standard output keeps the lines alone.
TEST_F(BatchTool, ProgressOnATerminal) {
  Background("big.jpg", 1600, 1200);
  // Everything the child needs is made before the fork: between fork and
  // exec it only calls the system.
  const QByteArray out = QFile::encodeName(Path("out.txt"));
  const QByteArray folder = QFile::encodeName(dir_.path());
  const QByteArray tool = QFile::encodeName(RenderToolPath());
  std::vector<const char*> argv{tool.constData(), "--jobs", "1", "--format", "jpg"};
  for (int i = 0; i < 8; ++i) argv.push_back("big.jpg");
  argv.push_back(nullptr);
  int terminal = -1;
  const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Standard output goes to a file; standard error stays on the terminal.
    const int fd = ::open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(fd, STDOUT_FILENO);
    if (::chdir(folder.constData()) == 0) ::execv(tool.constData(), const_cast<char* const*>(argv.data()));
    ::_exit(127);
  }
  QByteArray screen;
  char buffer[4096];
  for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;) screen.append(buffer, n);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::close(terminal);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(screen.contains("/8  ")) << screen.toStdString();
  EXPECT_TRUE(screen.contains(" pictures/s  ")) << screen.toStdString();
  EXPECT_TRUE(screen.endsWith("\r\033[K")) << screen.toStdString();
  EXPECT_TRUE(Bytes("out.txt").endsWith("wrote 8 of 8\n"));
}

}  // namespace
