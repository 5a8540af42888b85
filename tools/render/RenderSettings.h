#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "render/caption/LMD3DCaption.h"
#include "render/fill/LMDGradient.h"
#include "render/fill/LMDShapeFill.h"
#include "toolkit/Alignment.h"
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

  // In the order given; each is composed with the same caption.
  QStringList Backgrounds;
  // Where to write: the lowest free n.bmp / n.jpg / n.png in OutDir (each
  // background's folder when empty), or exactly OutFile when it is given
  // (one background only).
  TOutputFormat Format = ofBmp;
  QString OutDir;
  QString OutFile;
  // A JPEG background keeps its own coefficients outside the caption.
  bool KeepJpeg = false;
  // Pictures composed at once; 0: as many as the processors the process
  // may use.
  int32_t Jobs = 0;

  QString Text = QStringLiteral("Текстъ!");
  QString FontName = QStringLiteral("Arial");
  int32_t FontSize = 10;  // points
  // The font's height as a share of the picture's height, in thousandths
  // of a percent (5% is 5000); 0: FontSize counts.
  int32_t FontPercent = 0;
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

  // The label's top-left when given; else it is placed by Place inside
  // the picture shrunk by Margin on every side.
  std::optional<TPoint> At;
  TLMDAlignment Place = agTopLeft;
  int32_t Margin = 0;
};
