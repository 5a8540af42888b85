// The font combo's drop-down list: beside each name, the sample "Abc" in
// that entry's face, and room for the widest entry.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "toolkit/window/LMDFontComboBox.h"

namespace {

// Image cut to the pixels that differ from Ground.
QImage Ink(const QImage& image, QRgb ground) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != ground) ink |= QRect(x, y, 1, 1);
  return image.copy(ink);
}

class FontComboBox : public ::testing::TestWithParam<const char*> {};

TEST_P(FontComboBox, DrawsTheSampleInTheEntrysFaceBesideItsName) {
  QWidget window;
  QFont windowFont(QStringLiteral("Liberation Sans"));
  windowFont.setPixelSize(11);
  window.setFont(windowFont);
  TLMDFontComboBox combo(&window);
  combo.setGeometry(10, 18, 123, 21);
  window.show();
  combo.showPopup();
  QAbstractItemView* list = combo.view();
  EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));

  const QModelIndex entry = list->model()->index(combo.findText(QString::fromLatin1(GetParam())), 0);
  ASSERT_TRUE(entry.isValid());
  list->scrollTo(entry);
  const QRect row = list->visualRect(entry);
  const QImage shown = list->viewport()->grab(row).toImage().convertToFormat(QImage::Format_RGB32);
  const QFont face = entry.data(Qt::FontRole).value<QFont>();
  const int sampleWidth = QFontMetrics(face).horizontalAdvance(QStringLiteral("Abc"));
  const QRgb ground = shown.pixel(0, 0);

  // The row's right end holds the sample and nothing of the name.
  const QImage right = shown.copy(row.width() - sampleWidth - 6, 0, sampleWidth + 6, row.height());
  QImage expected(right.size(), QImage::Format_RGB32);
  expected.fill(ground);
  {
    QPainter painter(&expected);
    painter.setFont(face);
    painter.setPen(list->palette().color(QPalette::Text));
    // Lined up as the list lines up its entries' texts: from the top of
    // the row, centred in its height.
    painter.drawText(QRect(3, 0, sampleWidth, row.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QStringLiteral("Abc"));
  }
  EXPECT_EQ(Ink(right, ground), Ink(expected, ground));
  // The name stands left of it.
  EXPECT_FALSE(Ink(shown.copy(0, 0, row.width() - sampleWidth - 6, row.height()), ground).isNull());
  combo.hidePopup();
}

INSTANTIATE_TEST_SUITE_P(Faces, FontComboBox, ::testing::Values("Liberation Mono", "DejaVu Serif", "Liberation Sans"));

}  // namespace
