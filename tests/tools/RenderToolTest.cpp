// vellumo-render as a user runs it: the built program in a folder of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "pictures/Jpeg.h"
#include "support/AddressSpace.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "support/UprightImage.h"
#include "tools/ToolProcess.h"

namespace {

// The options section of the help or of the manual page as man shows it:
// from the line after the one that starts with Heading to the next line
// that is not indented. An option's entry starts at a line indented by
// HeadIndent with "--"; it is given as "HEAD: TEXT", its text with the
// line breaks of either layout taken out.
QString OptionEntries(const QString& text, const QString& heading, int headIndent) {
  static const QRegularExpression headLine(QStringLiteral("^ +(--[a-z-]+(?: [A-Z][A-Z,]*(?= |$))?)(.*)$"));
  QStringList entries;
  bool inside = false;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (!inside) {
      inside = line.startsWith(heading);
      continue;
    }
    if (!line.isEmpty() && !line.startsWith(QLatin1Char(' '))) break;
    const QRegularExpressionMatch head = headLine.match(line);
    if (head.hasMatch() && line.indexOf(QLatin1String("--")) == headIndent)
      entries << head.captured(1) + QLatin1Char(':') + head.captured(2);
    else if (!entries.isEmpty())
      entries.last() += QLatin1Char(' ') + line;
  }
  for (QString& entry : entries) entry = entry.simplified();
  return entries.join(QLatin1Char('\n'));
}

class RenderTool : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // AddressSpace, when given, limits the tool's address space in bytes.
  TRun Run(const QStringList& arguments, rlim_t addressSpace = 0) const {
    return Execute(QStringLiteral(VELLUMO_BINARY_DIR "/tools/render/vellumo-render"), arguments, dir_.path(),
                   QProcessEnvironment::systemEnvironment(), addressSpace);
  }

  // A background of one colour, written by Qt's own writer so that the tool
  // reads a file it did not make.
  void Background(const QString& name, int width, int height, QRgb color = qRgb(30, 120, 60)) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(Path(name)));
  }
  void Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name); }
  QImage Read(const QString& name) const { return QImage(Path(name)).convertToFormat(QImage::Format_RGB32); }
  QByteArray Bytes(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // The label rectangle the tool printed as its second line.
  static QRect LabelOf(const TRun& run) {
    static const QRegularExpression line(QStringLiteral("^label (-?\\d+),(-?\\d+) (\\d+)x(\\d+)$"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(run.Out);
    if (!m.hasMatch()) return {};
    return QRect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
  }

  QTemporaryDir dir_;
};

TEST_F(RenderTool, HelpListsTheOptions) {
  const TRun run = Run({"--help"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_TRUE(run.Out.startsWith("Usage: vellumo-render BACKGROUND [options]"));
  EXPECT_TRUE(run.Out.contains(QStringLiteral("--gradient-style GEOMETRY")));
  EXPECT_TRUE(run.Err.isEmpty());
}

TEST_F(RenderTool, VersionIsTheProjects) {
  const TRun run = Run({"--version"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, QStringLiteral("vellumo-render " VELLUMO_VERSION "\n"));
  EXPECT_TRUE(run.Err.isEmpty());
}

// The page the build made, as a user reads it, shows each option of the
// help with the same values, range, default and text.
TEST_F(RenderTool, TheManualPageShowsTheOptionsOfTheHelp) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
  const TRun man = Execute(QStringLiteral("man"), {"-l", VELLUMO_BINARY_DIR "/tools/render/vellumo-render.1"},
                           dir_.path(), environment);
  ASSERT_EQ(man.Status, 0) << man.Err.toStdString();
  const QString help = OptionEntries(Run({"--help"}).Out, QStringLiteral("Options ("), 2);
  EXPECT_TRUE(help.contains(QStringLiteral("--gradient-style GEOMETRY: geometry of the gradient fill; one of:")));
  EXPECT_TRUE(help.contains(QStringLiteral("--version: show the version and exit")));
  EXPECT_EQ(OptionEntries(man.Out, QStringLiteral("OPTIONS"), 7).toStdString(), help.toStdString());
  EXPECT_TRUE(man.Out.contains(QStringLiteral("Vellumo " VELLUMO_VERSION))) << man.Out.toStdString();
}

TEST_F(RenderTool, NumbersFillTheGapsThenGoOn) {
  Background("bg.bmp", 40, 30);
  Write("1.bmp", "one");
  Write("3.bmp", "three");
  const TRun first = Run({"bg.bmp"});
  ASSERT_EQ(first.Status, 0) << first.Err.toStdString();
  EXPECT_TRUE(first.Out.startsWith("wrote ./2.bmp\nlabel 0,0 ")) << first.Out.toStdString();
  EXPECT_TRUE(first.Err.isEmpty()) << first.Err.toStdString();
  const TRun second = Run({Path("bg.bmp")});
  ASSERT_EQ(second.Status, 0) << second.Err.toStdString();
  EXPECT_TRUE(second.Out.startsWith("wrote " + Path("4.bmp") + "\n")) << second.Out.toStdString();
  EXPECT_EQ(Bytes("1.bmp"), "one");
  EXPECT_EQ(Bytes("3.bmp"), "three");
  EXPECT_EQ(Entries(), QStringList({"1.bmp", "2.bmp", "3.bmp", "4.bmp", "bg.bmp"}));
}

TEST_F(RenderTool, BmpAndJpegAreNumberedApart) {
  Background("bg.jpg", 40, 30);
  Write("1.jpg", "a");
  Write("2.jpg", "b");
  EXPECT_TRUE(Run({"bg.jpg", "--format", "jpg"}).Out.startsWith("wrote ./3.jpg\n"));
  EXPECT_TRUE(Run({"bg.jpg"}).Out.startsWith("wrote ./1.bmp\n"));
  EXPECT_TRUE(Run({"bg.jpg", "--format", "jpg", "--out-dir", Path("")}).Out.startsWith("wrote " + Path("4.jpg")));
  EXPECT_TRUE(Bytes("3.jpg").startsWith("\xFF\xD8\xFF"));
  EXPECT_TRUE(Bytes("1.bmp").startsWith("BM"));
}

// A capture is written at 32 bits per pixel: 54 + 4 × w × h bytes.
TEST_F(RenderTool, TheOutputHasTheBackgroundsSizeWhateverTheLabel) {
  Background("bg.bmp", 47, 33);
  for (const QStringList& options : {QStringList{"--size", "72", "--text", "A long caption"},
                                     QStringList{"--at", "-500,-500"}, QStringList{"--at", "40,30", "--frame"}}) {
    const TRun run = Run(QStringList{"bg.bmp", "--out", "out.bmp"} + options);
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(Bytes("out.bmp").size(), 54 + 4 * 47 * 33) << options.join(' ').toStdString();
    EXPECT_EQ(Read("out.bmp").size(), QSize(47, 33));
  }
  const TRun jpeg = Run({"bg.bmp", "--out", "out.jpeg", "--size", "72"});
  ASSERT_EQ(jpeg.Status, 0) << jpeg.Err.toStdString();
  EXPECT_EQ(jpeg.Out.section('\n', 0, 0), "wrote out.jpeg");
  EXPECT_EQ(Read("out.jpeg").size(), QSize(47, 33));
}

// The caption lies inside the rectangle the tool reports, and the rest of
// the picture is the background.
TEST_F(RenderTool, TheReportedRectangleHoldsTheCaption) {
  const QRgb ground = qRgb(30, 120, 60);
  Background("bg.bmp", 200, 80, ground);
  const TRun run = Run({"bg.bmp", "--out", "out.bmp", "--text", "Hi", "--size", "24", "--at", "20,10"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QRect label = LabelOf(run);
  ASSERT_EQ(label.topLeft(), QPoint(20, 10)) << run.Out.toStdString();
  const QImage out = Read("out.bmp");
  int changed = 0;
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      if ((out.pixel(x, y) | 0xFF000000u) == ground) continue;
      ++changed;
      EXPECT_TRUE(label.contains(x, y)) << x << "," << y;
    }
  EXPECT_GT(changed, 50);
}

// Half outside, the label is cut at the picture's edge: what shows is
// exactly the left part of the same label placed wholly inside.
TEST_F(RenderTool, ALabelHalfOutsideIsCutAtTheEdge) {
  Background("bg.bmp", 120, 60);
  const QStringList caption{"--text", "WWWWWW", "--size", "20", "--style", "Shadow"};
  const TRun inside = Run(QStringList{"bg.bmp", "--out", "in.bmp", "--at", "0,5"} + caption);
  ASSERT_EQ(inside.Status, 0) << inside.Err.toStdString();
  const int width = LabelOf(inside).width();
  ASSERT_GT(width, 60);
  const int left = 120 - width / 2;
  const TRun cut = Run(QStringList{"bg.bmp", "--out", "cut.bmp", "--at", QStringLiteral("%1,5").arg(left)} + caption);
  ASSERT_EQ(cut.Status, 0) << cut.Err.toStdString();
  EXPECT_EQ(LabelOf(cut), QRect(left, 5, width, LabelOf(inside).height()));
  const QImage in = Read("in.bmp");
  const QImage out = Read("cut.bmp");
  const QImage ground = Read("bg.bmp");
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < left; ++x) ASSERT_EQ(out.pixel(x, y), ground.pixel(x, y)) << x << "," << y;
    for (int x = left; x < 120; ++x) ASSERT_EQ(out.pixel(x, y), in.pixel(x - left, y)) << x << "," << y;
  }
}

// "\n" in --text is a line break: two lines, each as high as one.
TEST_F(RenderTool, ALineBreakInTheTextGivesTwoLines) {
  Background("bg.bmp", 20, 10);
  const QRect one = LabelOf(Run({"bg.bmp", "--out", "a.bmp", "--text", "Ag"}));
  const QRect two = LabelOf(Run({"bg.bmp", "--out", "b.bmp", "--text", "Ag\\nAg"}));
  ASSERT_GT(one.height(), 4);
  EXPECT_EQ(two.width(), one.width());
  EXPECT_EQ(two.height() - 2, 2 * (one.height() - 2));
}

// The command line is the tool's alone: Qt's own options (-platform takes
// the next argument as a plugin name) are plain text here.
TEST_F(RenderTool, QtOptionsInTheTextAreText) {
  Background("bg.bmp", 20, 10);
  const TRun run = Run({"bg.bmp", "--text", "-platform", "--out", "x.bmp"});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.startsWith("wrote x.bmp\n"));
}

TEST_F(RenderTool, AJpegBackgroundShowsAsDrawingItWould) {
  QImage photo(64, 48, QImage::Format_RGB32);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) photo.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) & 0xFF));
  ASSERT_TRUE(photo.save(Path("bg.jpg"), "JPEG", 80));
  const TRun run = Run({"bg.jpg", "--out", "out.bmp", "--at", "40,30", "--size", "8"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  TJPEGImage reference;
  reference.LoadFromFile(Path("bg.jpg"));
  const QImage& want = reference.Bitmap().Surface().Image();
  const QImage got = Read("out.bmp");
  ASSERT_EQ(got.size(), QSize(64, 48));
  const QRect label = LabelOf(run);
  ASSERT_EQ(label.topLeft(), QPoint(40, 30));
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x)
      if (!label.contains(x, y)) {
        ASSERT_EQ(got.pixel(x, y), want.pixel(x, y) | 0xFF000000u) << x << ", " << y;
      }
}

// A photo stored sideways, as phones store portraits, is composed upright.
class RenderToolOrientation : public RenderTool, public ::testing::WithParamInterface<int> {};

TEST_P(RenderToolOrientation, TheCompositionIsUpright) {
  const auto orientation = static_cast<TExifOrientation>(GetParam());
  QImage photo(40, 24, QImage::Format_RGB32);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 40; ++x) photo.setPixel(x, y, qRgb(x * 6, y * 10, x < 20 ? 40 : 220));
  ASSERT_TRUE(photo.save(Path("stored.jpg"), "JPEG", 90));
  Write("bg.jpg", WithSegments(Bytes("stored.jpg"), OrientationSegment(orientation, GetParam() % 2 == 0)));
  const TRun run = Run({"bg.jpg", "--out", "out.bmp", "--at", "5000,5000"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  TJPEGImage stored;
  stored.LoadFromFile(Path("stored.jpg"));
  const QImage want = UprightImage(stored.Bitmap().Surface().Image(), orientation);
  const QImage got = Read("out.bmp");
  ASSERT_EQ(got.size(), want.size());
  for (int y = 0; y < got.height(); ++y)
    for (int x = 0; x < got.width(); ++x) ASSERT_EQ(got.pixel(x, y), want.pixel(x, y) | 0xFF000000u) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(EightOrientations, RenderToolOrientation, ::testing::Range(1, 9));

// Its own blocks lie turned, so --keep-jpeg cannot keep them: the photo is
// encoded in full, upright.
TEST_F(RenderTool, KeepJpegEncodesAPhotoStoredTurnedInFull) {
  QImage photo(40, 24, QImage::Format_RGB32);
  photo.fill(qRgb(90, 140, 200));
  ASSERT_TRUE(photo.save(Path("stored.jpg"), "JPEG", 90));
  Write("bg.jpg", WithSegments(Bytes("stored.jpg"), OrientationSegment(eoRightTop, false)));
  const TRun run = Run({"bg.jpg", "--keep-jpeg", "--text", "Hi"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains("--keep-jpeg: EXIF orientation 6; encoded in full\n")) << run.Err.toStdString();
  EXPECT_EQ(QImage(Path("1.jpg")).size(), QSize(24, 40));
}

TEST_F(RenderTool, PngIsNumberedApartAndHoldsTheBmpsPixels) {
  Background("bg.png", 47, 33);
  Write("1.png", "a");
  const TRun png = Run({"bg.png", "--format", "png", "--at", "3,4", "--text", "Hi"});
  ASSERT_EQ(png.Status, 0) << png.Err.toStdString();
  EXPECT_TRUE(png.Out.startsWith("wrote ./2.png\n")) << png.Out.toStdString();
  ASSERT_EQ(Run({"bg.png", "--at", "3,4", "--text", "Hi"}).Status, 0);
  EXPECT_TRUE(Bytes("2.png").startsWith("\x89PNG"));
  const QImage bmp = Read("1.bmp");
  ASSERT_EQ(bmp.size(), QSize(47, 33));
  EXPECT_EQ(Read("2.png"), bmp);
  ASSERT_EQ(Run({"bg.png", "--out", "out.PNG", "--at", "3,4", "--text", "Hi"}).Status, 0);
  EXPECT_EQ(Read("out.PNG"), bmp);
}

TEST_F(RenderTool, OutReplacesExactlyThatFile) {
  Background("bg.bmp", 20, 10);
  Write("keep.jpg", "old");
  const TRun run = Run({"bg.bmp", "--out", "keep.jpg"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(Bytes("keep.jpg").startsWith("\xFF\xD8\xFF"));
  EXPECT_EQ(Entries(), QStringList({"bg.bmp", "keep.jpg"}));
}

// Under 384 MB of address space the tool runs (about 100 MB of it is its
// own), but the composition of the largest picture cannot be had.
TEST_F(RenderTool, ACompositionThatCannotBeAllocatedIsAnError) {
#ifdef VELLUMO_ASAN
  GTEST_SKIP() << "the sanitizers' allocator cannot run under an address-space limit";
#endif
  constexpr rlim_t kLimit = rlim_t(384) << 20;
  Background("small.bmp", 40, 30);
  // A 1-bit BMP of the largest size allowed, 16384 x 8192, holding a few of
  // its rows: 16 MB of rows, 512 MB of composition.
  Write("huge.bmp", BmpBytes(16384, 8192, 1, QByteArray(64, '\x55')));
  const TRun small = Run({"small.bmp", "--out", "small-out.bmp"}, kLimit);
  ASSERT_EQ(small.Status, 0) << small.Err.toStdString();
  const QStringList before = Entries();
  const TRun huge = Run({"huge.bmp"}, kLimit);
  EXPECT_EQ(huge.Status, 2);
  EXPECT_EQ(huge.Err, "Out of memory\n");
  EXPECT_EQ(Entries(), before);
}

struct BadInput {
  const char* Name;
  QStringList Arguments;
  const char* Message;  // a regular expression; DIR stands for the test's folder
};

void PrintTo(const BadInput& input, std::ostream* out) { *out << input.Name; }

class RenderToolBadInput : public RenderTool, public ::testing::WithParamInterface<BadInput> {};

TEST_P(RenderToolBadInput, MessageStatusTwoAndNoFile) {
  Background("bg.bmp", 20, 10);
  Write("bg.xyz", "not a picture");
  Write("broken.png", "\x89PNG\r\n\x1A\n nonsense");
  Write("broken.bmp", "XM not a bitmap at all");
  Write("broken.jpg", "\xFF\xD8\xFF\xE0 nonsense");
  Write("late.jpg", FailsPastItsHeader());
  Write("empty.bmp", {});
  Write("empty.jpg", {});
  QDir(dir_.path()).mkdir("folder.bmp");
  QDir(dir_.path()).mkdir("folder.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.jpg")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.jpg")));
  ASSERT_TRUE(QFile::link(Path("nowhere.bmp"), Path("gone.bmp")));
  const QStringList before = Entries();
  const TRun run = Run(GetParam().Arguments);
  EXPECT_EQ(run.Status, 2);
  const QString pattern = QString::fromUtf8(GetParam().Message).replace("DIR", QRegularExpression::escape(dir_.path()));
  EXPECT_TRUE(QRegularExpression("^" + pattern + "\n$").match(run.Err).hasMatch())
      << run.Err.toStdString() << " does not match " << pattern.toStdString();
  EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
  EXPECT_EQ(Entries(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RenderToolBadInput,
    ::testing::Values(
        BadInput{"MissingBackground", {"missing.bmp"}, "Cannot open file missing\\.bmp"},
        BadInput{"UnknownExtension", {"bg.xyz"}, "Unknown picture file extension \\(\\.xyz\\)"},
        BadInput{"BrokenPng", {"broken.png"}, "PNG image is not valid"},
        BadInput{"BrokenBitmap", {"broken.bmp"}, "Bitmap image is not valid"},
        BadInput{"BrokenJpeg", {"broken.jpg"}, "JPEG error #\\d+"},
        // Only regular files are read, and none of these makes the tool wait.
        BadInput{"FifoBackground", {"pipe.jpg"}, "Cannot open file pipe\\.jpg"},
        BadInput{"DeviceBackground", {"zero.jpg"}, "Cannot open file zero\\.jpg"},
        BadInput{"FolderBackground", {"folder.jpg"}, "Cannot open file folder\\.jpg"},
        BadInput{"DanglingLinkBackground", {"gone.bmp"}, "Cannot open file gone\\.bmp"},
        BadInput{"FifoPicture", {"bg.bmp", "--fill", "picture", "--picture", "pipe.jpg"}, "Cannot open file pipe\\.jpg"},
        // A background without pixels has nothing to compose on.
        BadInput{"EmptyBitmap", {"empty.bmp"}, "Bitmap image is not valid"},
        BadInput{"EmptyJpeg", {"empty.jpg"}, "JPEG error #\\d+"},
        // Decoding fails while the label is being set up; its error comes
        // after the label's own.
        BadInput{"JpegFailingPastItsHeader", {"late.jpg"}, "JPEG error #\\d+"},
        BadInput{"LabelErrorBeforeDecodingError", {"late.jpg", "--fill", "picture", "--picture", "none.bmp"},
                 "Cannot open file none\\.bmp"},
        BadInput{"MissingOutDir", {"bg.bmp", "--out-dir", "nowhere"}, "Cannot create file nowhere/1\\.bmp"},
        BadInput{"OutDirIsAFile", {"bg.bmp", "--out-dir", "bg.bmp", "--format", "jpg"}, "Cannot create file bg\\.bmp/1\\.jpg"},
        BadInput{"MissingOutFolder", {"bg.bmp", "--out", "nowhere/x.jpg"}, "Cannot create file nowhere/x\\.jpg"},
        BadInput{"OutIsAFolder", {"bg.bmp", "--out", "folder.bmp"}, "Cannot create file folder\\.bmp"},
        BadInput{"MissingPicture", {"bg.bmp", "--fill", "picture", "--picture", "none.bmp"}, "Cannot open file none\\.bmp"},
        BadInput{"BrokenPicture", {"bg.bmp", "--fill", "picture", "--picture", "broken.jpg"}, "Bitmap image is not valid"},
        BadInput{"BadColor", {"bg.bmp", "--color", "reddish"}, "'reddish' is not a valid integer value"},
        BadInput{"BadNumber", {"bg.bmp", "--size", "1O"}, "'1O' is not a valid integer value"},
        BadInput{"NumberOutOfRange", {"bg.bmp", "--shadow-depth", "101"}, "--shadow-depth: 101 is outside 0 to 100"},
        BadInput{"UnknownTileMode", {"bg.bmp", "--tile", "Мозаика"},
                 "--tile: 'Мозаика' is not one of original \\(Оригинал\\), center \\(Центр\\), "
                 "stretch \\(Растянуть\\), tile \\(Черепица\\)"},
        BadInput{"UnknownOption", {"bg.bmp", "--shadow"}, "Unknown option --shadow \\(see --help\\)"},
        BadInput{"NoBackground", {}, "No background picture given \\(see --help\\)"},
        // A bad option fails before any background is read.
        BadInput{"JobsZero", {"bg.bmp", "bg.bmp", "--jobs", "0"}, "--jobs: 0 is outside 1 to 1024"},
        BadInput{"JobsNegative", {"bg.bmp", "bg.bmp", "--jobs", "-1"}, "--jobs: -1 is outside 1 to 1024"},
        BadInput{"JobsNotANumber", {"bg.bmp", "bg.bmp", "--jobs", "abc"}, "'abc' is not a valid integer value"},
        BadInput{"SizeNoPercent", {"bg.bmp", "bg.bmp", "--size", "0%"}, "--size: 0% is outside 0\\.1% to 50%"},
        BadInput{"SizeTooLarge", {"bg.bmp", "bg.bmp", "--size", "51%"}, "--size: 51% is outside 0\\.1% to 50%"},
        BadInput{"SizeTwoPercentSigns", {"bg.bmp", "bg.bmp", "--size", "5%%"},
                 "--size: '5%%' is neither points nor a percentage such as 2\\.5%"},
        BadInput{"MarginNegative", {"bg.bmp", "bg.bmp", "--margin", "-1"}, "--margin: -1 is outside 0 to 10000"},
        BadInput{"OutWithTwoBackgrounds", {"bg.bmp", "bg.bmp", "--out", "x.bmp"},
                 "--out names one file, but 2 backgrounds are given \\(see --out-dir\\)"},
        BadInput{"MissingPictureBeforeAnyBackground",
                 {"bg.bmp", "broken.bmp", "--fill", "picture", "--picture", "none.bmp"},
                 "Cannot open file none\\.bmp"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
