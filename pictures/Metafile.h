#pragma once
#include "pictures/Graphic.h"

// Windows metafiles (wmf, emf). They are registered with the picture
// holder, but this platform has no reader for them: loading one fails with
// EInvalidGraphic, "Metafiles are not supported on this platform".
class TMetafile : public TGraphic {
 public:
  QString ClassName() const override { return QStringLiteral("TMetafile"); }
  int32_t Width() const override { return 0; }
  int32_t Height() const override { return 0; }
  void Draw(TCanvas&, const TRect&) override {}
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TMetafile>(); }
  void LoadFromStream(QIODevice& stream) override;
  void SaveToStream(QIODevice&) override {}
};
