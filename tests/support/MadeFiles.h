#pragma once
// Files a test makes for the occasion: bytes written to a path, and BMP
// headers that may claim far more rows than the file holds.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QtEndian>

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
