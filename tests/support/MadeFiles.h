#pragma once
// Files a test makes for the occasion: bytes written to a path, BMP
// headers that may claim far more rows than the file holds, EXIF blocks put
// into JPEG files, and a JPEG that fails past its header.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <vector>

#include "pictures/Bitmap.h"
#include "pictures/JpegCodec.h"

// Writes Bytes to Path, replacing what was there; returns Path.
inline QString WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
  return path;
}

// A bottom-up BMP of Width x Height pixels at Bits per pixel (black and
// white below 8 bits) whose rows are Pixels.
inline QByteArray BmpBytes(int32_t width, int32_t height, uint16_t bits, const QByteArray& pixels = {}) {
  const uint32_t offset = bits < 8 ? 62 : 54;
  QByteArray file(static_cast<qsizetype>(offset), '\0');
  char* at = file.data();
  at[0] = 'B', at[1] = 'M';
  qToLittleEndian<uint32_t>(offset, at + 10);
  qToLittleEndian<uint32_t>(40, at + 14);
  qToLittleEndian<int32_t>(width, at + 18);
  qToLittleEndian<int32_t>(height, at + 22);
  qToLittleEndian<uint16_t>(1, at + 26);
  qToLittleEndian<uint16_t>(bits, at + 28);
  if (bits < 8) qToLittleEndian<uint32_t>(0xFFFFFF, at + 58);
  return file + pixels;
}

// One entry of an EXIF IFD: for a SHORT (type 3) Value goes in the first two
// bytes of the value field, else in all four.
struct TExifEntry {
  uint16_t Tag = 0;
  uint16_t Type = 3;
  uint32_t Count = 1;
  uint32_t Value = 0;
};

// An APP1 segment "Exif\0\0" holding a TIFF header in either byte order
// whose IFD0, at IfdOffset, holds Entries and links to NextIfd.
inline QByteArray ExifSegment(bool bigEndian, const std::vector<TExifEntry>& entries, uint32_t ifdOffset = 8,
                              uint32_t nextIfd = 0) {
  QByteArray tiff;
  auto put = [&](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
      tiff += static_cast<char>(value >> (8 * (bigEndian ? bytes - 1 - i : i)));
  };
  tiff += bigEndian ? "MM" : "II";
  put(42, 2);
  put(ifdOffset, 4);
  put(static_cast<uint32_t>(entries.size()), 2);
  for (const TExifEntry& e : entries) {
    put(e.Tag, 2);
    put(e.Type, 2);
    put(e.Count, 4);
    if (e.Type == 3) {
      put(e.Value, 2);
      put(0, 2);
    } else {
      put(e.Value, 4);
    }
  }
  put(nextIfd, 4);
  const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
  QByteArray segment("\xFF\xE1", 2);
  segment += static_cast<char>((payload.size() + 2) >> 8);
  segment += static_cast<char>((payload.size() + 2) & 0xFF);
  return segment + payload;
}

// The orientation tag (0x0112) alone, as cameras write it.
inline QByteArray OrientationSegment(uint16_t orientation, bool bigEndian) {
  return ExifSegment(bigEndian, {{0x0112, 3, 1, orientation}});
}

// Jpeg with Segments put right after its start-of-image marker.
inline QByteArray WithSegments(const QByteArray& jpeg, const QByteArray& segments) {
  return jpeg.left(2) + segments + jpeg.mid(2);
}

// A progressive JPEG whose second scan is bogus: its header reads, its
// decoding fails.
inline QByteArray FailsPastItsHeader() {
  TBitmap photo(64, 48);
  photo.Canvas().SetPixel(3, 4, clRed);
  TJPEGSettings progressive = JPEGDefaults();
  progressive.ProgressiveEncoding = true;
  QByteArray bytes = EncodeJpeg(photo, progressive, {});
  const qsizetype first = bytes.indexOf("\xFF\xDA");
  const qsizetype second = bytes.indexOf("\xFF\xDA", first + 2);
  EXPECT_GT(second, first);
  const int components = static_cast<uint8_t>(bytes[second + 4]);
  bytes[second + 5 + 2 * components] = static_cast<char>(70);  // spectral selection start past 63
  return bytes;
}
