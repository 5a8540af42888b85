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

TForm2::TForm2() : TForm(QStringLiteral("Form2"), Qt::Window | Qt::FramelessWindowHint) {
  SetClientBounds(260, 95, 302, 329);
  BuildImage1();
  BuildL1();
  BuildLabel13();
  BuildPopupMenu1();
}

// The background fills the client area, whose host shows its picture.
void TForm2::BuildImage1() {
  Client = new THostWidget(this);
  Client->setGeometry(rect());
  Client->SetColor(clBtnFace);
  Image1.OnChange = [this] { Client->SetBackground(Image1.Pixels()); };
  Client->OnMouseDown = [this](TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseDown(dsBackground, button, shift, x, y);
  };
  // The window system may not have reported the last move of the window
  // yet, so the pointer is measured on the screen from where the window
  // was last put, not taken from the event.
  Client->OnMouseMove = [this](TShiftState shift, int32_t, int32_t) {
    const QPoint pointer = Client->GlobalPointer();
    Image1MouseMove(shift, pointer.x() - Left(), pointer.y() - Top());
  };
  // The menu opens on the release, after the drag has ended: opened on the
  // press, it would take the release itself.
  Client->OnMouseUp = [this](TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseUp(button, shift, x, y);
    if (button == mbRight) PopupMenu1->popup(Client->GlobalPointer());
  };
}

void TForm2::BuildL1() {
  L1.BeginLoading();
  L1.SetBounds(0, 0, 45, 18);
  L1.SetCursor(crHandPoint);
  L1.Bevel().SetMode(bmCustom);
  L1.FontFX().SetOrientation(toTopRight);
  L1.SetParentFont(false);
  TFont& font = L1.Font();
  font.SetName(QStringLiteral("Arial"));
  font.SetHeight(-13);
  font.SetColor(clRed);
  font.SetStyle(0);
  font.SetCharset(DEFAULT_CHARSET);
  L1.SetOptions(0);
  L1.FillObject().Gradient().SetTwoColors(false);
  L1.SetCaption(QStringLiteral("Текстъ!"));
  L1.EndLoading();
  L1.SetParent(Client);
  L1.OnMouseDown = [this](TGraphicControl*, TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseDown(dsLabel, button, shift, x, y);
  };
  L1.OnMouseMove = [this](TGraphicControl*, TShiftState shift, int32_t x, int32_t y) { fcLabel1MouseMove(shift, x, y); };
  L1.OnMouseUp = [this](TGraphicControl*, TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    Image1MouseUp(button, shift, x, y);
  };
}

void TForm2::BuildLabel13() {
  Label13 = new QLabel(QStringLiteral("1"), this);
  Label13->setGeometry(146, 66, Label13->sizeHint().width(), Label13->sizeHint().height());
  Label13->setVisible(false);
}

void TForm2::BuildPopupMenu1() {
  PopupMenu1 = new QMenu(this);
  QMenu* N2 = PopupMenu1->addMenu(QStringLiteral("Зап&исать"));
  bmp1 = N2->addAction(QStringLiteral("*bmp"), this, [this] { bmp1Click(); });
  jpg1 = N2->addAction(QStringLiteral("*.jpg"), this, [this] { jpg1Click(); });
  N3 = PopupMenu1->addAction(QStringLiteral("Открыть"), this, [this] { N3Click(); });
  PopupMenu1->addSeparator();
  N4 = PopupMenu1->addAction(QStringLiteral("Вы&ход"), this, [this] { N4Click(); });
}

TForm2::~TForm2() { L1.SetParent(nullptr); }

void TForm2::Image1MouseDown(TDragSource source, TMouseButton, TShiftState, int32_t x, int32_t y) {
  grabX_ = x;
  grabY_ = y;
  dragSource_ = source;
}

void TForm2::Image1MouseUp(TMouseButton, TShiftState, int32_t, int32_t) { dragSource_ = dsNone; }

void TForm2::Image1MouseMove(TShiftState shift, int32_t x, int32_t y) {
  if (!(shift & ShiftBit(ssLeft)) || dragSource_ != dsBackground) return;
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
  // A save goes where the background came from, never to "/" by accident.
  const QString folder = Form4->RzDirectoryTree1->CurrentFolder();
  return folder.isEmpty() ? backgroundFolder_ : folder;
}

int32_t TForm2::Counter() const { return Label13->text().toInt(); }

void TForm2::SetCounter(int32_t counter) { Label13->setText(QString::number(counter)); }

void TForm2::LoadBackground(const QString& path) {
  Image1.LoadBackgroundFromFile(path);
  backgroundFolder_ = QFileInfo(path).absolutePath();
}

void TForm2::FitToBackground() {
  SetClientSize(Image1.Width(), Image1.Height());
  CentreOnScreen();
}
