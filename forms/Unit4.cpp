#include "forms/Unit4.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <algorithm>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "toolkit/Exceptions.h"

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

// Only BMP and JPEG files are previewed, their extension (from the last
// "." of the file's name) in any letter case, as the reader takes them.
bool Previewed(const QString& path) {
  const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString extension = dot < 0 ? QString() : name.mid(dot);
  return extension.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0 ||
         extension.compare(QLatin1String(".jpg"), Qt::CaseInsensitive) == 0;
}

// Closes a file descriptor however the scope is left.
class TDescriptor {
 public:
  explicit TDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~TDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return descriptor_; }

 private:
  int descriptor_;
};

// The size in bytes of the file opened for reading ("Cannot open file
// %s"). Opening waits for nobody, should the file have become a FIFO.
int64_t OpenedFileSize(const QString& path) {
  const TDescriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) throw EFOpenError(path);
  return status.st_size;
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
  RzFileListBox1->SetMask(QStringLiteral("*.bmp;*.jpg"));
  RzFileListBox1->SetFileType(FileAttrBit(ftReadOnly) | FileAttrBit(ftHidden) | FileAttrBit(ftSystem) |
                              FileAttrBit(ftVolumeID) | FileAttrBit(ftArchive) | FileAttrBit(ftNormal));
  RzFileListBox1->setToolTip(QStringLiteral("Для открытия файла - двойной клик..."));
  RzFileListBox1->OnChange = [this] { RzFileListBox1Change(); };
  RzFileListBox1->OnDblClick = [this] { RzFileListBox1DblClick(); };
}

void TForm4::BuildImage1() {
  Preview = new TImageView(RzSizePanel1);
  Image1.OnChange = [this] { Preview->SetPicture(Image1.Pixels()); };
}

void TForm4::BuildSB() {
  SB = new QStatusBar(this);
  SB->setFixedHeight(kStatusBarHeight);
  for (size_t panel = 0; panel < SBPanels.size(); ++panel) SBPanels[panel] = NewPanel(SB, kPanelWidths[panel]);
}

void TForm4::RzFileListBox1Change() {
  if (!Previewed(RzFileListBox1->FileName())) return;
  Image1.LoadFromFile(RzFileListBox1->FileName());
  SBPanels[0]->setText(RzFileListBox1->FileName());
  const int64_t size = OpenedFileSize(RzFileListBox1->FileName());
  SBPanels[1]->setText(QStringLiteral("Размер: ") + QString::number(size) + QStringLiteral(" байт"));
  SBPanels[2]->setText(QString::number(Image1.Width()) + QLatin1Char('x') + QString::number(Image1.Height()));
}

void TForm4::RzFileListBox1DblClick() {
  Form2->LoadBackground(RzFileListBox1->FileName());
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
