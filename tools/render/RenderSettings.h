#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"

// Everything one run of vellumo-render is asked to do, as read from the
// command line. List choices are item numbers of the control panel's lists
// (see RenderOptions.h); the defaults are the composition window's label
// and the panel's start values.
struct TRenderSettings {
  bool Help = false;

  QString Background;
  // Where to write: the lowest free n.bmp / n.jpg in OutDir (the background's
  // folder when empty), or exactly OutFile when it is given.
  uint8_t FormatItem = 0;
  QString OutDir;
  QString OutFile;

  QString Text = QStringLiteral("Текстъ!");
  QString FontName = QStringLiteral("Arial");
  int32_t FontSize = 10;
  TColor FontColor = clRed;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Frame = false;

  uint8_t StyleItem = 0;
  int32_t LightDepth = 1;
  int32_t ShadowDepth = 1;
  int32_t Angle = 0;
  int32_t Tracing = 0;
  TColor LightColor = clBtnHighlight;
  TColor ShadowColor = clBtnShadow;
  uint8_t DirectionItem = 0;

  uint8_t FillItem = 0;
  TColor BrushColor = clWhite;
  uint8_t BrushStyleItem = 0;
  QString Picture;
  uint8_t TileItem = 0;
  std::vector<TColor> Gradient{clBlue, clBlack};
  uint8_t GradientStyleItem = 1;
  int32_t ColorCount = 17;
  TColor RimColor = clBtnFace;

  TPoint At;
};
