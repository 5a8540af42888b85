#include "render/PanelChoices.h"

#include <cstddef>

#include "render/caption/LMD3DCaption.h"
#include "render/fill/LMDGradient.h"
#include "render/fill/LMDShapeFill.h"
#include "toolkit/Brush.h"

namespace {

constexpr TChoice kStyles[] = {
    {"None", "None", tdNone},
    {"Extrude", "Extrude", tdExtrude},
    {"ExtrudeEnh", "ExtrudeEnh", tdExtrudeEnh},
    {"Outline", "Outline", tdOutline},
    {"ColorRaised", "ColorRaised", tdPColorRaised},
    {"ColorSunken", "ColorSunken", tdPColorSunken},
    {"Raised", "Raised", tdRaised},
    {"RaisedShadow", "RaisedShadow", tdRaisedShadow},
    {"Shadow", "Shadow", tdShadow},
    {"Sunken", "Sunken", tdSunken},
    {"SunkenShadow", "SunkenShadow", tdSunkenShadow},
};

constexpr TChoice kDirections[] = {
    {"Верх-право", "top-right", toTopRight},
    {"Верх-лево", "top-left", toTopLeft},
    {"Низ-право", "bottom-right", toBottomRight},
    {"Низ-лево", "bottom-left", toBottomLeft},
};

constexpr TChoice kFills[] = {
    {"Нет", "none", sfNone},
    {"Заливка", "brush", sfBrush},
    {"Картинка", "picture", sfBitmap},
    {"Градиент", "gradient", sfGradient},
};

constexpr TChoice kBrushStyles[] = {
    {"Сплошная", "solid", bsSolid},
    {"Горизонтальная", "horizontal", bsHorizontal},
    {"Вертикальная", "vertical", bsVertical},
    {"Диагональная1", "bdiagonal", bsBDiagonal},
    {"Диагональная2", "fdiagonal", bsFDiagonal},
    {"Клетка", "cross", bsCross},
    {"Клетка диаг", "diagcross", bsDiagCross},
    {"Прозрачная", "clear", bsClear},
};

constexpr TChoice kTiles[] = {
    {"Оригинал", "original", tmNone},
    {"Центр", "center", tmCenter},
    {"Растянуть", "stretch", tmStretch},
    {"Черепица", "tile", tmTile},
};

constexpr TChoice kGradientStyles[] = {
    {"Горизонт", "horizontal", gstHorizontal},
    {"Вертикаль", "vertical", gstVertical},
    {"Квадрат", "square", gstSquare},
    {"Круг", "elliptic", gstElliptic},
    {"Диаг-1", "bottom-left", gstBottomLeft},
    {"Диаг-2", "bottom-right", gstBottomRight},
    {"Диаг-3", "top-left", gstTopLeft},
    {"Диаг-4", "top-left-diagonal", gstTopLeftDiagonal},
    {"Диаг-5", "top-right", gstTopRight},
    {"Диаг-6", "top-right-diagonal", gstTopRightDiagonal},
};

template <size_t N>
constexpr TChoiceList List(const TChoice (&items)[N]) {
  return {items, static_cast<uint8_t>(N)};
}

}  // namespace

const TChoice* TChoiceList::FindText(const QString& text) const {
  for (const TChoice& choice : *this)
    if (text == QString::fromUtf8(choice.Text)) return &choice;
  return nullptr;
}

const TChoiceList StyleChoices = List(kStyles);
const TChoiceList DirectionChoices = List(kDirections);
const TChoiceList FillChoices = List(kFills);
const TChoiceList BrushStyleChoices = List(kBrushStyles);
const TChoiceList TileChoices = List(kTiles);
const TChoiceList GradientStyleChoices = List(kGradientStyles);
