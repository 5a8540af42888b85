#include "tools/render/RenderOptions.h"

#include <cstddef>

namespace {

constexpr TChoice kFormats[] = {{"bmp", "bmp", ofBmp}, {"jpg", "jpg", ofJpeg}, {"png", "png", ofPng}};
constexpr TChoice kPlaces[] = {
    {"top-left", "top-left", agTopLeft},          {"top-center", "top-center", agTopCenter},
    {"top-right", "top-right", agTopRight},       {"center-left", "center-left", agCenterLeft},
    {"center", "center", agCenter},               {"center-right", "center-right", agCenterRight},
    {"bottom-left", "bottom-left", agBottomLeft}, {"bottom-center", "bottom-center", agBottomCenter},
    {"bottom-right", "bottom-right", agBottomRight}};

template <size_t N>
constexpr TChoiceList List(const TChoice (&items)[N]) {
  return {items, static_cast<uint8_t>(N)};
}

// A label placed further out than this lies off any picture; the bound keeps
// the label's rectangle arithmetic far from overflow.
constexpr int32_t kFarAway = 1000000;

using S = TRenderSettings;
using V = TOptionValue;

}  // namespace

const TChoiceList FormatChoices = List(kFormats);
const TChoiceList PlaceChoices = List(kPlaces);

const std::vector<TRenderOption>& RenderOptions() {
  static const std::vector<TRenderOption> options = {
      {"--help", nullptr, okFlag, 0, 0, nullptr, nullptr, "show this help and exit",
       [](S& s, const V&) { s.Help = true; }},
      {"--version", nullptr, okFlag, 0, 0, nullptr, nullptr, "show the version and exit",
       [](S& s, const V&) { s.Version = true; }},
      {"--out", "FILE", okText, 0, 0, nullptr, nullptr,
       "write exactly FILE, replacing it, as BMP, JPEG or PNG by its extension (.bmp, .jpg, .jpeg, .png); one "
       "background only",
       [](S& s, const V& v) { s.OutFile = v.Text; }},
      {"--out-dir", "DIR", okText, 0, 0, nullptr, nullptr,
       "write n.bmp, n.jpg or n.png with the lowest free n in DIR instead of each background's folder",
       [](S& s, const V& v) { s.OutDir = v.Text; }},
      {"--format", "FORMAT", okChoice, 0, 0, &FormatChoices, "bmp", "format of the numbered file",
       [](S& s, const V& v) { s.Format = TOutputFormat(v.Choice); }},
      {"--keep-jpeg", nullptr, okFlag, 0, 0, nullptr, nullptr,
       "write JPEG, and keep a JPEG background's own compressed data outside the caption instead of encoding "
       "the whole picture anew (a greyscale, CMYK or progressive JPEG, or another picture, is encoded in full, "
       "with a note on standard error)",
       [](S& s, const V&) { s.KeepJpeg = true; }},
      {"--jobs", "N", okInteger, 1, 1024, nullptr, nullptr,
       "pictures composed at once, each on a thread of its own: by default as many as the processors the run may "
       "use, and never more than the backgrounds",
       [](S& s, const V& v) { s.Jobs = v.Number; }},
      {"--text", "TEXT", okCaption, 0, 0, nullptr, "Текстъ!",
       "the caption; the two characters \\n make a line break, \\\\ a backslash",
       [](S& s, const V& v) { s.Text = v.Text; }},
      {"--font", "NAME", okText, 0, 0, nullptr, "Arial", "font name", [](S& s, const V& v) { s.FontName = v.Text; }},
      {"--size", "SIZE", okFontSize, 0, 100, nullptr, "10",
       "font size in points, or with % the height of the letters as a share of the picture's height",
       [](S& s, const V& v) {
         s.FontPercent = v.Percent ? v.Number : 0;
         if (!v.Percent) s.FontSize = v.Number;
       }},
      {"--color", "COLOR", okColor, 0, 0, nullptr, "clRed", "font colour", [](S& s, const V& v) { s.FontColor = v.Number; }},
      {"--bold", nullptr, okFlag, 0, 0, nullptr, nullptr, "bold letters (Жирный)", [](S& s, const V&) { s.Bold = true; }},
      {"--italic", nullptr, okFlag, 0, 0, nullptr, nullptr, "slanted letters (Наклон)",
       [](S& s, const V&) { s.Italic = true; }},
      {"--underline", nullptr, okFlag, 0, 0, nullptr, nullptr, "underlined letters (Подчеркн)",
       [](S& s, const V&) { s.Underline = true; }},
      {"--frame", nullptr, okFlag, 0, 0, nullptr, nullptr, "an etched frame round the label (Рамка)",
       [](S& s, const V&) { s.Frame = true; }},
      {"--style", "STYLE", okChoice, 0, 0, &StyleChoices, "None", "3D effect",
       [](S& s, const V& v) { s.Style = TLMDThreeDStyle(v.Choice); }},
      {"--light-depth", "N", okInteger, 0, 100, nullptr, "1", "depth of the light pass",
       [](S& s, const V& v) { s.LightDepth = v.Number; }},
      {"--shadow-depth", "N", okInteger, 0, 100, nullptr, "1", "depth of the shadow pass",
       [](S& s, const V& v) { s.ShadowDepth = v.Number; }},
      {"--angle", "DEGREES", okInteger, -360, 360, nullptr, "0", "rotation, counter-clockwise",
       [](S& s, const V& v) { s.Angle = v.Number; }},
      {"--tracing", "N", okInteger, -20, 100, nullptr, "0", "extra space between characters, in pixels",
       [](S& s, const V& v) { s.Tracing = v.Number; }},
      {"--light-color", "COLOR", okColor, 0, 0, nullptr, "clBtnHighlight", "colour of the light pass",
       [](S& s, const V& v) { s.LightColor = v.Number; }},
      {"--shadow-color", "COLOR", okColor, 0, 0, nullptr, "clBtnShadow", "colour of the shadow pass",
       [](S& s, const V& v) { s.ShadowColor = v.Number; }},
      {"--direction", "DIRECTION", okChoice, 0, 0, &DirectionChoices, "top-right",
       "direction of Extrude and ExtrudeEnh", [](S& s, const V& v) { s.Direction = TLMDThreeDOrientation(v.Choice); }},
      {"--fill", "FILL", okChoice, 0, 0, &FillChoices, "none", "what fills the letter faces",
       [](S& s, const V& v) { s.Fill = TLMDFillStyle(v.Choice); }},
      {"--brush-color", "COLOR", okColor, 0, 0, nullptr, "clWhite", "colour of the brush fill (--fill brush)",
       [](S& s, const V& v) { s.BrushColor = v.Number; }},
      {"--brush-style", "HATCH", okChoice, 0, 0, &BrushStyleChoices, "solid", "hatch of the brush fill (--fill brush)",
       [](S& s, const V& v) { s.BrushStyle = TBrushStyle(v.Choice); }},
      {"--picture", "FILE", okText, 0, 0, nullptr, nullptr, "BMP file of the picture fill (--fill picture), read as BMP whatever its name",
       [](S& s, const V& v) { s.Picture = v.Text; }},
      {"--tile", "PLACEMENT", okChoice, 0, 0, &TileChoices, "original", "placement of the picture fill (--fill picture)",
       [](S& s, const V& v) { s.Tile = TLMDTileMode(v.Choice); }},
      {"--gradient", "COLORS", okColorList, 0, 0, nullptr, "clBlue,clBlack", "colours of the gradient fill (--fill gradient), by commas",
       [](S& s, const V& v) { s.Gradient = v.Colors; }},
      {"--gradient-style", "GEOMETRY", okChoice, 0, 0, &GradientStyleChoices, "vertical", "geometry of the gradient fill",
       [](S& s, const V& v) { s.GradientStyle = TLMDGradientStyle(v.Choice); }},
      {"--color-count", "N", okInteger, 0, 100, nullptr, "17", "colour budget of the gradient fill",
       [](S& s, const V& v) { s.ColorCount = v.Number; }},
      {"--rim-color", "COLOR", okColor, 0, 0, nullptr, "clBtnFace", "colour round filled letters (Край заливки)",
       [](S& s, const V& v) { s.RimColor = v.Number; }},
      {"--place", "PLACE", okChoice, 0, 0, &PlaceChoices, "top-left",
       "where the label lies in the picture, inside the margin",
       [](S& s, const V& v) { s.Place = TLMDAlignment(v.Choice); }},
      {"--margin", "PIXELS", okInteger, 0, 10000, nullptr, "0", "space kept free at each edge of the picture by --place",
       [](S& s, const V& v) { s.Margin = v.Number; }},
      {"--at", "X,Y", okPoint, -kFarAway, kFarAway, nullptr, nullptr,
       "the label's top-left in picture coordinates, in place of --place and --margin",
       [](S& s, const V& v) { s.At = v.Point; }},
  };
  return options;
}

const TRenderOption* FindRenderOption(const QString& name) {
  for (const TRenderOption& option : RenderOptions())
    if (name == QLatin1String(option.Name)) return &option;
  return nullptr;
}

QString ChoiceText(const TChoice& choice) {
  const QString token = QString::fromUtf8(choice.Token);
  const QString text = QString::fromUtf8(choice.Text);
  if (text == token) return token;
  return token + QStringLiteral(" (") + text + QLatin1Char(')');
}
