#include <gtest/gtest.h>

#include <QByteArray>

#include "pictures/ExifThumbnail.h"

namespace {

constexpr int kHeader = 6;  // "Exif\0\0"

// An Exif block: the first directory (one entry, the orientation) at 8,
// linking to a second one with a thumbnail of ThumbnailSize bytes. The
// thumbnail lies at the end of the block or, with ThumbnailFirst, before
// the second directory.
struct TExif {
  bool BigEndian = false;
  bool ThumbnailFirst = false;
  bool Linked = true;
  uint32_t ThumbnailOffsetShift = 0;  // added to the thumbnail's offset as written
  uint16_t FirstCount = 1;            // the first directory's entry count as written

  QByteArray tiff;
  void U16(uint32_t v) { Put(v, 2); }
  void U32(uint32_t v) { Put(v, 4); }
  void Put(uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) tiff += char(v >> 8 * (BigEndian ? bytes - 1 - i : i));
  }
  void Entry(uint16_t tag, uint16_t type, uint32_t value) {
    U16(tag), U16(type), U32(1);
    type == 3 ? (U16(value), U16(0)) : U32(value);
  }

  static constexpr int kThumbnailSize = 40;
  uint32_t secondAt = 0;
  uint32_t thumbnailAt = 0;

  QByteArray Block() {
    tiff = BigEndian ? "MM" : "II";
    U16(42), U32(8);
    // The first directory: 2 + 12 + 4 bytes, ending at 26.
    secondAt = ThumbnailFirst ? 26 + kThumbnailSize : 26;
    thumbnailAt = ThumbnailFirst ? 26 : 26 + 2 + 2 * 12 + 4;
    U16(FirstCount);
    Entry(0x0112, 3, 1);
    U32(Linked ? secondAt : 0);
    const QByteArray thumbnail(kThumbnailSize, '\x77');
    if (ThumbnailFirst) tiff += thumbnail;
    U16(2);
    Entry(0x0201, 4, thumbnailAt + ThumbnailOffsetShift);
    Entry(0x0202, 4, kThumbnailSize);
    U32(0);
    if (!ThumbnailFirst) tiff += thumbnail;
    return QByteArray("Exif\0\0", kHeader) + tiff;
  }
};

// The link from the first directory to the second, as the block says.
uint32_t SecondLink(const QByteArray& block, bool bigEndian) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    const auto byte = uint32_t(uint8_t(block[kHeader + 22 + i]));
    v |= byte << 8 * (bigEndian ? 3 - i : i);
  }
  return v;
}

class ExifThumbnail : public ::testing::TestWithParam<bool> {};

TEST_P(ExifThumbnail, AThumbnailAtTheEndIsCutOffAndUnlinked) {
  TExif exif;
  exif.BigEndian = GetParam();
  const QByteArray block = exif.Block();
  ASSERT_EQ(SecondLink(block, exif.BigEndian), exif.secondAt);
  const QByteArray out = DropExifThumbnail(block);
  EXPECT_EQ(out.size(), kHeader + int(exif.thumbnailAt));
  EXPECT_EQ(SecondLink(out, exif.BigEndian), 0u);
  // Everything else is as it was.
  EXPECT_EQ(out.left(kHeader + 22), block.left(kHeader + 22));
  EXPECT_EQ(out.mid(kHeader + 26), block.mid(kHeader + 26, out.size() - kHeader - 26));
}

TEST_P(ExifThumbnail, AThumbnailInsideIsBlanked) {
  TExif exif;
  exif.BigEndian = GetParam();
  exif.ThumbnailFirst = true;
  const QByteArray block = exif.Block();
  const QByteArray out = DropExifThumbnail(block);
  ASSERT_EQ(out.size(), block.size());
  EXPECT_EQ(SecondLink(out, exif.BigEndian), 0u);
  EXPECT_EQ(out.mid(kHeader + 26, TExif::kThumbnailSize), QByteArray(TExif::kThumbnailSize, '\0'));
  EXPECT_EQ(out.mid(kHeader + 26 + TExif::kThumbnailSize), block.mid(kHeader + 26 + TExif::kThumbnailSize));
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, ExifThumbnail, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "BigEndian" : "LittleEndian"; });

TEST(ExifThumbnail, AThumbnailOutsideTheBlockIsOnlyUnlinked) {
  TExif exif;
  exif.ThumbnailOffsetShift = 1000;
  const QByteArray block = exif.Block();
  const QByteArray out = DropExifThumbnail(block);
  ASSERT_EQ(out.size(), block.size());
  EXPECT_EQ(SecondLink(out, false), 0u);
  EXPECT_EQ(out.right(TExif::kThumbnailSize), block.right(TExif::kThumbnailSize));
}

struct TUnchanged {
  const char* Name;
  QByteArray Block;
};

class ExifThumbnailUnchanged : public ::testing::TestWithParam<TUnchanged> {};

TEST_P(ExifThumbnailUnchanged, ComesBackAsItWas) { EXPECT_EQ(DropExifThumbnail(GetParam().Block), GetParam().Block); }

QByteArray Unlinked() {
  TExif exif;
  exif.Linked = false;
  return exif.Block();
}
QByteArray FirstDirectoryPastTheEnd() {
  TExif exif;
  exif.FirstCount = 0xFFFF;
  return exif.Block();
}

INSTANTIATE_TEST_SUITE_P(Blocks, ExifThumbnailUnchanged,
                         ::testing::Values(TUnchanged{"NoSecondDirectory", Unlinked()},
                                           TUnchanged{"FirstDirectoryPastTheEnd", FirstDirectoryPastTheEnd()},
                                           TUnchanged{"NotExif", QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 34)},
                                           TUnchanged{"NoByteOrder", QByteArray("Exif\0\0XX\0\x2A\0\0\0\x08", 14)},
                                           TUnchanged{"ShortHeader", QByteArray("Exif\0\0II*", 9)},
                                           TUnchanged{"Empty", QByteArray()}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
