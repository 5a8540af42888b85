// The JPEG picture: every test file as its manifest says, decoded pixels
// equal to libjpeg-turbo's own djpeg with the float DCT, the encoder's
// settings, kept bytes, errors and progress reports.
#include <algorithm>

#include <QCryptographicHash>
#include <QFile>
#include <jpeglib.h>
#include <jerror.h>

#include "TestFiles.h"
#include "pictures/Jpeg.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"

namespace {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

// The decoded picture as djpeg writes it, P6 RGB or P5 grey levels: the
// stored picture, which the bitmap holds upright by Orientation.
QByteArray AsPnm(const TBitmap& bitmap, bool grey, TExifOrientation orientation) {
  const TSize stored = UprightSize(orientation, {bitmap.Width(), bitmap.Height()});
  QByteArray pnm = QStringLiteral("P%1\n%2 %3\n255\n").arg(grey ? 5 : 6).arg(stored.cx).arg(stored.cy).toLatin1();
  for (int y = 0; y < stored.cy; ++y)
    for (int x = 0; x < stored.cx; ++x) {
      const TPoint at = UprightPoint(orientation, {x, y}, stored);
      const QRgb p = bitmap.Surface().Pixel(at.X, at.Y);
      if (grey) {
        pnm.append(static_cast<char>(qRed(p)));
      } else {
        pnm.append(static_cast<char>(qRed(p)));
        pnm.append(static_cast<char>(qGreen(p)));
        pnm.append(static_cast<char>(qBlue(p)));
      }
    }
  return pnm;
}

std::string DjpegMd5(const std::string& path) {
  for (const TManifestRow& row : ReadManifest(VELLUMO_TEST_FILES "/jpeg/djpeg_float.tsv"))
    if (row.at("path") == path) return row.at("md5");
  return {};
}

// libjpeg's message codes for djpeg's error texts.
int CodeFor(const std::string& message) {
  const std::pair<const char*, int> codes[] = {
      {"Unsupported JPEG data precision", JERR_BAD_PRECISION},
      {"Not a JPEG file", JERR_NO_SOI},
      {"Bogus DQT index", JERR_DQT_INDEX},
      {"Empty input file", JERR_INPUT_EMPTY},
      {"Bogus Huffman table definition", JERR_BAD_HUFF_TABLE},
      {"Maximum supported image dimension", JERR_IMAGE_TOO_BIG},
      {"Empty JPEG image", JERR_EMPTY_IMAGE},
      {"JPEG datastream contains no image", JERR_NO_IMAGE},
  };
  int code = -1;
  // The last text of the message is the error's; earlier ones are warnings.
  for (const auto& [text, value] : codes)
    if (message.rfind(text) != std::string::npos &&
        (code == -1 || message.rfind(text) > message.rfind(codes[0].first)))
      code = value;
  return code;
}

std::vector<TManifestRow> JpegRows() {
  return TestDataRows("jpeg/manifest.tsv", [](const TManifestRow& row) { return row.at("path") != "bad/sof_65500x65500.jpg"; });
}

class JpegFile : public ::testing::TestWithParam<TManifestRow> {};

TEST_P(JpegFile, DoesWhatDjpegDoes) {
  SKIP_WITHOUT_TESTDATA();
  const TManifestRow& row = GetParam();
  const QString path = TestData(QStringLiteral("jpeg/") + QString::fromStdString(row.at("path")));
  TJPEGImage jpeg;
  if (row.at("djpeg_result") == "error") {
    try {
      jpeg.LoadFromFile(path);
      FAIL() << "loaded";
    } catch (const EJPEG& e) {
      const std::string& message = row.at("djpeg_message");
      const int code = message.find("no image") != std::string::npos ? JERR_NO_IMAGE : CodeFor(message);
      EXPECT_EQ(e.Code(), code) << message;
      EXPECT_EQ(e.Message(), QStringLiteral("JPEG error #%1").arg(code));
    }
    return;
  }
  // Loading reads only the header; a truncated file decodes without a word.
  // djpeg leaves the picture as stored; ours is upright by its EXIF tag.
  jpeg.LoadFromFile(path);
  const TSize upright = UprightSize(jpeg.Orientation(), {std::stoi(row.at("djpeg_out_width")),
                                                         std::stoi(row.at("djpeg_out_height"))});
  EXPECT_EQ(jpeg.Width(), upright.cx);
  EXPECT_EQ(jpeg.Height(), upright.cy);
  const bool grey = row.at("components") == "1";
  EXPECT_EQ(jpeg.Grayscale(), grey);
  EXPECT_EQ(jpeg.Progressive(), row.at("process").find("progressive") != std::string::npos);
  const TBitmap& bitmap = jpeg.Bitmap();
  EXPECT_EQ(bitmap.PixelFormat(), grey ? pf8bit : pf24bit);
  const QByteArray md5 = QCryptographicHash::hash(AsPnm(bitmap, grey, jpeg.Orientation()), QCryptographicHash::Md5).toHex();
  EXPECT_EQ(md5.toStdString(), DjpegMd5(row.at("path")));
  // Display pixels decoded straight (colour) or through the bitmap (grey),
  // and copied from the decoded bitmap: the same pixels every way.
  TJPEGImage undecoded;
  undecoded.LoadFromFile(path);
  EXPECT_TRUE(SameSurface(undecoded.DisplayCopy(), bitmap.Surface()));
  EXPECT_TRUE(SameSurface(jpeg.DisplayCopy(), bitmap.Surface()));
}

INSTANTIATE_TEST_SUITE_P(Manifest, JpegFile, ::testing::ValuesIn(JpegRows()),
                         [](const auto& info) { return ParamName(info.param.at("path")); });

TEST(Jpeg, HeaderAskingForMoreThanTheCapIsTooBig) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  try {
    jpeg.LoadFromFile(TestData(QStringLiteral("jpeg/bad/sof_65500x65500.jpg")));
    FAIL() << "loaded";
  } catch (const EJPEG& e) {
    EXPECT_EQ(e.Code(), JERR_IMAGE_TOO_BIG);
  }
  EXPECT_EQ(jpeg.Width(), 0);
}

TEST(Jpeg, GreyscaleDecodesToEightBitsWithAGreyPalette) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  jpeg.LoadFromFile(TestData(QStringLiteral("jpeg/good/testimggray.jpg")));
  const TBitmap& bitmap = jpeg.Bitmap();
  ASSERT_EQ(bitmap.BitsPerPixel(), 8);
  ASSERT_TRUE(bitmap.Palette());
  EXPECT_EQ(bitmap.Palette()->Entries, bitmap.ColorTable());
  EXPECT_LE(bitmap.ColorTable().size(), 236u);
  EXPECT_GT(bitmap.ColorTable().size(), 200u);
  for (const QRgb c : bitmap.ColorTable()) EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
}

TEST(Jpeg, TruncatedFileShowsItsUpperPart) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage whole, cut;
  whole.LoadFromFile(TestData(QStringLiteral("jpeg/good/testorig.jpg")));
  cut.LoadFromFile(TestData(QStringLiteral("jpeg/bad/testorig_trunc50.jpg")));
  const TSurface& a = whole.Bitmap().Surface();
  const TSurface& b = cut.Bitmap().Surface();
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < a.Width(); ++x) ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << x << ", " << y;
}

// testimgp.jpg with the spectral selection of its second scan made bogus:
// the header reads, decoding fails.
QByteArray BrokenProgressive() {
  QByteArray bytes = FileBytes(TestData(QStringLiteral("jpeg/good/testimgp.jpg")));
  const qsizetype first = bytes.indexOf("\xFF\xDA");
  const qsizetype second = bytes.indexOf("\xFF\xDA", first + 2);
  EXPECT_GT(second, first);
  const int components = static_cast<uint8_t>(bytes[second + 4]);
  bytes[second + 5 + 2 * components] = static_cast<char>(70);  // Ss past 63
  return bytes;
}

TEST(Jpeg, ErrorPastTheHeaderKeepsTheBitmapAndIsNotDecodedAgain) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(BrokenProgressive());
  EXPECT_EQ(jpeg.Width(), 227);
  TBitmap target(10, 10);
  EXPECT_THROW(jpeg.Draw(target.Canvas(), Rect(0, 0, 10, 10)), EJPEG);
  // It failed while the library took the scans, before the rows were made:
  // the picture keeps its bitmap, empty.
  EXPECT_EQ(jpeg.Width(), 0);
  EXPECT_EQ(jpeg.Height(), 0);
  EXPECT_NO_THROW(jpeg.Draw(target.Canvas(), Rect(0, 0, 10, 10)));
}

// 124 bytes whose frame header promises 65285 x 1535 colour pixels (300 MB
// of rows, under the cap) over a scan without quantisation tables.
QByteArray PromisesAHugePicture() {
  QByteArray bytes = QByteArray::fromHex(
      "ffd8"
      "ffc0 0011 08 05ff ff05 03 011100 021100 031100"
      "ffda 000c 03 0100 0200 0300 003f00");
  bytes += QByteArray(124 - 2 - bytes.size(), '\x55');
  return bytes + "\xFF\xD9";
}

TEST(Jpeg, AHugeFrameOverABrokenScanFailsBeforeItsRowsAreMade) {
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(PromisesAHugePicture());
  ASSERT_EQ(jpeg.Width(), 65285);
  TBitmap target(2, 2);
  try {
    jpeg.Draw(target.Canvas(), Rect(0, 0, 2, 2));
    FAIL() << "decoded";
  } catch (const EJPEG& e) {
    EXPECT_EQ(e.Code(), JERR_NO_QUANT_TABLE);
  }
  EXPECT_EQ(jpeg.Bitmap().Width(), 0);
}

TEST(Jpeg, ErrorDecodingStraightToTheDisplayKeepsNothing) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(BrokenProgressive());
  std::vector<TProgressStage> stages;
  jpeg.OnProgress = [&](TGraphic*, TProgressStage stage, uint8_t percent, bool, const TRect&, const QString&) {
    stages.push_back(stage);
    if (stage == psEnding) {
      EXPECT_EQ(percent, 0);
    }
  };
  int code = 0;
  try {
    jpeg.DisplayCopy();
    FAIL() << "decoded";
  } catch (const EJPEG& e) {
    code = e.Code();
  }
  EXPECT_EQ(stages, std::vector<TProgressStage>({psStarting, psEnding}));
  // Drawing decodes afresh and fails the same way.
  TBitmap target(10, 10);
  try {
    jpeg.Draw(target.Canvas(), Rect(0, 0, 10, 10));
    FAIL() << "drawn";
  } catch (const EJPEG& e) {
    EXPECT_EQ(e.Code(), code);
  }
}

TEST(Jpeg, DisplayCopyOfAnAssignedBitmapIsItsPixels) {
  TBitmap bitmap(5, 3);
  bitmap.Canvas().SetPixel(4, 2, clFuchsia);
  TJPEGImage jpeg;
  jpeg.Assign(bitmap);
  EXPECT_TRUE(SameSurface(jpeg.DisplayCopy(), bitmap.Surface()));
  EXPECT_TRUE(jpeg.Data().isEmpty());  // nothing was encoded for it
}

TEST(Jpeg, RowPaddingIsCleared) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(FileBytes(TestData(QStringLiteral("jpeg/good/testorig.jpg"))));
  const TBitmap& bitmap = jpeg.Bitmap();
  ASSERT_EQ(bitmap.BytesPerScanLine(), 684);  // 227 x 3 = 681 bytes of pixels
  for (int y = 0; y < 149; ++y) {
    const uint8_t* row = std::as_const(bitmap).ScanLine(y);
    ASSERT_EQ(row[681] | row[682] | row[683], 0) << "row " << y;
  }
}

TEST(Jpeg, RedStaysRed) {
  for (const TPixelFormat format : {pfDevice, pf24bit, pf8bit}) {
    TBitmap bitmap(32, 16);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(Rect(0, 0, 16, 16));
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().FillRect(Rect(16, 0, 32, 16));
    bitmap.SetPixelFormat(format);
    TJPEGImage out;
    out.Assign(bitmap);
    TJPEGImage in;
    in.LoadFromBytes(out.SaveToBytes());
    const TSurface& pixels = in.Bitmap().Surface();
    ASSERT_EQ(pixels.Width(), 32);
    ASSERT_EQ(pixels.Height(), 16);
    const QRgb red = pixels.Pixel(4, 8), blue = pixels.Pixel(28, 8);
    EXPECT_TRUE(qRed(red) > 240 && qGreen(red) < 16 && qBlue(red) < 16) << std::hex << red;
    EXPECT_TRUE(qBlue(blue) > 240 && qGreen(blue) < 16 && qRed(blue) < 16) << std::hex << blue;
  }
}

TEST(Jpeg, EncodesBaselineJfifAtQuality90) {
  TBitmap bitmap(17, 9);
  TJPEGImage jpeg;
  jpeg.Assign(bitmap);
  const QByteArray bytes = jpeg.SaveToBytes();
  ASSERT_TRUE(bytes.startsWith("\xFF\xD8\xFF\xE0"));
  EXPECT_EQ(bytes.mid(6, 5), QByteArray("JFIF\0", 5));
  const qsizetype sof = bytes.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  EXPECT_EQ(bytes.indexOf("\xFF\xC2"), -1);
  EXPECT_EQ(static_cast<uint8_t>(bytes[sof + 9]), 3);  // three components
  // Quality 90 scales the standard luminance table by 20 %: 16 becomes 3.
  const qsizetype dqt = bytes.indexOf("\xFF\xDB");
  EXPECT_EQ(static_cast<uint8_t>(bytes[dqt + 5]), 3);
  EXPECT_EQ(jpeg.Width(), 17);
  EXPECT_EQ(jpeg.Height(), 9);
}

TEST(Jpeg, LoadedUnchangedPictureIsSavedAsItsBytes) {
  SKIP_WITHOUT_TESTDATA();
  const QByteArray file = FileBytes(TestData(QStringLiteral("jpeg/good/testimgp.jpg")));
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(file);
  jpeg.DIBNeeded();
  EXPECT_EQ(jpeg.SaveToBytes(), file);
  auto copy = jpeg.Clone();
  EXPECT_EQ(static_cast<TJPEGImage&>(*copy).Data().constData(), jpeg.Data().constData());
}

TEST(Jpeg, EmptyBitmapSavesAnEmptyFile) {
  TBitmap empty;
  TJPEGImage jpeg;
  jpeg.Assign(empty);
  EXPECT_TRUE(jpeg.SaveToBytes().isEmpty());
}

TEST(Jpeg, SizeCannotBeSet) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(FileBytes(TestData(QStringLiteral("jpeg/good/testorig.jpg"))));
  for (const auto& set : {std::function<void()>([&] { jpeg.SetWidth(5); }), std::function<void()>([&] { jpeg.SetHeight(5); })}) {
    try {
      set();
      FAIL();
    } catch (const EInvalidGraphicOperation& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Cannot change the size of a JPEG image"));
    }
  }
  EXPECT_EQ(jpeg.Width(), 227);
}

TEST(Jpeg, FailedLoadLeavesThePictureAsItWas) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(FileBytes(TestData(QStringLiteral("jpeg/good/testorig.jpg"))));
  EXPECT_THROW(jpeg.LoadFromBytes(FileBytes(TestData(QStringLiteral("jpeg/bad/flip_soi.jpg")))), EJPEG);
  EXPECT_EQ(jpeg.Width(), 227);
  EXPECT_EQ(jpeg.Bitmap().Width(), 227);
}

// Progress reports, with a clock that moves 600 ms at every look.
struct TReport {
  TProgressStage stage;
  int percent;
  bool redraw;
  TRect rect;
};

TEST(Jpeg, DecodingReportsProgressAtMostEvery500Milliseconds) {
  SKIP_WITHOUT_TESTDATA();
  const std::function<void(TJPEGImage&)> decodings[] = {[](TJPEGImage& jpeg) { jpeg.DIBNeeded(); },
                                                        [](TJPEGImage& jpeg) { jpeg.DisplayCopy(); }};
  for (const auto& decode : decodings) {
    for (const uint32_t step : {600u, 0u}) {
      TJPEGImage jpeg;
      jpeg.LoadFromBytes(FileBytes(TestData(QStringLiteral("jpeg/good/testorig.jpg"))));
      uint32_t clock = 0xFFFFFF00u;  // wraps around while decoding
      jpeg.SetTickSource([&] { return clock += step; });
      std::vector<TReport> reports;
      jpeg.OnProgress = [&](TGraphic* sender, TProgressStage stage, uint8_t percent, bool redraw, const TRect& r,
                            const QString& message) {
        EXPECT_EQ(sender, &jpeg);
        EXPECT_TRUE(message.isEmpty());
        reports.push_back({stage, percent, redraw, r});
      };
      EXPECT_EQ(jpeg.Width(), 227);
      EXPECT_TRUE(reports.empty());  // the size alone never decodes
      decode(jpeg);
      ASSERT_GE(reports.size(), 2u);
      EXPECT_EQ(reports.front().stage, psStarting);
      EXPECT_EQ(reports.back().stage, psEnding);
      EXPECT_EQ(reports.back().percent, 100);
      if (step == 0) {
        EXPECT_EQ(reports.size(), 2u);
        continue;
      }
      // Running reports: rising percentages, bands that follow each other.
      ASSERT_GT(reports.size(), 4u);
      int lastPercent = 0, lastRow = 0;
      for (size_t i = 1; i + 1 < reports.size(); ++i) {
        const TReport& r = reports[i];
        EXPECT_EQ(r.stage, psRunning);
        EXPECT_GT(r.percent, lastPercent);
        EXPECT_EQ(r.rect.Left, 0);
        EXPECT_EQ(r.rect.Right, 227);
        EXPECT_EQ(r.rect.Top, lastRow);
        EXPECT_EQ(r.redraw, r.rect.Height() >= 4);
        lastPercent = r.percent;
        lastRow = r.rect.Bottom;
      }
    }
  }
}

TEST(Jpeg, FailedDecodingEndsItsReportsAtZero) {
  SKIP_WITHOUT_TESTDATA();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(BrokenProgressive());
  std::vector<TReport> reports;
  jpeg.OnProgress = [&](TGraphic*, TProgressStage stage, uint8_t percent, bool redraw, const TRect& r,
                        const QString&) { reports.push_back({stage, percent, redraw, r}); };
  EXPECT_THROW(jpeg.DIBNeeded(), EJPEG);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1].stage, psEnding);
  EXPECT_EQ(reports[1].percent, 0);
}

TEST(Jpeg, ErrorFromAProgressListenerDiscardsTheCompressedBytes) {
  TBitmap bitmap(64, 64);
  TJPEGImage jpeg;
  jpeg.Assign(bitmap);
  uint32_t clock = 0;
  jpeg.SetTickSource([&] { return clock += 1000; });
  jpeg.OnProgress = [](TGraphic*, TProgressStage stage, uint8_t, bool, const TRect&, const QString&) {
    if (stage == psRunning) throw Exception(QStringLiteral("cancelled"));
  };
  EXPECT_THROW(jpeg.SaveToBytes(), Exception);
  EXPECT_TRUE(jpeg.Data().isEmpty());
  jpeg.OnProgress = nullptr;
  EXPECT_TRUE(jpeg.SaveToBytes().startsWith("\xFF\xD8"));
}

}  // namespace
