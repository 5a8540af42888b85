#include "filesys/RzFileListBox.h"

#include <QAbstractListModel>
#include <QDir>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <optional>

#include "filesys/BusyCursor.h"
#include "filesys/Wildcard.h"

namespace {

// From the entry of this number on, a re-read shows the busy cursor.
constexpr size_t kBusyFrom = 101;
// With icons the item is drawn this far to the right; the icon stands
// kIconLeft left of the moved item.
constexpr int32_t kGlyphShift = 24;
constexpr int32_t kIconLeft = 20;
constexpr int32_t kIconSize = 16;
constexpr int32_t kTextLeft = 2;
constexpr int32_t kLeastItemHeight = 18;

}  // namespace

// The listed entries as the view sees them.
class TRzFileListBox::TItems : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  const std::vector<TRzFileInfo>& Files() const { return files_; }
  void Reset(std::vector<TRzFileInfo> files) {
    beginResetModel();
    files_ = std::move(files);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(files_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const TRzFileInfo& file = files_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) return file.Name;
    if (role == Qt::DecorationRole) return file.Icon;
    return {};
  }

 private:
  std::vector<TRzFileInfo> files_;
};

// Draws an item as the list's owner: the background and the name moved
// right of the icon, the name centred by the height of "Pp", the icon in
// its selected state on a selected item.
class TRzFileListBox::TItemPainter : public QStyledItemDelegate {
 public:
  explicit TItemPainter(TRzFileListBox* list) : QStyledItemDelegate(list), list_(list) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.rect.width(), list_->ItemHeight()};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    const QRect item = option.rect.adjusted(kGlyphShift, 0, 0, 0);
    painter->fillRect(item, selected ? palette.highlight() : palette.base());
    const QFontMetrics metrics(option.font);
    const int32_t offset = (option.rect.height() - metrics.height()) / 2;
    painter->setFont(option.font);
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter->drawText(QRect(item.left() + kTextLeft, item.top() + offset, item.width() - kTextLeft, metrics.height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    icon.paint(painter, QRect(item.left() - kIconLeft, item.top() + offset - 1, kIconSize, kIconSize), Qt::AlignCenter,
               selected ? QIcon::Selected : QIcon::Normal);
    if (option.state & QStyle::State_HasFocus) {
      QStyleOptionFocusRect focus;
      focus.initFrom(list_);
      focus.rect = option.rect;
      list_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list_);
    }
  }

 private:
  TRzFileListBox* const list_;
};

TRzFileListBox::TRzFileListBox(QWidget* parent)
    : QListView(parent), items_(new TItems(this)), folder_(QDir::currentPath()) {
  setModel(items_);
  setItemDelegate(new TItemPainter(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
}

void TRzFileListBox::SetFolder(const QString& folder) {
  if (folder == folder_) return;
  // The list and the process share one current folder: a folder that
  // cannot be entered leaves both where they were.
  QDir::setCurrent(folder);
  folder_ = QDir::currentPath();
  Reread();
}

void TRzFileListBox::SetMask(const QString& mask) {
  if (mask == mask_) return;
  mask_ = mask;
  Reread();
}

void TRzFileListBox::SetFileType(TFileType fileType) {
  if (fileType == fileType_) return;
  fileType_ = fileType;
  Reread();
}

int32_t TRzFileListBox::ItemHeight() const {
  return std::max(QFontMetrics(font()).height() - 3, kLeastItemHeight);
}

const std::vector<TRzFileInfo>& TRzFileListBox::Items() const { return items_->Files(); }

int32_t TRzFileListBox::ItemIndex() const {
  const QModelIndex current = currentIndex();
  return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void TRzFileListBox::SetItemIndex(int32_t index) {
  if (index < 0) {
    clearSelection();
  } else {
    setCurrentIndex(model()->index(index, 0));
    scrollTo(currentIndex());
  }
  ReportChange();
}

QString TRzFileListBox::FileName() const {
  const int32_t index = ItemIndex();
  if (index < 0) return {};
  const QString separator = folder_.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
  return folder_ + separator + Items()[static_cast<size_t>(index)].Name;
}

void TRzFileListBox::Reread() {
  // The window is made on the first show.
  if (!testAttribute(Qt::WA_WState_Created)) {
    rereadOnShow_ = true;
    return;
  }
  rereadOnShow_ = false;
  QDir::setCurrent(folder_);
  std::optional<TBusyCursor> busy;
  std::vector<TRzFileInfo> files = ListFolder(folder_, SplitMasks(mask_), fileType_, [&busy](size_t taken) {
    if (taken == kBusyFrom) busy.emplace();
  });
  for (TRzFileInfo& file : files) file.Icon = icons_.Icon(folder_, file.Name, file.Folder);
  SortFiles(files);
  items_->Reset(std::move(files));
  reported_ = -1;
  busy.reset();
  if (OnChange) OnChange();
}

void TRzFileListBox::ReportChange() {
  const int32_t index = ItemIndex();
  if (index == reported_) return;
  reported_ = index;
  if (OnChange) OnChange();
}

void TRzFileListBox::showEvent(QShowEvent* event) {
  QListView::showEvent(event);
  if (rereadOnShow_) Reread();
}

void TRzFileListBox::changeEvent(QEvent* event) {
  QListView::changeEvent(event);
  if (event->type() == QEvent::FontChange) scheduleDelayedItemsLayout();
}

void TRzFileListBox::mousePressEvent(QMouseEvent* event) {
  QListView::mousePressEvent(event);
  ReportChange();
}

void TRzFileListBox::mouseMoveEvent(QMouseEvent* event) {
  QListView::mouseMoveEvent(event);
  ReportChange();
}

void TRzFileListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListView::mouseReleaseEvent(event);
  ReportChange();
}

void TRzFileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // Off the items Qt takes a double click for a press.
  QListView::mouseDoubleClickEvent(event);
  ReportChange();
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick();
}

void TRzFileListBox::keyPressEvent(QKeyEvent* event) {
  QListView::keyPressEvent(event);
  ReportChange();
}
