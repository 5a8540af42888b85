// HEIF and WebP pictures, made at test time by the codecs' own tools
// (heif-enc from libheif-examples, cwebp from webp): decoded to the source
// within the codec's error, transparency over white, and broken or
// unsupported files refused with the readers' messages.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>

#include "TestFiles.h"
#include "pictures/Picture.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"

namespace {

// A photo-like source: colour fields with a little texture, and with Alpha
// a clear band at the top and a half-clear one below it.
QImage Source(int width, int height, bool alpha) {
  QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int a = !alpha || y >= 16 ? 255 : y < 8 ? 0 : 128;
      image.setPixel(x, y, qRgba(40 + 4 * x, 200 - 3 * y, (x * y) % 64 + 96, a));
    }
  return image;
}

// Source with its colours multiplied by alpha, as a file marked
// premultiplied holds them.
QImage Premultiplied(const QImage& source) {
  QImage premultiplied = source;
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = source.pixel(x, y);
      const int a = qAlpha(p);
      auto times = [a](int c) { return (c * a + 127) / 255; };
      premultiplied.setPixel(x, y, qRgba(times(qRed(p)), times(qGreen(p)), times(qBlue(p)), a));
    }
  return premultiplied;
}

// Premultiplied pixels over white: each channel gains 255 - alpha.
QImage PremultipliedOverWhite(const QImage& source) {
  QImage shown(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = source.pixel(x, y);
      const int white = 255 - qAlpha(p);
      shown.setPixel(x, y, qRgb(qRed(p) + white, qGreen(p) + white, qBlue(p) + white));
    }
  return shown;
}

// Source as the readers must show it: alpha composed over white.
QImage OverWhite(const QImage& source) {
  QImage shown(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = source.pixel(x, y);
      const int a = qAlpha(p);
      auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
      shown.setPixel(x, y, qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p))));
    }
  return shown;
}

class CodecTools : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QByteArray ReadAll(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Runs Tool on the source saved as PNG; false (the test skipped) when the
  // tool is not installed.
  bool Encode(const QString& tool, const QImage& source, QStringList arguments, const QString& output) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return false;
    EXPECT_TRUE(source.save(Path(QStringLiteral("source.png"))));
    arguments.replaceInStrings(QStringLiteral("SOURCE"), Path(QStringLiteral("source.png")));
    arguments.replaceInStrings(QStringLiteral("OUTPUT"), Path(output));
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return true;
  }

  QTemporaryDir dir_;
};

#define ENCODE_OR_SKIP(tool, package, ...) \
  if (!Encode(tool, __VA_ARGS__)) GTEST_SKIP() << tool << " is not installed (package " << package << ")"

struct TCodecCase {
  const char* Name;
  const char* Tool;
  const char* Package;
  const char* File;
  QStringList Arguments;
  bool Alpha;
  int Tolerance;  // the largest channel difference the codec may make
  const char* ClassName;
  bool Premultiplied = false;  // the colours are stored multiplied by alpha
};

void PrintTo(const TCodecCase& c, std::ostream* os) { *os << c.Name; }

class CodecFiles : public CodecTools, public ::testing::WithParamInterface<TCodecCase> {};

TEST_P(CodecFiles, DecodeToTheSourceOverWhite) {
  const TCodecCase& c = GetParam();
  const QImage source = c.Premultiplied ? Premultiplied(Source(47, 33, true)) : Source(47, 33, c.Alpha);
  ENCODE_OR_SKIP(c.Tool, c.Package, source, c.Arguments, QString::fromLatin1(c.File));
  TPicture picture;
  picture.LoadFromFile(Path(QString::fromLatin1(c.File)));
  ASSERT_EQ(picture.Graphic()->ClassName(), QString::fromLatin1(c.ClassName));
  ASSERT_EQ(picture.Width(), 47);
  ASSERT_EQ(picture.Height(), 33);
  const TImageDiff diff = CompareToImage(picture.Graphic()->DisplayCopy(),
                                         c.Premultiplied ? PremultipliedOverWhite(source) : OverWhite(source));
  EXPECT_LE(diff.largest, c.Tolerance) << diff.pixels << " pixels differ";
}

INSTANTIATE_TEST_SUITE_P(
    Tools, CodecFiles,
    ::testing::Values(
        TCodecCase{"WebPLossless", "cwebp", "webp", "a.webp", {"-quiet", "-lossless", "SOURCE", "-o", "OUTPUT"}, false, 0,
                   "TWebPImage"},
        TCodecCase{"WebPLosslessAlpha", "cwebp", "webp", "b.WEBP", {"-quiet", "-lossless", "-exact", "SOURCE", "-o", "OUTPUT"},
                   true, 0, "TWebPImage"},
        TCodecCase{"WebPLossy", "cwebp", "webp", "c.webp", {"-quiet", "-q", "90", "SOURCE", "-o", "OUTPUT"}, false, 40,
                   "TWebPImage"},
        // Lossless HEVC in 4:4:4 still passes through YCbCr: a step or two.
        TCodecCase{"HeicLossless", "heif-enc", "libheif-examples", "a.heic",
                   {"-L", "-p", "chroma=444", "SOURCE", "-o", "OUTPUT"}, false, 3, "THEIFImage"},
        TCodecCase{"HeicLosslessAlpha", "heif-enc", "libheif-examples", "b.HEIF",
                   {"-L", "-p", "chroma=444", "SOURCE", "-o", "OUTPUT"}, true, 3, "THEIFImage"},
        TCodecCase{"HeicLosslessPremultipliedAlpha", "heif-enc", "libheif-examples", "p.heic",
                   {"-L", "-p", "chroma=444", "--premultiplied-alpha", "SOURCE", "-o", "OUTPUT"}, true, 3, "THEIFImage",
                   true},
        TCodecCase{"HeicLossy", "heif-enc", "libheif-examples", "c.heic", {"-q", "90", "SOURCE", "-o", "OUTPUT"}, false, 40,
                   "THEIFImage"}),
    [](const ::testing::TestParamInfo<TCodecCase>& info) { return info.param.Name; });

// Files refused with the reader's message, the holder keeping its picture.
struct TBrokenCase {
  const char* Name;
  const char* File;
  QByteArray (*Bytes)(const QByteArray& good);
  const char* Message;
};

void PrintTo(const TBrokenCase& c, std::ostream* os) { *os << c.Name; }

// A HEIF file of one 8 x 8 image item of Type, made by hand: ftyp, meta
// (hdlr, pitm, iloc, iinf, iprp with ispe) and mdat.
QByteArray HandMadeHeif(const char* type) {
  const auto box = [](const char* kind, const QByteArray& payload) {
    QByteArray b(4, '\0');
    qToBigEndian(static_cast<uint32_t>(8 + payload.size()), b.data());
    return b + QByteArray(kind, 4) + payload;
  };
  const auto full = [&](const char* kind, const QByteArray& payload) { return box(kind, QByteArray(4, '\0') + payload); };
  const auto be = [](uint32_t v, int bytes) {
    QByteArray b;
    for (int i = bytes - 1; i >= 0; --i) b += static_cast<char>(v >> (8 * i));
    return b;
  };
  const QByteArray data(16, '\0');
  const QByteArray ftyp = box("ftyp", QByteArray("heic") + be(0, 4) + "mif1heic");
  const QByteArray hdlr = full("hdlr", be(0, 4) + "pict" + QByteArray(13, '\0'));
  const QByteArray pitm = full("pitm", be(1, 2));
  QByteArray infe = box("infe", be(0x02000000, 4) + be(1, 2) + be(0, 2) + QByteArray(type, 4) + QByteArray(1, '\0'));
  const QByteArray iinf = full("iinf", be(1, 2) + infe);
  const QByteArray iprp = box("iprp", box("ipco", full("ispe", be(8, 4) + be(8, 4))) +
                                          full("ipma", be(1, 4) + be(1, 2) + be(1, 1) + be(0x81, 1)));
  const auto meta = [&](uint32_t offset) {
    const QByteArray iloc = full("iloc", be(0x4400, 2) + be(1, 2) + be(1, 2) + be(0, 2) + be(1, 2) + be(offset, 4) +
                                             be(static_cast<uint32_t>(data.size()), 4));
    return full("meta", hdlr + pitm + iloc + iinf + iprp);
  };
  const auto offset = static_cast<uint32_t>(ftyp.size() + meta(0).size() + 8);
  return ftyp + meta(offset) + box("mdat", data);
}

class BrokenFiles : public CodecTools, public ::testing::WithParamInterface<TBrokenCase> {};

TEST_P(BrokenFiles, AreRefusedAndChangeNothing) {
  const TBrokenCase& c = GetParam();
  const bool heif = QByteArray(c.File).endsWith(".heic");
  QByteArray good;
  if (heif) {
    ENCODE_OR_SKIP("heif-enc", "libheif-examples", Source(16, 16, false), {"-q", "50", "SOURCE", "-o", "OUTPUT"},
                   QStringLiteral("good.heic"));
    good = ReadAll(Path(QStringLiteral("good.heic")));
  } else {
    ENCODE_OR_SKIP("cwebp", "webp", Source(16, 16, false), {"-quiet", "SOURCE", "-o", "OUTPUT"}, QStringLiteral("good.webp"));
    good = ReadAll(Path(QStringLiteral("good.webp")));
  }
  TPicture picture;
  picture.LoadFromFile(Path(heif ? QStringLiteral("good.heic") : QStringLiteral("good.webp")));
  const TGraphic* before = picture.Graphic();
  try {
    picture.LoadFromFile(WriteBytes(Path(QString::fromLatin1(c.File)), c.Bytes(good)));
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), QString::fromLatin1(c.Message));
  }
  EXPECT_EQ(picture.Graphic(), before);
  EXPECT_EQ(picture.Width(), 16);
}

QByteArray Replace(QByteArray bytes, const char* from, const char* to) { return bytes.replace(from, to); }

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenFiles,
    ::testing::Values(
        TBrokenCase{"EmptyHeif", "e.heic", [](const QByteArray&) { return QByteArray(); }, "HEIF image is not valid"},
        TBrokenCase{"HalfAHeif", "h.heic", [](const QByteArray& g) { return g.left(g.size() / 2); },
                    "HEIF image is not valid"},
        TBrokenCase{"HeifWithoutPrimaryImage", "p.heic", [](const QByteArray& g) { return Replace(g, "pitm", "pitX"); },
                    "HEIF image is not valid"},
        TBrokenCase{"HeifOfAnUnknownCoding", "v.heic", [](const QByteArray&) { return HandMadeHeif("vvc1"); },
                    "HEIF image is not supported"},
        TBrokenCase{"WebPBytesNamedHeic", "w.heic", [](const QByteArray&) { return QByteArray("RIFF\0\0\0\0WEBPVP8 ", 16); },
                    "HEIF image is not valid"},
        TBrokenCase{"EmptyWebP", "e.webp", [](const QByteArray&) { return QByteArray(); }, "WebP image is not valid"},
        TBrokenCase{"HalfAWebP", "h.webp", [](const QByteArray& g) { return g.left(g.size() / 2); },
                    "WebP image is not valid"},
        TBrokenCase{"WebPHeaderOnly", "r.webp", [](const QByteArray& g) { return g.left(30); }, "WebP image is not valid"},
        TBrokenCase{"PngBytesNamedWebP", "p.webp", [](const QByteArray&) { return QByteArray("\x89PNG\r\n\x1A\n", 8); },
                    "WebP image is not valid"}),
    [](const ::testing::TestParamInfo<TBrokenCase>& info) { return info.param.Name; });

}  // namespace
