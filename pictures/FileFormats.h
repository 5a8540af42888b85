#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "pictures/Graphic.h"

// One entry of the picture format registry: a file extension (lower case,
// no dot), its description and the graphic class that reads it.
struct TFileFormat {
  QString Extension;
  QString Description;
  QString ClassName;
  std::function<std::unique_ptr<TGraphic>()> Create;
};

// The process-wide registry the picture holder chooses readers from. It
// starts with wmf, emf, ico, bmp, png, heic, heif and webp; the JPEG support
// adds jpeg, jpg and jpe at start-up. Look-ups search from the most recent
// entry back.
class TFileFormatsList {
 public:
  void Add(const QString& extension, const QString& description, const QString& className,
           std::function<std::unique_ptr<TGraphic>()> create);
  // Extension in any letter case, without the dot; null when unknown.
  const TFileFormat* FindExtension(const QString& extension) const;
  const TFileFormat* FindClassName(const QString& className) const;
  const std::vector<TFileFormat>& Formats() const { return formats_; }

 private:
  std::vector<TFileFormat> formats_;
};

TFileFormatsList& FileFormats();
