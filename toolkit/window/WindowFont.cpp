#include "toolkit/window/WindowFont.h"

#include <array>

namespace {

struct TStandIn {
  const char* Classic;
  const char* Installed;
};

constexpr std::array<TStandIn, 4> kStandIns = {{{"MS Sans Serif", "Liberation Sans"},
                                                {"Arial", "Liberation Sans"},
                                                {"Courier New", "Liberation Mono"},
                                                {"Times New Roman", "Liberation Serif"}}};

}  // namespace

QString WindowFace(const QString& classicFace) {
  for (const TStandIn& standIn : kStandIns)
    if (classicFace.compare(QLatin1String(standIn.Classic), Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(standIn.Installed);
  return classicFace;
}

QFont WindowFont(const QString& classicFace, int32_t pixelHeight) {
  QFont font(WindowFace(classicFace));
  font.setPixelSize(pixelHeight);
  return font;
}
