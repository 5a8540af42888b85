#include "toolkit/window/PlatformDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <exception>

#include "toolkit/window/Image.h"

namespace {

// Beside the file dialog's list: the picture of the file under the cursor,
// shrunk to fit, with its size. Only regular files are read, so that a
// FIFO under the cursor cannot hold the dialog up; a file that does not
// load shows nothing.
class TPicturePreview : public QWidget {
 public:
  explicit TPicturePreview(QWidget* parent) : QWidget(parent), picture_(new QLabel(this)), size_(new QLabel(this)) {
    setObjectName(QStringLiteral("PicturePreview"));
    picture_->setObjectName(QStringLiteral("PreviewPicture"));
    size_->setObjectName(QStringLiteral("PreviewSize"));
    picture_->setFixedSize(kSide, kSide);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    size_->setAlignment(Qt::AlignCenter);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(picture_);
    layout->addWidget(size_);
    layout->addStretch();
  }

  void Show(const QString& path) {
    picture_->clear();
    size_->clear();
    if (!QFileInfo(path).isFile()) return;
    TImage image;
    try {
      image.LoadFromFile(path);
    } catch (const std::exception&) {
      return;
    }
    if (image.Pixels().IsNull()) return;
    const QImage& pixels = image.Pixels().Image();
    const QSize inside(kSide - 4, kSide - 4);
    const bool fits = pixels.width() <= inside.width() && pixels.height() <= inside.height();
    picture_->setPixmap(
        QPixmap::fromImage(fits ? pixels : pixels.scaled(inside, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    size_->setText(QStringLiteral("(%1 x %2)").arg(image.Width()).arg(image.Height()));
  }

 private:
  static constexpr int kSide = 160;
  QLabel* const picture_;
  QLabel* const size_;
};

}  // namespace

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
  // A desktop's own dialog may ignore Qt's custom colours. Qt's always
  // shows them, so a request to open fully needs nothing.
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
  QFileDialog dialog(parent, QString(), QString(), filter.section(QLatin1Char('|'), 0, 0));
  dialog.setFileMode(QFileDialog::ExistingFile);
  // Qt's own dialog, so that the preview can stand beside its list (its
  // masks match without regard to letter case).
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setSizeGripEnabled(true);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    TPicturePreview* preview = new TPicturePreview(&dialog);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { preview->Show(path); });
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}
