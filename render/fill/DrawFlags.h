#pragma once
#include <cstdint>

// Option bits of the gradient and picture painters; one bit space, since the
// fill object hands the same flags to either.
using GradientDrawFlags = uint16_t;
using PictureDrawFlags = uint16_t;

constexpr uint16_t pdfOffscreen = 0x0004;     // gradient: paint off-screen, then copy
constexpr uint16_t pdfCenter = 0x0008;        // centre at natural size
constexpr uint16_t pdfStretch = 0x0010;       // stretch to the rectangle
constexpr uint16_t pdfTile = 0x0020;          // repeat from the rectangle's top-left corner
constexpr uint16_t pdfKeyColorMask = 0x0040;  // pixels of the key colour stay unpainted
constexpr uint16_t pdfBrushCopy = 0x0080;     // the picture's transparent colour takes the brush
constexpr uint16_t pdfMasked = 0x0100;        // transparent through the caller's mask
constexpr uint16_t pdfKeepHeight = 0x0200;    // with pdfStretch: full height, width by aspect
constexpr uint16_t pdfKeepWidth = 0x0400;     // with pdfStretch: full width, height by aspect
constexpr uint16_t pdfPalette = 0x1000;       // select and realize the palette first
