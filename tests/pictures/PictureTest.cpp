// The picture holder: the format registry, choosing a reader by extension,
// change reports, the stored form and saving through a temporary file.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

#include "TestFiles.h"
#include "pictures/Bitmap.h"
#include "pictures/FileFormats.h"
#include "pictures/Icon.h"
#include "pictures/Jpeg.h"
#include "pictures/JpegStartup.h"
#include "pictures/Picture.h"
#include "toolkit/Exceptions.h"

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small picture of each kind, made by our own writers.
QByteArray SmallBmp() {
  TBitmap bitmap(3, 2);
  bitmap.Canvas().SetPixel(0, 0, clRed);
  return bitmap.SaveToBytes();
}

QByteArray SmallJpeg() {
  TBitmap bitmap(8, 8);
  TJPEGImage jpeg;
  jpeg.Assign(bitmap);
  return jpeg.SaveToBytes();
}

class PictureFiles : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
  QTemporaryDir dir_;
};

TEST(FileFormats, ElevenEntriesInTheirOrder) {
  StartJpegSupport();  // again: changes nothing
  std::vector<std::string> entries;
  for (const TFileFormat& f : FileFormats().Formats())
    entries.push_back((f.Extension + " " + f.Description + " " + f.ClassName).toStdString());
  EXPECT_EQ(entries, (std::vector<std::string>{"wmf Metafiles TMetafile", "emf Enhanced Metafiles TMetafile",
                                                "ico Icons TIcon", "bmp Bitmaps TBitmap", "png PNG images TPNGImage",
                                                "heic HEIF images THEIFImage", "heif HEIF images THEIFImage",
                                                "webp WebP images TWebPImage", "jpeg JPEG Image File TJPEGImage",
                                                "jpg JPEG Image File TJPEGImage", "jpe JPEG Image File TJPEGImage"}));
}

TEST_F(PictureFiles, ReaderIsChosenByTheExtensionInAnyCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"Picture.JPG", "TJPEGImage"}, {"picture.jpg", "TJPEGImage"}, {"photo.JpEg", "TJPEGImage"},
      {"photo.JPE", "TJPEGImage"}, {"a.bmp", "TBitmap"}, {"B.BMP", "TBitmap"}};
  for (const auto& [name, className] : cases) {
    WriteFile(Path(name), QString::fromLatin1(className) == QLatin1String("TBitmap") ? SmallBmp() : SmallJpeg());
    TPicture holder;
    holder.LoadFromFile(Path(name));
    ASSERT_TRUE(holder.Graphic()) << name;
    EXPECT_EQ(holder.Graphic()->ClassName(), QString::fromLatin1(className)) << name;
  }
}

TEST_F(PictureFiles, UnknownExtensionIsNamedInLowerCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"picture.xyz", "xyz"}, {"Picture.XYZ", "xyz"}, {"noextension", ""}, {"folder.d/file", ""}, {"trailing.", ""}};
  QDir(dir_.path()).mkdir(QStringLiteral("folder.d"));
  TPicture holder;
  holder.Bitmap().SetSize(2, 2);
  TGraphic* before = holder.Graphic();
  int changes = 0;
  holder.OnChange = [&](TPicture*) { ++changes; };
  for (const auto& [name, extension] : cases) {
    WriteFile(Path(name), SmallBmp());
    try {
      holder.LoadFromFile(Path(name));
      FAIL() << name;
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    }
  }
  EXPECT_EQ(holder.Graphic(), before);
  EXPECT_EQ(changes, 0);
}

TEST_F(PictureFiles, FailedLoadKeepsThePreviousPicture) {
  WriteFile(Path("good.bmp"), SmallBmp());
  WriteFile(Path("bad.bmp"), SmallJpeg());
  TPicture holder;
  holder.LoadFromFile(Path("good.bmp"));
  TGraphic* before = holder.Graphic();
  int changes = 0;
  holder.OnChange = [&](TPicture*) { ++changes; };
  EXPECT_THROW(holder.LoadFromFile(Path("bad.bmp")), EInvalidGraphic);
  try {
    holder.LoadFromFile(Path("missing.jpg"));
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Cannot open file %1").arg(Path("missing.jpg")));
  }
  EXPECT_EQ(holder.Graphic(), before);
  EXPECT_EQ(holder.Width(), 3);
  EXPECT_EQ(changes, 0);
}

// A link to a regular file loads as that file; special files are refused
// (the tool's tests show each kind).
TEST_F(PictureFiles, ALinkToAFileLoadsAsThatFile) {
  WriteFile(Path("target.bmp"), SmallBmp());
  ASSERT_TRUE(QFile::link(Path("target.bmp"), Path("link.bmp")));
  TPicture holder;
  holder.LoadFromFile(Path("link.bmp"));
  EXPECT_EQ(holder.Width(), 3);
}

TEST_F(PictureFiles, LoadReplacesThePictureAndReportsOnce) {
  WriteFile(Path("a.jpg"), SmallJpeg());
  TPicture holder;
  EXPECT_EQ(holder.Width(), 0);
  EXPECT_EQ(holder.Height(), 0);
  int changes = 0;
  holder.OnChange = [&](TPicture* sender) {
    EXPECT_EQ(sender, &holder);
    ++changes;
  };
  std::vector<TProgressStage> stages;
  holder.OnProgress = [&](TGraphic*, TProgressStage stage, uint8_t, bool, const TRect&, const QString&) {
    stages.push_back(stage);
  };
  holder.LoadFromFile(Path("a.jpg"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(holder.Width(), 8);
  // The graphic's own reports reach the holder's listeners.
  TBitmap target(8, 8);
  holder.Graphic()->Draw(target.Canvas(), Rect(0, 0, 8, 8));
  EXPECT_EQ(stages, (std::vector<TProgressStage>{psStarting, psEnding}));
  holder.Bitmap();  // a JPEG is no bitmap: a new empty one takes its place
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(holder.Width(), 0);
  holder.Bitmap().SetSize(4, 5);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(holder.Bitmap().PixelFormat(), pfDevice);
}

TEST_F(PictureFiles, MetafilesAreNotSupported) {
  for (const char* name : {"drawing.wmf", "drawing.emf"}) {
    WriteFile(Path(name), QByteArray("\xD7\xCD\xC6\x9A", 4));
    TPicture holder;
    try {
      holder.LoadFromFile(Path(name));
      FAIL();
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Metafiles are not supported on this platform"));
    }
    EXPECT_FALSE(holder.Graphic());
  }
}

TEST_F(PictureFiles, IconsAreReadAndDrawnWithTheirTransparency) {
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) icon.setPixel(x, y, qRgba(0, 0, 255, 255));
  if (!icon.save(Path("a.ico"), "ico")) GTEST_SKIP() << "no icon writer";
  TPicture holder;
  holder.LoadFromFile(Path("a.ico"));
  ASSERT_EQ(holder.Graphic()->ClassName(), QStringLiteral("TIcon"));
  EXPECT_EQ(holder.Width(), 16);
  TBitmap target(16, 16);
  holder.Graphic()->Draw(target.Canvas(), Rect(0, 0, 16, 16));
  EXPECT_EQ(target.Surface().Pixel(8, 8), qRgb(0, 0, 255));
  EXPECT_EQ(target.Surface().Pixel(1, 1), qRgb(255, 255, 255));
  WriteFile(Path("bad.ico"), QByteArray("nonsense"));
  EXPECT_THROW(holder.LoadFromFile(Path("bad.ico")), EInvalidGraphic);
}

// The stored form.
QByteArray Stored(TPicture& holder) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  holder.WriteData(buffer);
  return bytes;
}

void Restore(TPicture& holder, QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  holder.ReadData(buffer);
  EXPECT_TRUE(buffer.atEnd());
}

TEST(StoredPicture, BitmapIsItsClassNameSizeAndBmpFile) {
  TPicture holder;
  holder.Bitmap().SetSize(3, 2);
  holder.Bitmap().Canvas().SetPixel(2, 1, clBlue);
  const QByteArray bytes = Stored(holder);
  const QByteArray bmp = holder.Bitmap().SaveToBytes();
  EXPECT_EQ(bytes.left(12), QByteArray("\x07TBitmap\x4e\x00\x00\x00", 12));
  EXPECT_EQ(bytes.mid(12), bmp);
  TPicture copy;
  Restore(copy, bytes);
  ASSERT_EQ(copy.Graphic()->ClassName(), QStringLiteral("TBitmap"));
  EXPECT_EQ(copy.Bitmap().Surface().Pixel(2, 1), qRgb(0, 0, 255));
}

TEST(StoredPicture, JpegIsItsFileBytes) {
  TPicture holder;
  TJPEGImage jpeg;
  QByteArray data = SmallJpeg();
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  jpeg.LoadFromStream(buffer);
  holder.SetGraphic(&jpeg);
  const QByteArray bytes = Stored(holder);
  EXPECT_EQ(bytes.left(11), QByteArray("\x0ATJPEGImage"));
  EXPECT_EQ(bytes.mid(15), data);
  TPicture copy;
  Restore(copy, bytes);
  EXPECT_EQ(copy.Graphic()->ClassName(), QStringLiteral("TJPEGImage"));
  EXPECT_EQ(copy.Width(), 8);
}

TEST(StoredPicture, EmptyHolderAndUnknownClass) {
  TPicture holder;
  EXPECT_EQ(Stored(holder), QByteArray(1, '\0'));
  holder.Bitmap().SetSize(1, 1);
  Restore(holder, QByteArray(1, '\0'));
  EXPECT_FALSE(holder.Graphic());
  holder.Bitmap().SetSize(1, 1);
  Restore(holder, QByteArray("\x04TFoo\x03\x00\x00\x00xyz", 12));
  EXPECT_FALSE(holder.Graphic());
  // No data: an empty picture of that kind.
  Restore(holder, QByteArray("\x0ATJPEGImage\x00\x00\x00\x00", 15));
  ASSERT_TRUE(holder.Graphic());
  EXPECT_TRUE(holder.Graphic()->Empty());
  EXPECT_THROW(Restore(holder, QByteArray("\x07TBitmap\xff\x00\x00\x00", 12)), EInvalidGraphic);
}

// Saving.
class FailingGraphic : public TBitmap {
 public:
  void SaveToStream(QIODevice& stream) override {
    stream.write("partial");
    throw EInvalidGraphic::BitmapNotValid();
  }
};

TEST_F(PictureFiles, SavingReplacesTheFileKeepingItsPermissions) {
  const QString path = Path("out.bmp");
  WriteFile(path, "old");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
  TBitmap bitmap(3, 2);
  bitmap.SaveToFile(path);
  EXPECT_EQ(ReadFile(path), bitmap.SaveToBytes());
  EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
  EXPECT_EQ(Entries(), QStringList{QStringLiteral("out.bmp")});
}

TEST_F(PictureFiles, NewFileTakesTheDefaultPermissions) {
  WriteFile(Path("plain"), "x");
  TBitmap bitmap(3, 2);
  bitmap.SaveToFile(Path("new.bmp"));
  EXPECT_EQ(QFile::permissions(Path("new.bmp")), QFile::permissions(Path("plain")));
}

TEST_F(PictureFiles, FailedSaveLeavesTheOldFileAndNoTemporaryFile) {
  const QString path = Path("out.bmp");
  WriteFile(path, "old");
  FailingGraphic graphic;
  EXPECT_THROW(graphic.SaveToFile(path), EInvalidGraphic);
  EXPECT_EQ(ReadFile(path), QByteArray("old"));
  EXPECT_EQ(Entries(), QStringList{QStringLiteral("out.bmp")});
}

TEST_F(PictureFiles, UnwritablePlacesCannotBeCreated) {
  QDir(dir_.path()).mkdir(QStringLiteral("folder"));
  TBitmap bitmap(3, 2);
  for (const QString& path : {Path("missing/out.bmp"), Path("folder")}) {
    try {
      bitmap.SaveToFile(path);
      FAIL() << path.toStdString();
    } catch (const EFCreateError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Cannot create file %1").arg(path));
    }
  }
  if (geteuid() == 0) return;  // permissions do not hold the superuser back
  WriteFile(Path("locked.bmp"), "old");
  QFile::setPermissions(Path("locked.bmp"), QFile::ReadOwner);
  EXPECT_THROW(bitmap.SaveToFile(Path("locked.bmp")), EFCreateError);
  EXPECT_EQ(ReadFile(Path("locked.bmp")), QByteArray("old"));
}

TEST_F(PictureFiles, SavingThroughALinkReplacesItsTarget) {
  WriteFile(Path("target.bmp"), "old");
  ASSERT_TRUE(QFile::link(Path("target.bmp"), Path("link.bmp")));
  TBitmap bitmap(3, 2);
  bitmap.SaveToFile(Path("link.bmp"));
  EXPECT_TRUE(QFileInfo(Path("link.bmp")).isSymLink());
  EXPECT_EQ(ReadFile(Path("target.bmp")), bitmap.SaveToBytes());
}

TEST_F(PictureFiles, EmptyHolderSavesNothing) {
  TPicture holder;
  holder.SaveToFile(Path("none.bmp"));
  EXPECT_FALSE(QFile::exists(Path("none.bmp")));
}

}  // namespace
