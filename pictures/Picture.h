#pragma once
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

#include "pictures/Graphic.h"

class TBitmap;

// The picture holder of image controls: it owns at most one graphic,
// replaces it on every successful load, passes the graphic's change and
// progress reports on, and reports its size as the graphic's (0 without).
class TPicture {
 public:
  TPicture();
  ~TPicture();
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds a copy of Graphic (nothing for null).
  void SetGraphic(const TGraphic* graphic);
  // Holds Source's graphic itself, leaving Source empty.
  void Take(TPicture& source);
  // The held bitmap; a holder with another graphic or none first gets a new
  // empty bitmap in the display format.
  TBitmap& Bitmap();
  int32_t Width() const { return graphic_ ? graphic_->Width() : 0; }
  int32_t Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Chooses the reader by the path's extension in any letter case
  // ("Unknown picture file extension (.%s)"); a failed load keeps the
  // previous graphic.
  void LoadFromFile(const QString& path);
  // Saves the graphic, if there is one.
  void SaveToFile(const QString& path);
  void Assign(const TPicture& source);

  // The stored form: class name length (1 byte, 0 for an empty holder),
  // class name, 4-byte data size, data (a BMP file for TBitmap, the JPEG
  // bytes for TJPEGImage). An unknown class name leaves the holder empty.
  void ReadData(QIODevice& stream);
  void WriteData(QIODevice& stream);

  std::function<void(TPicture* sender)> OnChange;
  TProgressEvent OnProgress;

 private:
  void Install(std::unique_ptr<TGraphic> graphic);
  void Listen(TGraphic& graphic);
  TProgressEvent ForwardProgress();
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};
