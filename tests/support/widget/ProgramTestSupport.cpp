#include "support/widget/ProgramTestSupport.h"

#include <QCoreApplication>
#include <QtTest/qtestspontaneevent.h>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "pictures/Bitmap.h"

void SendSpontaneous(QObject* receiver, QEvent& event) {
  // sendEvent would clear the mark again; the window system's events reach
  // notify directly, as QTest's do.
  QSpontaneKeyEvent::setSpontaneous(&event);
  qApp->notify(receiver, &event);
}

QString ShownWindows() {
  return QString(Form4->isVisible() ? "4" : "-") + (Form2->isVisible() ? "2" : "-") + (Form1->isVisible() ? "1" : "-");
}

TSurface TestPicture(int32_t width, int32_t height) {
  TSurface picture(width, height);
  for (int32_t y = 0; y < height; ++y) {
    QRgb* row = picture.Row(y);
    for (int32_t x = 0; x < width; ++x) row[x] = qRgb(x * 7 % 256, y * 5 % 256, (x + y) % 256);
  }
  return picture;
}

QString WriteTestPicture(const QString& path, int32_t width, int32_t height) {
  TBitmap(TestPicture(width, height)).SaveToFile(path);
  return path;
}
