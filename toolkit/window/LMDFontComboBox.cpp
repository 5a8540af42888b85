#include "toolkit/window/LMDFontComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <algorithm>

namespace {

const QString kSample = QStringLiteral("Abc");
constexpr int kMargin = 3;      // between an entry's edge and its texts
constexpr int kSampleGap = 8;   // between the name and the sample

// An entry of the list: its name on the left and the sample on the right,
// both in the entry's face; a name too long for the list is elided.
class TFaceSampleDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QFontMetrics metrics(FaceOf(index));
    return {kMargin + metrics.horizontalAdvance(index.data().toString()) + kSampleGap +
                metrics.horizontalAdvance(kSample) + kMargin,
            std::max(QStyledItemDelegate::sizeHint(option, index).height(), metrics.height())};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    // The style draws the entry's ground and selection; the texts follow.
    QStyleOptionViewItem ground(option);
    initStyleOption(&ground, index);
    ground.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &ground, painter, widget);

    const QFont face = FaceOf(index);
    const QFontMetrics metrics(face);
    const QRect texts = option.rect.adjusted(kMargin, 0, -kMargin, 0);
    const QRect sample(texts.right() + 1 - metrics.horizontalAdvance(kSample), texts.top(),
                       metrics.horizontalAdvance(kSample), texts.height());
    const QRect name(texts.left(), texts.top(), sample.left() - kSampleGap - texts.left(), texts.height());
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(face);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(name, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      metrics.elidedText(index.data().toString(), Qt::ElideRight, name.width()));
    painter->drawText(sample, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, kSample);
    painter->restore();
  }

 private:
  static QFont FaceOf(const QModelIndex& index) { return index.data(Qt::FontRole).value<QFont>(); }
};

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
    // As the label draws it, whatever the window's own font is like.
    QFont face(family);
    if (font().pixelSize() > 0) face.setPixelSize(font().pixelSize());
    else face.setPointSizeF(font().pointSizeF());
    face.setStretch(QFont::Unstretched);
    addItem(family);
    setItemData(count() - 1, face, Qt::FontRole);
  }
  setItemDelegate(new TFaceSampleDelegate(this));
  setCurrentIndex(-1);
  connect(this, &QComboBox::activated, this, [this] {
    if (OnSelect) OnSelect();
  });
}

void TLMDFontComboBox::SelectFontName(const QString& name) { setCurrentIndex(findText(name, Qt::MatchFixedString)); }

void TLMDFontComboBox::showPopup() {
  // No entry is elided: the list takes the widest entry's width, the
  // combo's at least.
  QAbstractItemView* list = view();
  list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                        2 * list->frameWidth());
  QComboBox::showPopup();
}

void TLMDFontComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() >= 0) painter.setFont(itemData(currentIndex(), Qt::FontRole).value<QFont>());
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
