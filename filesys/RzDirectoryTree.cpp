#include "filesys/RzDirectoryTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <algorithm>

#include "filesys/BusyCursor.h"
#include "filesys/RzFileListBox.h"
#include "filesys/Subfolders.h"
#include "toolkit/Exceptions.h"

namespace {

const QString kSeparator = QStringLiteral("/");

// A folder as the tree's current folder names it: "/" stays, any other
// path loses its trailing "/".
QString FolderOf(const QString& nodePath) {
  return nodePath == kSeparator ? nodePath : nodePath.chopped(1);
}

QString NodePathOf(const QString& folder) { return folder.endsWith(kSeparator) ? folder : folder + kSeparator; }

// Keeps a widget from repainting until the scope is left.
class TUpdatesSuspended {
 public:
  explicit TUpdatesSuspended(QWidget& widget) : widget_(widget) { widget_.setUpdatesEnabled(false); }
  ~TUpdatesSuspended() { widget_.setUpdatesEnabled(true); }
  TUpdatesSuspended(const TUpdatesSuspended&) = delete;
  TUpdatesSuspended& operator=(const TUpdatesSuspended&) = delete;

 private:
  QWidget& widget_;
};

}  // namespace

// A volume or a folder. Placeholders are plain items.
class TRzDirectoryTree::TNode : public QTreeWidgetItem {
 public:
  TNode(QString path, QIcon icon, bool isVolume, bool plainFolder)
      : QTreeWidgetItem(UserType),
        Path(std::move(path)),
        Icon(std::move(icon)),
        IsVolume(isVolume),
        PlainFolder(plainFolder) {
    setIcon(0, Icon);
  }

  static TNode* Of(QTreeWidgetItem* item) {
    return item && item->type() == UserType ? static_cast<TNode*>(item) : nullptr;
  }

  const QString Path;  // ends in "/"
  const QIcon Icon;
  const bool IsVolume;
  // Whether Icon is the plain folder's, which turns into the open folder's
  // while the node is selected; a volume's or the home folder's stays.
  const bool PlainFolder;
  bool ChildrenRead = false;
  int64_t DeviceId = -1;  // a volume's, as last seen
};

TRzDirectoryTree::TRzDirectoryTree(std::unique_ptr<TVolumeSource> volumes, QWidget* parent)
    : QTreeWidget(parent), volumes_(std::move(volumes)) {
  setHeaderHidden(true);
  setColumnCount(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    TNode* node = TNode::Of(item);
    if (node && !node->ChildrenRead) ReadChildren(node);
  });
  connect(this, &QTreeWidget::currentItemChanged, this, &TRzDirectoryTree::SelectionChanged);
}

TRzDirectoryTree::~TRzDirectoryTree() {
  // Qt deletes the nodes after this destructor: what it reports then must
  // reach neither this object nor the list, which may be gone.
  disconnect(this, nullptr, this, nullptr);
}

void TRzDirectoryTree::SetRowSelect(bool rowSelect) {
  rowSelect_ = rowSelect;
  viewport()->update();
}

void TRzDirectoryTree::SetSelectionPenColor(TColor color) {
  selectionPenColor_ = color;
  viewport()->update();
}

QString TRzDirectoryTree::CurrentFolder() const {
  const TNode* node = TNode::Of(currentItem());
  return node ? FolderOf(node->Path) : QString();
}

void TRzDirectoryTree::SetCurrentFolder(const QString& path) {
  Create();
  QString folder = QDir::cleanPath(QDir(path).absolutePath());
  if (folder == CurrentFolder()) return;
  while (!QFileInfo(folder).isDir()) {
    const QString parent = QFileInfo(folder).path();
    if (parent == folder) throw EInOutError::DirectoryMissing(path);
    folder = parent;
  }
  const QString target = NodePathOf(folder);
  const TBusyCursor busy;
  TNode* found = RootHolding(target);
  if (!found) return;
  while (found->Path != target) {
    if (!found->ChildrenRead) ReadChildren(found);
    const QString level = target.left(target.indexOf(kSeparator, found->Path.size()) + 1);
    TNode* next = nullptr;
    for (int i = 0; i < found->childCount() && !next; ++i) {
      TNode* child = TNode::Of(found->child(i));
      if (child && child->Path == level) next = child;
    }
    if (!next) return;
    found = next;
  }
  setCurrentItem(found);
  scrollToItem(found);
}

void TRzDirectoryTree::showEvent(QShowEvent* event) {
  QTreeWidget::showEvent(event);
  Create();
}

void TRzDirectoryTree::Create() {
  if (created_) return;
  created_ = true;
  Build();
}

void TRzDirectoryTree::Build() {
  {
    const TBusyCursor busy;
    const TUpdatesSuspended suspended(*this);
    clear();
    std::vector<TVolume> volumes = volumes_->Volumes();
    // "/" is a prefix of every other mount point, so it comes first.
    std::sort(volumes.begin(), volumes.end(),
              [](const TVolume& a, const TVolume& b) { return a.MountPoint < b.MountPoint; });
    for (const TVolume& volume : volumes) {
      TNode* node = NewNode(NodePathOf(volume.MountPoint), VolumeText(volume), true);
      node->DeviceId = volume.DeviceId;
      addTopLevelItem(node);
      // Removable media, CD-ROMs and the unknown are not touched to find
      // out whether they hold folders.
      const TDriveType type = DriveTypeOf(volume);
      const bool probed = type == dtFixed || type == dtNetwork || type == dtRAM;
      if (volume.Readable && (!probed || HasSubfolder(volume.MountPoint, showHiddenDirs_))) AddPlaceholder(node);
      QCoreApplication::processEvents();
    }
  }
  if (TNode* start = RootHolding(NodePathOf(QDir::currentPath()))) SetCurrentFolder(FolderOf(start->Path));
}

TRzDirectoryTree::TNode* TRzDirectoryTree::NewNode(const QString& path, const QString& text, bool volume) {
  // The provider's icon for a path may be a special one (the home folder's)
  // that its type calls a folder too: which icon a node has is decided here.
  const bool plainFolder = !volume && path != NodePathOf(QDir::homePath());
  auto* node = new TNode(path, plainFolder ? icons_.icon(QAbstractFileIconProvider::Folder) : icons_.icon(QFileInfo(path)),
                         volume, plainFolder);
  node->setText(0, text);
  return node;
}

void TRzDirectoryTree::AddPlaceholder(TNode* node) { node->addChild(new QTreeWidgetItem({QStringLiteral(":")})); }

void TRzDirectoryTree::ReadChildren(TNode* node) {
  const TBusyCursor busy;
  qDeleteAll(node->takeChildren());
  node->ChildrenRead = true;
  QList<QTreeWidgetItem*> children;
  for (const QString& name : SubfolderNames(node->Path, showHiddenDirs_)) {
    TNode* child = NewNode(node->Path + name + kSeparator, name, false);
    // A folder link is probed like a folder, one level deep as always, so
    // a link loop unfolds one level per expansion.
    if (HasSubfolder(child->Path, showHiddenDirs_)) AddPlaceholder(child);
    children.append(child);
  }
  node->addChildren(children);
}

void TRzDirectoryTree::SelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  if (TNode* left = TNode::Of(previous)) left->setIcon(0, left->Icon);
  TNode* node = TNode::Of(current);
  if (!node) return;
  if (node->PlainFolder) node->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
  if (node->IsVolume) FollowVolume(node);
  if (fileList_) fileList_->SetFolder(CurrentFolder());
  if (OnChange) OnChange();
}

void TRzDirectoryTree::FollowVolume(TNode* node) {
  const TVolume volume = volumes_->Volume(FolderOf(node->Path));
  if (volume.DeviceId == node->DeviceId) return;
  qDeleteAll(node->takeChildren());
  node->ChildrenRead = false;
  node->DeviceId = volume.DeviceId;
  node->setText(0, VolumeText(volume));
  if (volume.Readable) AddPlaceholder(node);
}

TRzDirectoryTree::TNode* TRzDirectoryTree::RootHolding(const QString& path) const {
  TNode* holder = nullptr;
  for (int i = 0; i < topLevelItemCount(); ++i) {
    TNode* root = TNode::Of(topLevelItem(i));
    if (root && path.startsWith(root->Path) && (!holder || root->Path.size() > holder->Path.size())) holder = root;
  }
  return holder;
}

void TRzDirectoryTree::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = selectionModel()->isSelected(index);
  const QRect row(0, option.rect.top(), viewport()->width(), option.rect.height());
  if (selected && rowSelect_) painter->fillRect(row, option.palette.highlight());
  QTreeWidget::drawRow(painter, option, index);
  if (selected && selectionPenColor_ != clNone) {
    painter->save();
    painter->setPen(QColor::fromRgb(ColorToPixel(selectionPenColor_)));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect((rowSelect_ ? row : option.rect).adjusted(0, 0, -1, -1));
    painter->restore();
  }
}
