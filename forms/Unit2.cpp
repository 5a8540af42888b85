#include "forms/Unit2.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>

#include "forms/Unit1.h"
#include "forms/Unit4.h"
#include "pictures/Jpeg.h"
#include "render/Compose.h"
#include "toolkit/TickCount.h"
#include "toolkit/window/Dialogs.h"

TForm2* Form2 = nullptr;

namespace {

// The label as the window's description sets it.
void DescribeLabel(TLMDLabelFill& label) {
  label.BeginLoading();
  label.SetBounds(0, 0, 45, 18);
  label.SetCursor(crHandPoint);
  label.Bevel().SetMode(bmCustom);
  label.FontFX().SetOrientation(toTopRight);
  label.SetParentFont(false);
  TFont& font = label.Font();
  font.SetName(QStringLiteral("Arial"));
  font.SetHeight(-13);
  font.SetColor(clRed);
  font.SetStyle(0);
  font.SetCharset(DEFAULT_CHARSET);
  label.SetOptions(0);
  label.FillObject().Gradient().SetTwoColors(false);
  label.SetCaption(QStringLiteral("Текстъ!"));
  label.EndLoading();
}

}  // namespace

TForm2::TForm2()
    : TForm(QStringLiteral("Form2"), Qt::Window | Qt::FramelessWindowHint),
      Client(new THostWidget(this)),
      Label13(new QLabel(QStringLiteral("1"), this)),
      PopupMenu1(new QMenu(this)),
      bmp1(new QAction(QStringLiteral("*bmp"), this)),
      jpg1(new QAction(QStringLiteral("*.jpg"), this)),
      N3(new QAction(QStringLiteral("Открыть"), this)),
      N4(new QAction(QStringLiteral("Вы&ход"), this)) {
  SetClientBounds(260, 95, 302, 329);
  Client->setGeometry(rect());
  Client->SetColor(clBtnFace);

  Image1.OnChange = [this] { Client->SetBackground(Image1.Pixels()); };
  Client->OnMouseDown = [this](TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseDown(dsBackground, button, shift, x, y);
  };
  Client->OnMouseMove = [this](TShiftState shift, int32_t x, int32_t y) { Image1MouseMove(shift, x, y); };
  // The menu opens on the release, after the drag has ended: opened on the
  // press, it would take the release itself.
  Client->OnMouseUp = [this](TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseUp(button, shift, x, y);
    if (button == mbRight) PopupMenu1->popup(Client->GlobalPointer());
  };

  DescribeLabel(L1);
  L1.SetParent(Client);
  L1.OnMouseDown = [this](TGraphicControl*, TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseDown(dsLabel, button, shift, x, y);
  };
  L1.OnMouseMove = [this](TGraphicControl*, TShiftState shift, int32_t x, int32_t y) { fcLabel1MouseMove(shift, x, y); };
  L1.OnMouseUp = [this](TGraphicControl*, TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseUp(button, shift, x, y);
  };

  Label13->setGeometry(146, 66, Label13->sizeHint().width(), Label13->sizeHint().height());
  Label13->setVisible(false);

  QMenu* N2 = PopupMenu1->addMenu(QStringLiteral("Зап&исать"));
  N2->addAction(bmp1);
  N2->addAction(jpg1);
  PopupMenu1->addAction(N3);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(N4);
  connect(bmp1, &QAction::triggered, this, [this] { bmp1Click(); });
  connect(jpg1, &QAction::triggered, this, [this] { jpg1Click(); });
  connect(N3, &QAction::triggered, this, [this] { N3Click(); });
  connect(N4, &QAction::triggered, this, [this] { N4Click(); });
}

TForm2::~TForm2() { L1.SetParent(nullptr); }

void TForm2::Image1MouseDown(TDragSource source, TMouseButton, TShiftState, int32_t x, int32_t y) {
  grabX_ = x;
  grabY_ = y;
  dragSource_ = source;
}

void TForm2::Image1MouseUp(TMouseButton, TShiftState, int32_t, int32_t) { dragSource_ = dsNone; }

void TForm2::Image1MouseMove(TShiftState shift, int32_t, int32_t) {
  if (!(shift & ShiftBit(ssLeft)) || dragSource_ != dsBackground) return;
  // The window system may not have reported the last move yet, so the
  // pointer is measured from where the window was last put.
  const QPoint pointer = Client->GlobalPointer();
  const int32_t x = pointer.x() - Left();
  const int32_t y = pointer.y() - Top();
  SetLeft(Left() + x - grabX_);
  SetTop(Top() + y - grabY_);
}

void TForm2::fcLabel1MouseMove(TShiftState, int32_t x, int32_t y) {
  if (dragSource_ != dsLabel) return;
  L1.SetLeft(L1.Left() + x - grabX_);
  L1.SetTop(L1.Top() + y - grabY_);
}

void TForm2::resizeEvent(QResizeEvent* event) {
  Client->setGeometry(rect());
  TForm::resizeEvent(event);
}

void TForm2::FormShow() { L1.FillObject().SetStyle(sfNone); }

void TForm2::N3Click() {
  Form4->show();
  hide();
  Form1->hide();
}

void TForm2::N4Click() { Form4->close(); }

void TForm2::bmp1Click() { Save(QStringLiteral(".bmp"), &TForm2::SaveAsBmp); }

void TForm2::jpg1Click() { Save(QStringLiteral(".jpg"), &TForm2::SaveAsJpg); }

void TForm2::Save(const QString& extension, TNumberedFile (TForm2::*write)(const QString& folder, int32_t number)) {
  // A save chosen from the menu during another save's pause waits for nothing.
  if (saving_) return;
  const QScopedValueRollback<bool> saving(saving_, true);
  SetCounter(LowestFreeNumber(TargetFolder(), extension, Counter()));
  Form1->hide();
  Delay(100);
  const TNumberedFile written = (this->*write)(TargetFolder(), Counter());
  SetCounter(written.Number);
  Dialogs().ShowMessage(this, QStringLiteral("Записано в исходную папку. Файл ") + QFileInfo(written.Path).fileName(),
                        ApplicationTitle(), mkInformation);
  SetCounter(1);
  Form4->RzFileListBox1->Reread();
  Form1->show();
}

TNumberedFile TForm2::SaveAsBmp(const QString& folder, int32_t number) {
  const std::unique_ptr<TBitmap> composition = Composition();
  return WriteNumberedFile(folder, QStringLiteral(".bmp"), number,
                           [&](QIODevice& device) { composition->SaveToStream(device); });
}

TNumberedFile TForm2::SaveAsJpg(const QString& folder, int32_t number) {
  TJPEGImage jpeg;
  jpeg.Assign(*Composition());
  return WriteNumberedFile(folder, QStringLiteral(".jpg"), number,
                           [&](QIODevice& device) { jpeg.SaveToStream(device); });
}

std::unique_ptr<TBitmap> TForm2::Composition() const {
  // Rendered afresh from the decoded background, never read from the
  // screen: what covers the window does not get into the file.
  TBitmap background(Image1.Pixels());
  return ComposeControls(background, *Client);
}

void TForm2::Delay(uint32_t milliseconds) {
  const uint32_t start = TickCount();
  while (TickCount() - start < milliseconds) QCoreApplication::processEvents();
}

QString TForm2::TargetFolder() const {
  const QString folder = Form4->RzDirectoryTree1->CurrentFolder();
  return folder.isEmpty() ? QStringLiteral("/") : folder;
}

int32_t TForm2::Counter() const { return Label13->text().toInt(); }

void TForm2::SetCounter(int32_t counter) { Label13->setText(QString::number(counter)); }

void TForm2::LoadBackground(const QString& path) { Image1.LoadBackgroundFromFile(path); }

void TForm2::FitToBackground() {
  SetClientSize(Image1.Width(), Image1.Height());
  CentreOnScreen();
}
