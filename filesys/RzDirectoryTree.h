#pragma once
#include <QFileIconProvider>
#include <QString>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "filesys/Volumes.h"
#include "toolkit/Colors.h"

class TRzFileListBox;

// The folder tree: the machine's volumes, "/" first, then the home folder
// as a place of its own, then the others by mount point, and below them
// their folders, each read on its first expansion, one level at a time. A
// node that may have folders shows an expand button through a placeholder
// child ":" until it is read. The tree fills itself once, on its first
// show or when it is first asked to select a folder, whichever comes first
// (the classic tree's window being made), and then selects the home folder
// when the process's current folder lies in it, else the mount point of the
// volume that holds that folder. Mounts and unmounts the volume source
// reports change the top level while it is shown. Its selection is followed
// by the linked file list. Paths and names are compared exactly.
class TRzDirectoryTree : public QTreeWidget {
 public:
  // The volumes come from Volumes (SystemVolumes() for the machine's).
  explicit TRzDirectoryTree(std::unique_ptr<TVolumeSource> volumes, QWidget* parent = nullptr);
  ~TRzDirectoryTree() override;

  // The list that shows the selected folder.
  TRzFileListBox* FileList() const { return fileList_; }
  void SetFileList(TRzFileListBox* list) { fileList_ = list; }
  // Whether hidden folders are shown (false by default), for the folders
  // read from then on.
  bool ShowHiddenDirs() const { return showHiddenDirs_; }
  void SetShowHiddenDirs(bool show) { showHiddenDirs_ = show; }
  // A selected row is highlighted over the tree's whole width (false by
  // default), and framed in the selection pen's colour (clNone by default:
  // no frame).
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool rowSelect);
  TColor SelectionPenColor() const { return selectionPenColor_; }
  void SetSelectionPenColor(TColor color);

  // The selected node's folder: "/" for the root, any other without its
  // trailing "/"; empty when no node is selected.
  QString CurrentFolder() const;
  // Selects the node of Path's folder, or of its nearest existing parent,
  // walking down from the volume that holds it and reading each level on
  // the way; where a level has no node, the selection stays. A path with
  // no existing parent fails with "The %s directory does not exist".
  void SetCurrentFolder(const QString& path);

  // After every change of selection, once the file list has followed.
  std::function<void()> OnChange;

 protected:
  void showEvent(QShowEvent* event) override;
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // "*" expands the current node by one level only, as "+" does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class TNode;
  enum TNodeKind : uint8_t { nkFolder, nkVolume, nkHome };
  // A top-level place: a volume or (without one) the home folder.
  struct TPlace {
    QString Path;  // ends in "/"
    const TVolume* Volume;
  };

  // Builds the tree unless it has been.
  void Create();
  // Fills the tree with the volumes and selects the starting folder.
  void Build();
  // The top-level places as they are now, in their order.
  std::vector<TPlace> Places(const std::vector<TVolume>& volumes) const;
  TNode* NewPlaceNode(const TPlace& place);
  TNode* NewNode(const QString& path, const QString& text, TNodeKind kind);
  void AddPlaceholder(TNode* node);
  // Replaces the node's children by its folders.
  void ReadChildren(TNode* node);
  void SelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  // Reads a volume's node again when another device is mounted there now.
  void FollowVolume(TNode* node);
  // Collapses a volume's node and empties it, to be read afresh from
  // Volume; a selection below it moves to it.
  void Rebuild(TNode* node, const TVolume& volume);
  // Brings the top level up to the volumes as they are now: new places are
  // added, the nodes of gone places removed (a selection in one moves to
  // "/") and those of volumes mounted anew rebuilt; the rest stay as they
  // are, expanded or not.
  void FollowMounts();
  // A top-level node leaves the tree.
  void RemovePlace(TNode* node);
  // Whether Node is the current node or holds it.
  bool HoldsSelection(const TNode* node) const;
  // The volume's node whose mount point holds Path (ending in "/").
  TNode* RootHolding(const QString& path) const;

  std::unique_ptr<TVolumeSource> volumes_;
  QFileIconProvider icons_;
  TRzFileListBox* fileList_ = nullptr;
  bool showHiddenDirs_ = false;
  bool rowSelect_ = false;
  TColor selectionPenColor_ = clNone;
  bool created_ = false;
  bool building_ = false;
  bool followPending_ = false;
  bool changedWhileBuilding_ = false;
};
