// Every input kept for the reader fuzzers (seeds and the crashes they once
// found) goes through the same steps as in the fuzzers, under the
// sanitizers of the sanitized build.
#include <QDir>

#include "../../fuzz/FuzzReaders.h"
#include "TestFiles.h"

namespace {

void Replay(const char* fuzzer, void (*exercise)(const uint8_t*, size_t)) {
  const QDir dir(TestFile(QStringLiteral("fuzz/%1").arg(QLatin1String(fuzzer))));
  const QStringList names = dir.entryList(QDir::Files);
  EXPECT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    SCOPED_TRACE(name.toStdString());
    exercise(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
  }
}

TEST(FuzzRegression, BmpReader) { Replay("BmpReader", fuzz::ExerciseBmpReader); }

TEST(FuzzRegression, JpegReader) { Replay("JpegReader", fuzz::ExerciseJpegReader); }

TEST(FuzzRegression, JpegPatch) { Replay("JpegPatch", fuzz::ExerciseJpegPatcher); }

TEST(FuzzRegression, PngReader) { Replay("PngReader", fuzz::ExercisePngReader); }

TEST(FuzzRegression, HeifReader) { Replay("HeifReader", fuzz::ExerciseHeifReader); }

TEST(FuzzRegression, WebPReader) { Replay("WebPReader", fuzz::ExerciseWebPReader); }

}  // namespace
