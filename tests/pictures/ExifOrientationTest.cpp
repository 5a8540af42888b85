// JPEG pictures turned upright by their EXIF orientation: the eight values
// in both byte orders through every way of decoding, and EXIF blocks that
// are broken, looping or doubled.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <algorithm>

#include "pictures/ExifOrientation.h"
#include "pictures/Jpeg.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "support/UprightImage.h"

namespace {

// 24 x 16 in 8 x 8 blocks of flat colour, stored as a camera stores it.
QByteArray StoredJpeg(bool grey = false) {
  TBitmap bitmap(24, 16);
  const TColor colors[6] = {clRed, clLime, clBlue, clYellow, clFuchsia, clWhite};
  for (int i = 0; i < 6; ++i) {
    bitmap.Canvas().Brush().SetColor(colors[i]);
    bitmap.Canvas().FillRect(Bounds(8 * (i % 3), 8 * (i / 3), 8, 8));
  }
  TJPEGImage jpeg;
  jpeg.Assign(bitmap);
  if (!grey) return jpeg.SaveToBytes();
  QImage image = QImage::fromData(jpeg.SaveToBytes()).convertToFormat(QImage::Format_Grayscale8);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", 95);
  return bytes;
}

::testing::AssertionResult SameAsImage(const TSurface& got, const QImage& want) {
  TSurface expected = TSurface::Uncleared(want.width(), want.height());
  for (int y = 0; y < want.height(); ++y)
    for (int x = 0; x < want.width(); ++x) expected.SetPixel(x, y, want.pixel(x, y) | 0xFF000000u);
  return SameSurface(got, expected);
}

// What the stored picture decodes to with no orientation.
QImage StoredPixels(const QByteArray& jpeg) {
  TJPEGImage plain;
  plain.LoadFromBytes(jpeg);
  return plain.Bitmap().Surface().Image().copy();
}

struct TOrientationCase {
  TExifOrientation Orientation;
  bool BigEndian;
};

void PrintTo(const TOrientationCase& c, std::ostream* os) {
  *os << int(c.Orientation) << (c.BigEndian ? " MM" : " II");
}

class JpegOrientation : public ::testing::TestWithParam<TOrientationCase> {};

TEST_P(JpegOrientation, EveryDecodingGivesTheUprightPixels) {
  const TOrientationCase& c = GetParam();
  const QByteArray stored = StoredJpeg();
  const QByteArray tagged = WithSegments(stored, OrientationSegment(c.Orientation, c.BigEndian));
  const QImage want = UprightImage(StoredPixels(stored), c.Orientation);

  TJPEGImage jpeg;
  jpeg.LoadFromBytes(tagged);
  EXPECT_EQ(jpeg.Orientation(), c.Orientation);
  // Upright before anything is decoded.
  EXPECT_EQ(jpeg.Width(), want.width());
  EXPECT_EQ(jpeg.Height(), want.height());
  EXPECT_TRUE(SameAsImage(jpeg.DisplayCopy(), want)) << "display pixels";
  EXPECT_TRUE(SameAsImage(jpeg.Bitmap().Surface(), want)) << "24-bit bitmap";
  EXPECT_EQ(jpeg.Width(), want.width());
  // The file's bytes are kept as read, tag and all.
  EXPECT_EQ(jpeg.SaveToBytes(), tagged);
}

TEST_P(JpegOrientation, AReducedDecodingIsUprightToo) {
  const TOrientationCase& c = GetParam();
  const QByteArray stored = StoredJpeg();
  TJPEGImage plain;
  plain.LoadFromBytes(stored);
  const TSurface half = plain.PixelsCovering({12, 8});
  ASSERT_EQ(half.Width(), 12);
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(WithSegments(stored, OrientationSegment(c.Orientation, c.BigEndian)));
  const TSize upright = UprightSize(c.Orientation, {12, 8});
  EXPECT_TRUE(SameAsImage(jpeg.PixelsCovering(upright), UprightImage(half.Image(), c.Orientation)));
}

TEST_P(JpegOrientation, AGreyPictureDecodedToAPaletteIsUpright) {
  const TOrientationCase& c = GetParam();
  const QByteArray stored = StoredJpeg(true);
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(WithSegments(stored, OrientationSegment(c.Orientation, c.BigEndian)));
  EXPECT_EQ(jpeg.Bitmap().PixelFormat(), pf8bit);
  EXPECT_TRUE(SameAsImage(jpeg.Bitmap().Surface(), UprightImage(StoredPixels(stored), c.Orientation)));
}

std::vector<TOrientationCase> AllOrientations() {
  std::vector<TOrientationCase> cases;
  for (int o = eoTopLeft; o <= eoLeftBottom; ++o)
    for (const bool big : {false, true}) cases.push_back({static_cast<TExifOrientation>(o), big});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EightInBothByteOrders, JpegOrientation, ::testing::ValuesIn(AllOrientations()),
                         [](const ::testing::TestParamInfo<TOrientationCase>& info) {
                           return "Orientation" + std::to_string(info.param.Orientation) +
                                  (info.param.BigEndian ? "Motorola" : "Intel");
                         });

// EXIF blocks that give no orientation, or the first one's, and never keep
// the picture from loading.
struct TExifCase {
  const char* Name;
  QByteArray Segments;
  TExifOrientation Expected;
};

void PrintTo(const TExifCase& c, std::ostream* os) { *os << c.Name; }

QByteArray App1(const QByteArray& payload) {
  QByteArray segment("\xFF\xE1", 2);
  segment += static_cast<char>((payload.size() + 2) >> 8);
  segment += static_cast<char>((payload.size() + 2) & 0xFF);
  return segment + payload;
}

std::vector<TExifCase> ExifCases() {
  constexpr uint16_t kTag = 0x0112;
  const QByteArray rightTop = OrientationSegment(eoRightTop, true);
  return {
      {"IfdBeyondTheSegment", ExifSegment(true, {{kTag, 3, 1, 6}}, 4000), eoTopLeft},
      {"CountOfAllOnes", ExifSegment(false, {{kTag, 3, 0xFFFFFFFFu, 6}}), eoTopLeft},
      {"CountOfTwo", ExifSegment(true, {{kTag, 3, 2, 6}}), eoTopLeft},
      {"LongInsteadOfShort", ExifSegment(false, {{kTag, 4, 1, 6}}), eoTopLeft},
      {"ValueZero", OrientationSegment(0, false), eoTopLeft},
      {"ValueNine", OrientationSegment(9, true), eoTopLeft},
      {"OtherTagsOnly", ExifSegment(false, {{0x010F, 2, 4, 0x41424300}, {0x0131, 2, 4, 0x41424300}}), eoTopLeft},
      {"TagAfterOthers", ExifSegment(true, {{0x010F, 2, 4, 0x41424300}, {kTag, 3, 1, 8}}), eoLeftBottom},
      {"IfdLinkedToItself", ExifSegment(false, {{kTag, 3, 1, 3}}, 8, 8), eoBottomRight},
      {"MoreEntriesThanTheSegmentHolds", ExifSegment(true, {{0x010F, 2, 4, 0}}).replace(18, 2, "\xFF\xFF", 2), eoTopLeft},
      {"TwoExifBlocks", OrientationSegment(eoBottomRight, false) + rightTop, eoBottomRight},
      {"XmpBlockFirst", App1("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>") + rightTop, eoRightTop},
      {"ExifHeaderOnly", App1(QByteArray("Exif\0\0", 6)), eoTopLeft},
      {"TiffHeaderCut", App1(QByteArray("Exif\0\0MM\0", 9)), eoTopLeft},
      {"UnknownByteOrder", App1(QByteArray("Exif\0\0IM\0\x2A\0\0\0\x08", 14)), eoTopLeft},
      {"NotForty-Two", ExifSegment(false, {{kTag, 3, 1, 6}}).replace(12, 1, "\x2B", 1), eoTopLeft},
  };
}

class JpegExifBlocks : public ::testing::TestWithParam<TExifCase> {};

TEST_P(JpegExifBlocks, ThePictureLoadsWithTheOrientationFound) {
  const TExifCase& c = GetParam();
  const QByteArray stored = StoredJpeg();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(WithSegments(stored, c.Segments));
  EXPECT_EQ(jpeg.Orientation(), c.Expected);
  EXPECT_TRUE(SameAsImage(jpeg.DisplayCopy(), UprightImage(StoredPixels(stored), c.Expected)));
}

INSTANTIATE_TEST_SUITE_P(Cases, JpegExifBlocks, ::testing::ValuesIn(ExifCases()),
                         [](const ::testing::TestParamInfo<TExifCase>& info) {
                           std::string name = info.param.Name;
                           name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                           return name;
                         });

TEST(ExifOrientation, OnlyTheHeadersBeforeTheScanAreRead) {
  const QByteArray stored = StoredJpeg();
  // A tag block after the start of scan belongs to the compressed data.
  const qsizetype scan = stored.indexOf(QByteArray("\xFF\xDA", 2));
  ASSERT_GT(scan, 0);
  const QByteArray late = stored.left(scan) + QByteArray("\xFF\xDA\x00\x02", 4) + OrientationSegment(6, true);
  EXPECT_EQ(ReadExifOrientation(late), eoTopLeft);
  EXPECT_EQ(ReadExifOrientation(QByteArray()), eoTopLeft);
  EXPECT_EQ(ReadExifOrientation(QByteArray("\xFF\xD8", 2)), eoTopLeft);
  EXPECT_EQ(ReadExifOrientation(QByteArray("\xFF\xD8\xFF\xFF\xFF", 5) + OrientationSegment(6, true).mid(1)), eoRightTop);
}

}  // namespace
