#include "toolkit/window/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "toolkit/Colors.h"
#include "toolkit/window/WindowFont.h"

TForm::TForm(const QString& caption, Qt::WindowFlags flags) : QWidget(nullptr, flags), caption_(caption) {
  setWindowTitle(caption);
  setFont(WindowFont(QStringLiteral("MS Sans Serif"), 11));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(ColorToPixel(clBtnFace)));
  setPalette(palette);
  setAutoFillBackground(true);
}

void TForm::SetLeft(int32_t left) { SetClientBounds(left, top_, width(), height()); }

void TForm::SetTop(int32_t top) { SetClientBounds(left_, top, width(), height()); }

void TForm::SetClientBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  // X11 keeps a window's place and size in 16 bits: a window dragged
  // further stops at the edge of that range, and the pointer's place
  // relative to it stays within reach of every sum.
  constexpr int32_t kLargest = 32767;
  left_ = std::clamp(left, -kLargest - 1, kLargest);
  top_ = std::clamp(top, -kLargest - 1, kLargest);
  setGeometry(left_, top_, std::clamp(width, 0, kLargest), std::clamp(height, 0, kLargest));
}

bool TForm::ProgramPlacesWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm::closeEvent(QCloseEvent* event) {
  if (event->spontaneous() && !UserMayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (OnClose) OnClose();
}
