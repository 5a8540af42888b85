#pragma once
#include <cstdint>

// What text output is given and gives back: the DrawTextEx format bits and
// the metrics of the current font.

// DrawTextEx format bits.
constexpr uint32_t DT_TOP = 0;
constexpr uint32_t DT_LEFT = 0;
constexpr uint32_t DT_CENTER = 1;
constexpr uint32_t DT_RIGHT = 2;
constexpr uint32_t DT_VCENTER = 4;
constexpr uint32_t DT_BOTTOM = 8;
constexpr uint32_t DT_WORDBREAK = 16;
constexpr uint32_t DT_SINGLELINE = 32;
constexpr uint32_t DT_EXPANDTABS = 64;
constexpr uint32_t DT_NOCLIP = 256;
constexpr uint32_t DT_CALCRECT = 1024;
constexpr uint32_t DT_NOPREFIX = 2048;
constexpr uint32_t DT_EDITCONTROL = 8192;
constexpr uint32_t DT_PATH_ELLIPSIS = 16384;
constexpr uint32_t DT_END_ELLIPSIS = 32768;

// TextMetrics of the current font.
constexpr uint8_t TMPF_TRUETYPE = 4;
struct TTextMetric {
  int32_t tmHeight = 0;
  int32_t tmAscent = 0;
  int32_t tmDescent = 0;
  int32_t tmAveCharWidth = 0;
  int32_t tmMaxCharWidth = 0;
  uint8_t tmPitchAndFamily = 0;
};
