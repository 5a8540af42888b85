#pragma once
// Helpers shared by the picture tests: paths of the shared test data, the
// manifests' rows and pixel comparisons against reference images.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "pictures/Graphic.h"
#include "toolkit/Surface.h"

// The public conformance files lie outside the project, where the CMake
// cache variable VELLUMO_TESTDATA points; the project's own test files
// beside the tests.
inline QString TestData(const QString& relative) { return QStringLiteral(VELLUMO_TESTDATA "/") + relative; }
inline QString TestFile(const QString& relative) { return QStringLiteral(VELLUMO_TEST_FILES "/") + relative; }
inline bool HaveTestData() { return QFileInfo(QStringLiteral(VELLUMO_TESTDATA)).isDir(); }

// Skips the running test where the conformance files are absent.
#define SKIP_WITHOUT_TESTDATA() \
  if (!HaveTestData()) GTEST_SKIP() << "no conformance files at " VELLUMO_TESTDATA ": set the CMake cache variable VELLUMO_TESTDATA"

// The rows of a tab-separated manifest, each a map from column name to
// value; lines starting with # are comments.
using TManifestRow = std::map<std::string, std::string>;
inline std::vector<TManifestRow> ReadManifest(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::vector<std::string> columns;
  std::vector<TManifestRow> rows;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells;
    std::stringstream split(line);
    for (std::string cell; std::getline(split, cell, '\t');) cells.push_back(cell);
    if (columns.empty()) {
      columns = cells;
      continue;
    }
    TManifestRow row;
    for (size_t i = 0; i < columns.size(); ++i) row[columns[i]] = i < cells.size() ? cells[i] : std::string();
    rows.push_back(row);
  }
  return rows;
}

// The rows of a manifest of the conformance files that Keep accepts. Where
// the files are absent, one row with the path "NoTestData" stands for them,
// so that the table's test is reported as skipped rather than missing.
inline std::vector<TManifestRow> TestDataRows(const std::string& manifest,
                                              const std::function<bool(const TManifestRow&)>& keep = {}) {
  if (!HaveTestData()) return {TManifestRow{{"path", "NoTestData"}}};
  std::vector<TManifestRow> rows;
  for (const TManifestRow& row : ReadManifest(VELLUMO_TESTDATA "/" + manifest))
    if (!keep || keep(row)) rows.push_back(row);
  return rows;
}

// Gtest parameter names: letters and digits only.
inline std::string ParamName(const std::string& path) {
  std::string name;
  for (const char c : path) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

// How far Surface is from Reference: the number of differing pixels and
// the largest channel difference. Pixels where the reference is fully
// transparent are skipped when SkipTransparent is set.
struct TImageDiff {
  int pixels = 0;
  int largest = 0;
};
inline TImageDiff CompareToImage(const TSurface& surface, const QImage& reference, bool skipTransparent = false) {
  TImageDiff diff;
  const QImage ref = reference.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < ref.height(); ++y)
    for (int x = 0; x < ref.width(); ++x) {
      const QRgb want = ref.pixel(x, y);
      if (skipTransparent && qAlpha(want) == 0) continue;
      const QRgb got = surface.Pixel(x, y);
      const int d = std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                              std::abs(qBlue(want) - qBlue(got))});
      if (d > 0) ++diff.pixels;
      diff.largest = std::max(diff.largest, d);
    }
  return diff;
}

// A binary PPM (P6) or PGM (P5) file as an RGB image.
inline QImage ReadPnm(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::string magic;
  int w = 0, h = 0, max = 0;
  in >> magic >> w >> h >> max;
  in.get();
  QImage image(w, h, QImage::Format_RGB32);
  const int channels = magic == "P6" ? 3 : 1;
  std::vector<unsigned char> row(static_cast<size_t>(w * channels));
  for (int y = 0; y < h; ++y) {
    in.read(reinterpret_cast<char*>(row.data()), static_cast<std::streamsize>(row.size()));
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = &row[static_cast<size_t>(x * channels)];
      image.setPixel(x, y, channels == 3 ? qRgb(p[0], p[1], p[2]) : qRgb(p[0], p[0], p[0]));
    }
  }
  return image;
}
