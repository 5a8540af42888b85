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
  // brings its own in and takes them back. Qt has no unused slot; an
  // unused one shows white.
  for (int i = 0; i < 16; ++i) {
    const TColor custom = request.CustomColors[i];
    QColorDialog::setCustomColor(i, custom == -1 ? QColor(Qt::white) : QColor::fromRgb(ColorToPixel(custom)));
  }
  QColorDialog dialog(QColor::fromRgb(ColorToPixel(request.Color)), parent);
  // A desktop's own dialog may ignore Qt's custom colours.
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  request.Color = PixelToColor(dialog.selectedColor().rgb());
  for (int i = 0; i < 16; ++i) {
    const TColor value = PixelToColor(QColorDialog::customColor(i).rgb());
    // A slot that was unused and comes back white still is.
    request.CustomColors[i] = (request.CustomColors[i] == -1 && value == clWhite) ? -1 : value;
  }
  return true;
}

QString TPlatformDialogs::ExecuteOpenPictureDialog(QWidget* parent, const QString& filter) {
  // "Bitmaps (*.bmp)|*.bmp": the text before the bar is what Qt shows and filters by.
  const QString shown = filter.section(QLatin1Char('|'), 0, 0);
  return QFileDialog::getOpenFileName(parent, QString(), QString(), shown);
}
