#include "toolkit/window/PlatformDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

void TPlatformDialogs::ShowMessage(QWidget* parent, const QString& text, const QString& caption, TMessageKind kind) {
  QMessageBox box(kind == mkError ? QMessageBox::Critical : QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                  parent);
  box.exec();
}

bool TPlatformDialogs::ExecuteColorDialog(QWidget* parent, TColorDialogRequest& request) {
  // Qt keeps one set of custom colours for the whole process: each control
  // brings its own in and takes them back.
  for (int i = 0; i < 16; ++i) {
    const TColor custom = request.CustomColors[i];
    QColorDialog::setCustomColor(i, custom < 0 ? QColor(Qt::white) : QColor::fromRgb(ColorToPixel(custom)));
  }
  QColorDialog dialog(QColor::fromRgb(ColorToPixel(request.Color)), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QColor chosen = dialog.selectedColor();
  request.Color = RGB(chosen.red(), chosen.green(), chosen.blue());
  for (int i = 0; i < 16; ++i) {
    const QColor custom = QColorDialog::customColor(i);
    const TColor value = RGB(custom.red(), custom.green(), custom.blue());
    // Qt has no unused slot: one that was unused and comes back white still is.
    request.CustomColors[i] = (request.CustomColors[i] < 0 && value == clWhite) ? -1 : value;
  }
  return true;
}

QString TPlatformDialogs::ExecuteOpenPictureDialog(QWidget* parent, const QString& filter) {
  // "Bitmaps (*.bmp)|*.bmp": the text before the bar is what Qt shows and filters by.
  const QString shown = filter.section(QLatin1Char('|'), 0, 0);
  return QFileDialog::getOpenFileName(parent, QString(), QString(), shown);
}
