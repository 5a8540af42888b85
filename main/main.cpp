// Until the windows exist, the program renders a small headless demo of the
// drawing engine into vellumo-demo.png in the current folder.
#include <QGuiApplication>
#include <cstdio>

#include "pictures/Bitmap.h"
#include "pictures/JpegStartup.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  StartJpegSupport();
  TBitmap bitmap(320, 120);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(Rect(0, 0, 320, 120));
  TRect frame = Rect(4, 4, 316, 116);
  canvas.DrawEdge(frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  canvas.Pen().SetStyle(psClear);
  const TColor bands[] = {clNavy, clBlue, clTeal, clAqua};
  for (int i = 3; i >= 0; --i) {
    canvas.Brush().SetColor(bands[i]);
    canvas.Ellipse(160 - 30 * (i + 1), 60 - 12 * (i + 1), 160 + 30 * (i + 1), 60 + 12 * (i + 1));
  }
  canvas.Brush().SetColor(clRed);
  canvas.Brush().SetStyle(bsDiagCross);
  canvas.FillRect(frame);
  const QString path = QStringLiteral("vellumo-demo.png");
  if (!bitmap.Surface().Image().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return 1;
  }
  std::printf("wrote %s\n", qPrintable(path));
  return 0;
}
