#include "filesys/RzDirectoryTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QScopedValueRollback>
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

// A volume, the home folder or a folder. Placeholders are plain items.
class TRzDirectoryTree::TNode : public QTreeWidgetItem {
 public:
  TNode(QString path, QIcon icon, TNodeKind kind, bool plainFolder)
      : QTreeWidgetItem(UserType), Path(std::move(path)), Icon(std::move(icon)), Kind(kind), PlainFolder(plainFolder) {
    setIcon(0, Icon);
  }

  static TNode* Of(QTreeWidgetItem* item) {
    return item && item->type() == UserType ? static_cast<TNode*>(item) : nullptr;
  }

  const QString Path;  // ends in "/"
  const QIcon Icon;
  const TNodeKind Kind;
  // Whether Icon is the plain folder's, which turns into the open folder's
  // while the node is selected; a volume's or the home folder's stays.
  const bool PlainFolder;
  bool ChildrenRead = false;
  TVolume Volume;  // a volume's, as last seen
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
  // A table of mounts that flaps reports many changes between two turns of
  // the event loop: the top level follows them once.
  volumes_->OnChange = [this] {
    if (followPending_) return;
    followPending_ = true;
    QTimer::singleShot(0, this, [this] {
      followPending_ = false;
      FollowMounts();
    });
  };
}

TRzDirectoryTree::~TRzDirectoryTree() {
  volumes_->OnChange = nullptr;
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
    const QScopedValueRollback<bool> building(building_, true);
    clear();
    const std::vector<TVolume> volumes = volumes_->Volumes();
    for (const TPlace& place : Places(volumes)) {
      addTopLevelItem(NewPlaceNode(place));
      QCoreApplication::processEvents();
    }
  }
  if (changedWhileBuilding_) {
    changedWhileBuilding_ = false;
    volumes_->OnChange();
  }
  // A program started from a menu is in the home folder: the start is the
  // home folder's own place then.
  const QString current = NodePathOf(QDir::currentPath());
  TNode* start = RootHolding(current);
  for (int i = 0; i < topLevelItemCount(); ++i) {
    TNode* home = TNode::Of(topLevelItem(i));
    if (home->Kind == nkHome && current.startsWith(home->Path)) start = home;
  }
  if (start) SetCurrentFolder(FolderOf(start->Path));
}

std::vector<TRzDirectoryTree::TPlace> TRzDirectoryTree::Places(const std::vector<TVolume>& volumes) const {
  std::vector<TPlace> places;
  for (const TVolume& volume : volumes) places.push_back({NodePathOf(volume.MountPoint), &volume});
  // "/" is a prefix of every other mount point, so it comes first.
  std::sort(places.begin(), places.end(), [](const TPlace& a, const TPlace& b) { return a.Path < b.Path; });
  const QString home = HomePlace(volumes_->Home(), volumes);
  if (!home.isEmpty()) {
    const bool rootFirst = !places.empty() && places.front().Path == kSeparator;
    places.insert(places.begin() + (rootFirst ? 1 : 0), {NodePathOf(home), nullptr});
  }
  return places;
}

TRzDirectoryTree::TNode* TRzDirectoryTree::NewPlaceNode(const TPlace& place) {
  if (!place.Volume) {
    TNode* home = NewNode(place.Path, HomeText(FolderOf(place.Path)), nkHome);
    if (HasSubfolder(home->Path, showHiddenDirs_)) AddPlaceholder(home);
    return home;
  }
  const TVolume& volume = *place.Volume;
  TNode* node = NewNode(place.Path, VolumeText(volume), nkVolume);
  node->Volume = volume;
  // Removable media, CD-ROMs and the unknown are not touched to find out
  // whether they hold folders.
  const TDriveType type = DriveTypeOf(volume);
  const bool probed = type == dtFixed || type == dtNetwork || type == dtRAM;
  if (volume.Readable && (!probed || HasSubfolder(volume.MountPoint, showHiddenDirs_))) AddPlaceholder(node);
  return node;
}

TRzDirectoryTree::TNode* TRzDirectoryTree::NewNode(const QString& path, const QString& text, TNodeKind kind) {
  // The provider's icon for a path may be a special one (the home folder's)
  // that its type calls a folder too: which icon a node has is decided here.
  const bool plainFolder = kind == nkFolder && path != NodePathOf(QDir::homePath());
  QIcon icon = plainFolder ? icons_.icon(QAbstractFileIconProvider::Folder) : icons_.icon(QFileInfo(path));
  auto* node = new TNode(path, std::move(icon), kind, plainFolder);
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
    TNode* child = NewNode(node->Path + name + kSeparator, name, nkFolder);
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
  if (node->Kind == nkVolume) FollowVolume(node);
  if (fileList_) fileList_->SetFolder(CurrentFolder());
  if (OnChange) OnChange();
}

void TRzDirectoryTree::FollowVolume(TNode* node) {
  const TVolume volume = volumes_->Volume(FolderOf(node->Path));
  if (!SameMount(volume, node->Volume)) Rebuild(node, volume);
}

void TRzDirectoryTree::Rebuild(TNode* node, const TVolume& volume) {
  // Qt would move the selection out of the children to a neighbour.
  if (HoldsSelection(node)) setCurrentItem(node);
  // An expanded node would show its placeholder, which is no folder, and
  // never read its folders again.
  node->setExpanded(false);
  qDeleteAll(node->takeChildren());
  node->ChildrenRead = false;
  node->Volume = volume;
  node->setText(0, VolumeText(volume));
  if (volume.Readable) AddPlaceholder(node);
}

void TRzDirectoryTree::FollowMounts() {
  if (!created_) return;
  if (building_) {
    changedWhileBuilding_ = true;
    return;
  }
  const TUpdatesSuspended suspended(*this);
  const std::vector<TVolume> volumes = volumes_->Volumes();
  const std::vector<TPlace> places = Places(volumes);
  const auto placeOf = [&](const TNode* node) -> const TPlace* {
    for (const TPlace& place : places) {
      if (place.Path == node->Path && (place.Volume ? nkVolume : nkHome) == node->Kind) return &place;
    }
    return nullptr;
  };
  // The nodes that stay keep their order, which is the places' order.
  for (int i = topLevelItemCount() - 1; i >= 0; --i) {
    TNode* node = TNode::Of(topLevelItem(i));
    const TPlace* place = placeOf(node);
    if (!place) RemovePlace(node);
    else if (place->Volume && !SameMount(*place->Volume, node->Volume)) Rebuild(node, *place->Volume);
  }
  for (size_t i = 0; i < places.size(); ++i) {
    const TNode* node = TNode::Of(topLevelItem(static_cast<int>(i)));
    if (!node || placeOf(node) != &places[i]) insertTopLevelItem(static_cast<int>(i), NewPlaceNode(places[i]));
  }
  // A folder of a volume reached through another one (not its own place)
  // is gone with the volume: the list shows it empty, as any folder that
  // went away.
  const QString folder = CurrentFolder();
  if (fileList_ && !folder.isEmpty() && !QFileInfo(folder).isDir()) fileList_->Reread();
}

void TRzDirectoryTree::RemovePlace(TNode* node) {
  // The selection moves to the first place that stays, "/" where there is
  // one, before Qt moves it to a neighbour.
  if (HoldsSelection(node)) setCurrentItem(topLevelItem(indexOfTopLevelItem(node) == 0 ? 1 : 0));
  delete takeTopLevelItem(indexOfTopLevelItem(node));
}

bool TRzDirectoryTree::HoldsSelection(const TNode* node) const {
  for (const QTreeWidgetItem* item = currentItem(); item; item = item->parent()) {
    if (item == node) return true;
  }
  return false;
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

void TRzDirectoryTree::keyPressEvent(QKeyEvent* event) {
  // Qt expands every folder below for "*", and links that lead back up
  // (/proc/PID/root) make that walk endless.
  if (event->key() == Qt::Key_Asterisk) {
    if (QTreeWidgetItem* item = currentItem()) item->setExpanded(true);
    event->accept();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}
