#include "toolkit/window/RzBmpButton.h"

#include <QPainter>

#include "toolkit/Colors.h"

namespace {

QColor QColorOf(TColor color) { return QColor::fromRgb(ColorToPixel(color)); }

}  // namespace

TRzBmpButton::TRzBmpButton(QWidget* parent, TGlyph glyph) : QAbstractButton(parent), glyph_(glyph) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void TRzBmpButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect all = rect();
  const bool down = isDown();
  painter.fillRect(all, QColorOf(clBtnFace));
  // A one-pixel raised edge, sunken while pressed.
  const QColor light = QColorOf(down ? clBtnShadow : clBtnHighlight);
  const QColor dark = QColorOf(down ? clBtnHighlight : clBtnShadow);
  painter.fillRect(0, 0, all.width(), 1, light);
  painter.fillRect(0, 0, 1, all.height(), light);
  painter.fillRect(0, all.height() - 1, all.width(), 1, dark);
  painter.fillRect(all.width() - 1, 0, 1, all.height(), dark);

  const QColor ink = QColorOf(isEnabled() ? clBtnText : clGrayText);
  const QPoint centre = all.center() + (down ? QPoint(1, 1) : QPoint());
  switch (glyph_) {
    case bgEllipsis:
      for (int dot = -1; dot <= 1; ++dot) painter.fillRect(centre.x() - 1 + 3 * dot, centre.y() + 1, 2, 2, ink);
      break;
    case bgPicture: {
      const QRect frame(centre.x() - 7, centre.y() - 5, 15, 11);
      painter.fillRect(frame, QColorOf(clWhite));
      painter.setPen(ink);
      painter.drawRect(frame.adjusted(0, 0, -1, -1));
      painter.fillRect(frame.right() - 4, frame.top() + 2, 2, 2, QColorOf(clRed));
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColorOf(clGreen));
      const QPoint hill[] = {
          {frame.left() + 1, frame.bottom()}, {frame.left() + 5, frame.top() + 4}, {frame.left() + 10, frame.bottom()}};
      painter.drawPolygon(hill, 3);
      break;
    }
  }
}
