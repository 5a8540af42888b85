#include "forms/Unit4.h"

#include <QFileInfo>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <algorithm>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "pictures/PictureFile.h"
#include "pictures/PicturePreview.h"
#include "toolkit/window/FrameFit.h"

TForm4* Form4 = nullptr;

namespace {

constexpr int32_t kLeftWidth = 185;     // the left panel with its sizing bar
constexpr int32_t kTreeHeight = 185;    // the tree's panel with its sizing bar
constexpr int32_t kSizeBarWidth = 5;
constexpr int32_t kStatusBarHeight = 19;
constexpr std::array<int32_t, 3> kPanelWidths = {350, 150, 150};

QLabel* NewPanel(QStatusBar* bar, int32_t width) {
  auto* panel = new QLabel(bar);
  panel->setTextFormat(Qt::PlainText);
  panel->setFixedWidth(width);
  bar->addWidget(panel);
  return panel;
}

}  // namespace

TForm4::TForm4(std::unique_ptr<TVolumeSource> volumes) : TForm(QStringLiteral("Загрузить картинку...(JPG;BMP)"), Qt::Window) {
  SetClientBounds(135, 132, 610, 375);
  BuildSizePanels();
  BuildRzDirectoryTree1(std::move(volumes));
  BuildRzFileListBox1();
  BuildImage1();
  BuildSB();
  PlaceChildren();
  // What lies in the sizing panels keeps its size when the window is sized:
  // the left side and the tree; the preview and the list take the rest.
  for (QSplitter* panel : {RzSizePanel1, RzSizePanel2}) {
    panel->setStretchFactor(0, 0);
    panel->setStretchFactor(1, 1);
  }
  RzSizePanel1->setSizes({kLeftWidth - kSizeBarWidth, width() - kLeftWidth});
  RzSizePanel2->setSizes({kTreeHeight - kSizeBarWidth, RzSizePanel2->height() - kTreeHeight});
  selectionTimer_.setSingleShot(true);
  selectionTimer_.setInterval(0);
  connect(&selectionTimer_, &QTimer::timeout, this, [this] { PreviewSelectedFile(); });
  // The bounds are the frame's, once a window manager has framed it.
  new TFrameFit(*this);
}

// The sizing bars part the left side from the preview and the tree from
// the list.
void TForm4::BuildSizePanels() {
  RzSizePanel1 = new QSplitter(Qt::Horizontal, this);
  RzSizePanel2 = new QSplitter(Qt::Vertical, RzSizePanel1);
  for (QSplitter* panel : {RzSizePanel1, RzSizePanel2}) panel->setHandleWidth(kSizeBarWidth);
}

// The tree keeps its selection shown without the focus, as Qt's does.
void TForm4::BuildRzDirectoryTree1(std::unique_ptr<TVolumeSource> volumes) {
  RzDirectoryTree1 = new TRzDirectoryTree(std::move(volumes), RzSizePanel2);
  RzDirectoryTree1->SetShowHiddenDirs(true);
  RzDirectoryTree1->setIndentation(19);
  RzDirectoryTree1->SetRowSelect(true);
  RzDirectoryTree1->SetSelectionPenColor(clBtnShadow);
}

void TForm4::BuildRzFileListBox1() {
  RzFileListBox1 = new TRzFileListBox(RzSizePanel2);
  RzDirectoryTree1->SetFileList(RzFileListBox1);
  RzFileListBox1->SetMask(QStringLiteral("*.bmp;*.jpg;*.jpeg;*.jpe;*.png;*.heic;*.heif;*.webp"));
  RzFileListBox1->SetFileType(FileAttrBit(ftReadOnly) | FileAttrBit(ftHidden) | FileAttrBit(ftSystem) |
                              FileAttrBit(ftVolumeID) | FileAttrBit(ftArchive) | FileAttrBit(ftNormal));
  RzFileListBox1->setToolTip(QStringLiteral("Для открытия файла - двойной клик..."));
  RzFileListBox1->OnChange = [this] { RzFileListBox1Change(); };
  RzFileListBox1->OnDblClick = [this] { RzFileListBox1DblClick(); };
}

void TForm4::BuildImage1() { Preview = new TImageView(RzSizePanel1); }

void TForm4::BuildSB() {
  SB = new QStatusBar(this);
  SB->setFixedHeight(kStatusBarHeight);
  for (size_t panel = 0; panel < SBPanels.size(); ++panel) SBPanels[panel] = NewPanel(SB, kPanelWidths[panel]);
}

void TForm4::RzFileListBox1Change() { selectionTimer_.start(); }

void TForm4::PreviewSelectedFile() {
  const QString path = RzFileListBox1->FileName();
  if (!IsPictureFile(path)) return;
  TPicture loaded;
  loaded.LoadFromFile(path);
  // Decoded for the place it is drawn in before anything changes, so that
  // a picture that fails to decode leaves the preview and the panels.
  TPicturePreview preview(*loaded.Graphic());
  const TRect place = ProportionalRect(preview.Size().cx, preview.Size().cy, Preview->width(), Preview->height());
  preview.Pixels({place.Width(), place.Height()});
  Image1.Take(loaded);
  Preview->SetPicture(std::move(preview));
  SBPanels[0]->setText(path);
  const int64_t size = PictureFileSize(path);
  SBPanels[1]->setText(QStringLiteral("Размер: ") + QString::number(size) + QStringLiteral(" байт"));
  // The full upright size, whatever size the preview was decoded at.
  SBPanels[2]->setText(QString::number(Image1.Width()) + QLatin1Char('x') + QString::number(Image1.Height()));
}

void TForm4::RzFileListBox1DblClick() { OpenPicture(RzFileListBox1->FileName()); }

void TForm4::OpenFile(const QString& path) {
  const QFileInfo file(path);
  RzDirectoryTree1->SetCurrentFolder(file.path());
  // Where the tree could not reach the folder, the list shows another one.
  if (QFileInfo(RzFileListBox1->Folder()) == QFileInfo(file.path())) {
    const std::vector<TRzFileInfo>& items = RzFileListBox1->Items();
    const auto listed = std::find_if(items.begin(), items.end(), [&file](const TRzFileInfo& item) {
      return !item.Folder && item.Name == file.fileName();
    });
    if (listed != items.end()) RzFileListBox1->SetItemIndex(static_cast<int32_t>(listed - items.begin()));
  }
  OpenPicture(file.filePath());
}

void TForm4::OpenPicture(const QString& path) {
  // The picture is loaded here and now; a deferred preview would only
  // repeat a failure, and on success it waits until the composition shows.
  const bool previewPending = selectionTimer_.isActive();
  selectionTimer_.stop();
  Form2->LoadBackground(path);
  if (previewPending) selectionTimer_.start();
  Form2->show();
  Form2->FitToBackground();
  hide();
  Form1->show();
}

void TForm4::resizeEvent(QResizeEvent* event) {
  PlaceChildren();
  TForm::resizeEvent(event);
}

void TForm4::PlaceChildren() {
  const int32_t above = std::max(height() - kStatusBarHeight, 0);
  RzSizePanel1->setGeometry(0, 0, width(), above);
  SB->setGeometry(0, above, width(), kStatusBarHeight);
}
