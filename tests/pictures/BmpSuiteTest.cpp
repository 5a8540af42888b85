// The BMP suite: every good file matches its reference rendering; every
// bad or questionable file either fails cleanly, leaving the holder as it
// was, or loads as decided below.
#include <QDir>

#include "TestFiles.h"
#include "pictures/Bitmap.h"
#include "pictures/Picture.h"
#include "toolkit/Exceptions.h"

namespace {

std::vector<TManifestRow> SuiteRows(const std::string& kind) {
  return TestDataRows("bmpsuite/manifest.tsv", [&](const TManifestRow& row) { return row.at("class") == kind; });
}

QString FirstReference(const TManifestRow& row) {
  return TestData(QStringLiteral("bmpsuite/") + QString::fromStdString(row.at("reference_images")).section(',', 0, 0));
}

class GoodBmp : public ::testing::TestWithParam<TManifestRow> {};

TEST_P(GoodBmp, MatchesItsReference) {
  SKIP_WITHOUT_TESTDATA();
  const TManifestRow& row = GetParam();
  TBitmap bitmap;
  bitmap.LoadFromFile(TestData(QStringLiteral("bmpsuite/") + QString::fromStdString(row.at("path"))));
  ASSERT_EQ(bitmap.Width(), std::stoi(row.at("expected_width")));
  ASSERT_EQ(bitmap.Height(), std::stoi(row.at("expected_height")));
  const QImage reference(FirstReference(row));
  ASSERT_FALSE(reference.isNull());
  // The non-square file's references are stretched for display.
  if (reference.size() != QSize(bitmap.Width(), bitmap.Height())) return;
  const TImageDiff diff = CompareToImage(bitmap.Surface(), reference);
  EXPECT_EQ(diff.pixels, 0) << "largest channel difference " << diff.largest;
}

INSTANTIATE_TEST_SUITE_P(Suite, GoodBmp, ::testing::ValuesIn(SuiteRows("g")),
                         [](const auto& info) { return ParamName(info.param.at("path")); });

// What the reader does with each file the suite calls bad, questionable or
// not quite BMP.
enum TOutcome { Refused, MatchesReference, Loads };
struct TDecision {
  const char* path;
  TOutcome outcome;
  const char* reference = "";   // for MatchesReference, under ref/
  bool opaqueOnly = false;      // compare only where the reference is not transparent
  int tolerance = 0;            // channels wider than 8 bits round either way
};

const TDecision kDecisions[] = {
    // Bad files.
    {"b/badbitcount.bmp", Refused},
    {"b/badbitssize.bmp", MatchesReference, "pal1.png"},  // image size capped by the bytes present
    {"b/baddens1.bmp", MatchesReference, "pal1.png"},     // density is only kept and written back
    {"b/baddens2.bmp", MatchesReference, "pal1.png"},
    {"b/badfilesize.bmp", MatchesReference, "pal1.png"},  // the file size field is never used
    {"b/badheadersize.bmp", Refused},                     // 66 is no header size we know
    {"b/badpalettesize.bmp", Refused},                    // colour table past the end of the file
    {"b/badplanes.bmp", Refused},
    {"b/badrle.bmp", Loads},                              // runs and deltas clipped to the picture
    {"b/badrle4.bmp", Loads},
    {"b/badrle4bis.bmp", Loads},
    {"b/badrle4ter.bmp", Loads},
    {"b/badrlebis.bmp", Loads},
    {"b/badrleter.bmp", Loads},
    {"b/badwidth.bmp", Refused},
    {"b/pal8badindex.bmp", Loads},                        // indices past the table are black
    {"b/reallybig.bmp", Refused},                         // over 2^27 pixels, refused before allocating
    {"b/rgb16-880.bmp", MatchesReference, "rgb16-880.png"},  // an empty mask gives 0
    {"b/rletopdown.bmp", Refused},                        // run-length rows cannot be top-down
    {"b/shortfile.bmp", Loads},                           // the rows present, the rest index 0
    // Questionable files.
    {"q/pal1huffmsb.bmp", Refused},                       // OS/2 Huffman 1D: not expanded
    {"q/pal1p1.bmp", MatchesReference, "pal1p1.png"},     // index 1 lies past the table: black
    {"q/pal2.bmp", Refused},                              // 2 bits per pixel is no bitmap format
    {"q/pal2color.bmp", Refused},
    {"q/pal4rlecut.bmp", MatchesReference, "pal4rlecut-b.png"},  // pixels never set stay black
    {"q/pal4rletrns.bmp", MatchesReference, "pal4rletrns-b.png"},
    {"q/pal8offs.bmp", MatchesReference, "pal8.png"},     // the gap before the pixels is skipped
    {"q/pal8os2-hs.bmp", MatchesReference, "pal8.png"},
    {"q/pal8os2-sz.bmp", MatchesReference, "pal8.png"},
    {"q/pal8os2sp.bmp", MatchesReference, "pal8.png"},    // the offset cuts the default table short
    {"q/pal8os2v2-16.bmp", MatchesReference, "pal8.png"},
    {"q/pal8os2v2-40sz.bmp", MatchesReference, "pal8.png"},
    {"q/pal8os2v2-sz.bmp", MatchesReference, "pal8.png"},
    {"q/pal8os2v2.bmp", MatchesReference, "pal8.png"},
    {"q/pal8oversizepal.bmp", MatchesReference, "pal8.png"},  // the first 256 of 300 colours
    {"q/pal8rlecut.bmp", MatchesReference, "pal8rlecut-b.png"},
    {"q/pal8rletrns.bmp", MatchesReference, "pal8rletrns-b.png"},
    {"q/rgb16-231.bmp", MatchesReference, "rgb16-231.png"},
    {"q/rgb16-3103.bmp", MatchesReference, "rgb16-3103.png"},
    {"q/rgb16faketrns.bmp", MatchesReference, "rgb16.png"},  // the unused bit is ignored
    {"q/rgb24jpeg.bmp", Refused},                         // embedded JPEG: not expanded
    {"q/rgb24largepal.bmp", MatchesReference, "rgb24.png"},
    {"q/rgb24lprof.bmp", MatchesReference, "rgb24.png"},  // the linked profile is never opened
    {"q/rgb24png.bmp", Refused},                          // embedded PNG: not expanded
    {"q/rgb24prof.bmp", MatchesReference, "rgb24.png"},
    {"q/rgb24prof2.bmp", Loads},                          // no colour management: channels as stored
    {"q/rgb24rle24.bmp", Refused},                        // OS/2 RLE24: not expanded
    {"q/rgb32-111110.bmp", MatchesReference, "rgb24.png", false, 1},
    {"q/rgb32-7187.bmp", MatchesReference, "rgb32-7187.png"},
    {"q/rgb32-xbgr.bmp", MatchesReference, "rgb24.png"},
    {"q/rgb32fakealpha.bmp", MatchesReference, "rgb24.png"},  // the unused byte is ignored
    {"q/rgb32h52.bmp", MatchesReference, "rgb24.png"},
    // Alpha masks are ignored: the display is opaque, colours are exact.
    {"q/rgba16-1924.bmp", MatchesReference, "rgba16-1924.png", true},
    {"q/rgba16-4444.bmp", MatchesReference, "rgba16-4444.png", true},
    {"q/rgba16-5551.bmp", MatchesReference, "rgba16-5551.png", true},
    {"q/rgba32-1.bmp", MatchesReference, "rgba32.png", true},
    {"q/rgba32-1010102.bmp", MatchesReference, "rgba32-1010102.png", true},
    {"q/rgba32-2.bmp", MatchesReference, "rgba32.png", true},
    {"q/rgba32-61754.bmp", MatchesReference, "rgba32-61754.png", true},
    {"q/rgba32-81284.bmp", MatchesReference, "rgba32-81284.png", true},
    {"q/rgba32abf.bmp", Refused},                         // compression 6 is not expanded
    {"q/rgba32h56.bmp", MatchesReference, "rgba32.png", true},
    {"q/rgba64.bmp", Refused},                            // 64 bits per pixel is no bitmap format
    {"x/ba-bm.bmp", Refused},                             // an OS/2 bitmap array, not "BM"
};

class OddBmp : public ::testing::TestWithParam<TDecision> {};

TEST_P(OddBmp, FailsCleanlyOrLoadsAsDecided) {
  SKIP_WITHOUT_TESTDATA();
  const TDecision& d = GetParam();
  const QString path = TestData(QStringLiteral("bmpsuite/") + d.path);
  TPicture holder;
  holder.Bitmap().SetSize(5, 7);
  TGraphic* before = holder.Graphic();
  int changes = 0;
  holder.OnChange = [&](TPicture*) { ++changes; };
  if (d.outcome == Refused) {
    try {
      holder.LoadFromFile(path);
      FAIL() << "loaded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Bitmap image is not valid"));
    }
    EXPECT_EQ(holder.Graphic(), before);
    EXPECT_EQ(holder.Width(), 5);
    EXPECT_EQ(changes, 0);
    return;
  }
  holder.LoadFromFile(path);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(holder.Width(), 127);
  ASSERT_EQ(holder.Height(), 64);
  if (d.outcome != MatchesReference) return;
  const TBitmap& bitmap = holder.Bitmap();
  const TImageDiff diff =
      CompareToImage(bitmap.Surface(), QImage(TestData(QStringLiteral("bmpsuite/ref/") + d.reference)), d.opaqueOnly);
  EXPECT_LE(diff.largest, d.tolerance) << diff.pixels << " pixels differ";
}

INSTANTIATE_TEST_SUITE_P(Suite, OddBmp, ::testing::ValuesIn(kDecisions),
                         [](const auto& info) { return ParamName(info.param.path); });

TEST(OddBmp, EveryFileHasADecision) {
  SKIP_WITHOUT_TESTDATA();
  for (const char* folder : {"b", "q", "x"}) {
    for (const QString& name : QDir(TestData(QStringLiteral("bmpsuite/") + folder)).entryList(QDir::Files)) {
      const std::string path = std::string(folder) + "/" + name.toStdString();
      const bool decided = std::any_of(std::begin(kDecisions), std::end(kDecisions),
                                       [&](const TDecision& d) { return path == d.path; });
      EXPECT_TRUE(decided) << path;
    }
  }
}

TEST(OddBmp, IndicesPastTheColorTableAreBlack) {
  SKIP_WITHOUT_TESTDATA();
  TBitmap bitmap;
  bitmap.LoadFromFile(TestData(QStringLiteral("bmpsuite/b/pal8badindex.bmp")));
  ASSERT_EQ(bitmap.ColorTable().size(), 101u);
  int pastTable = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const uint8_t index = std::as_const(bitmap).ScanLine(y)[x];
      const QRgb want = index < 101 ? bitmap.ColorTable()[index] : qRgb(0, 0, 0);
      ASSERT_EQ(bitmap.Surface().Pixel(x, y), want) << x << ", " << y;
      pastTable += index >= 101;
    }
  EXPECT_GT(pastTable, 0);
}

TEST(OddBmp, ShortFileKeepsTheRowsItHolds) {
  SKIP_WITHOUT_TESTDATA();
  TBitmap bitmap;
  bitmap.LoadFromFile(TestData(QStringLiteral("bmpsuite/b/shortfile.bmp")));
  // 273 bytes: 62 of headers, then 13 whole rows of 16 bytes and 3 bytes.
  const QImage reference(TestData(QStringLiteral("bmpsuite/ref/pal1.png")));
  const QRgb index0 = bitmap.ColorTable()[0];
  for (int y = 0; y < 64; ++y) {
    const int fromBottom = 63 - y;
    for (int x = 0; x < 127; ++x) {
      const bool present = fromBottom < 13 || (fromBottom == 13 && x < 24);
      ASSERT_EQ(bitmap.Surface().Pixel(x, y), present ? reference.pixel(x, y) | 0xFF000000u : index0) << x << ", " << y;
    }
  }
}

TEST(OddBmp, ClippedRunsNeverLeaveThePicture) {
  SKIP_WITHOUT_TESTDATA();
  // Runs one pixel too long and deltas past the row: the rest of the
  // picture is still drawn (what lies inside matches the good file).
  TBitmap bad, good;
  bad.LoadFromFile(TestData(QStringLiteral("bmpsuite/b/badrlebis.bmp")));
  good.LoadFromFile(TestData(QStringLiteral("bmpsuite/q/pal8rletrns.bmp")));
  int same = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 127; ++x) same += bad.Surface().Pixel(x, y) == good.Surface().Pixel(x, y);
  EXPECT_GT(same, 127 * 32);
}

}  // namespace
