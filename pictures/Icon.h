#pragma once
#include <QByteArray>
#include <QImage>

#include "pictures/Graphic.h"

// An icon file, read through Qt's image reader (the largest image of the
// file) and drawn with its transparency. Saving writes the file's bytes
// back unchanged.
class TIcon : public TGraphic {
 public:
  QString ClassName() const override { return QStringLiteral("TIcon"); }
  int32_t Width() const override { return image_.width(); }
  int32_t Height() const override { return image_.height(); }
  void Draw(TCanvas& canvas, const TRect& rect) override;
  std::unique_ptr<TGraphic> Clone() const override;
  // A file Qt cannot read fails with "Icon image is not valid".
  void LoadFromStream(QIODevice& stream) override;
  void SaveToStream(QIODevice& stream) override;

 private:
  QByteArray bytes_;
  QImage image_;
};
