#pragma once
#include <QtGui/qrgb.h>
#include <memory>
#include <vector>

// A logical palette. On our true-colour display palettes change no pixel:
// they are kept, selected and realized as inert values.
struct TLogPalette {
  std::vector<QRgb> Entries;
};

using HPALETTE = std::shared_ptr<const TLogPalette>;
