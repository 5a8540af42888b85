#include "toolkit/window/LMDFontComboBox.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStylePainter>

namespace {

// "C059 [urw]": Qt names a family that several foundries provide with the
// foundry; the list shows the family once, as fontconfig names it.
QString WithoutFoundry(const QString& family) {
  const qsizetype bracket = family.indexOf(QLatin1String(" ["));
  return bracket < 0 ? family : family.left(bracket);
}

}  // namespace

TLMDFontComboBox::TLMDFontComboBox(QWidget* parent) : QComboBox(parent) {
  // The style would show the list as a menu as tall as the screen; the
  // list popup shows MaxVisibleItems entries.
  setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  setMaxVisibleItems(12);
  // Fontconfig's aliases ("Sans Serif") stand for another family: a name
  // is listed when it resolves to itself, so the face chosen is the face
  // the label draws with.
  QStringList families;
  for (const QString& family : QFontDatabase::families()) {
    const QString name = WithoutFoundry(family);
    if (QFontDatabase::isPrivateFamily(family) || families.contains(name)) continue;
    if (WithoutFoundry(QFontInfo(QFont(name)).family()) == name) families << name;
  }
  for (const QString& family : families) {
    QFont face(family);
    face.setPixelSize(font().pixelSize());
    addItem(family);
    setItemData(count() - 1, face, Qt::FontRole);
  }
  setCurrentIndex(-1);
  connect(this, &QComboBox::activated, this, [this] {
    if (OnSelect) OnSelect();
  });
}

void TLMDFontComboBox::SelectFontName(const QString& name) { setCurrentIndex(findText(name, Qt::MatchFixedString)); }

void TLMDFontComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() >= 0) painter.setFont(itemData(currentIndex(), Qt::FontRole).value<QFont>());
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
