#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "render/caption/LMD3DCaption.h"
#include "render/fill/LMDGradient.h"
#include "render/fill/LMDShapeFill.h"
#include "toolkit/Brush.h"
#include "toolkit/Colors.h"
#include "toolkit/Geometry.h"

enum TOutputFormat : uint8_t { ofBmp, ofJpeg, ofPng };

// Everything one run of vellumo-render is asked to do, as read from the
// command line, in the label's own terms. The defaults are the composition
// window's label and the control panel's start values.
struct TRenderSettings {
  bool Help = false;
  bool Version = false;

  QString Background;
  // Where to write: the lowest free n.bmp / n.jpg / n.png in OutDir (the background's
  // folder when empty), or exactly OutFile when it is given.
  TOutputFormat Format = ofBmp;
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

  TLMDThreeDStyle Style = tdNone;
  int32_t LightDepth = 1;
  int32_t ShadowDepth = 1;
  int32_t Angle = 0;
  int32_t Tracing = 0;
  TColor LightColor = clBtnHighlight;
  TColor ShadowColor = clBtnShadow;
  TLMDThreeDOrientation Direction = toTopRight;

  TLMDFillStyle Fill = sfNone;
  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = bsSolid;
  QString Picture;
  TLMDTileMode Tile = tmNone;
  std::vector<TColor> Gradient{clBlue, clBlack};
  TLMDGradientStyle GradientStyle = gstVertical;
  int32_t ColorCount = 17;
  TColor RimColor = clBtnFace;

  TPoint At;
};
