#pragma once
// A folder tree over volumes a test lays out and may change while the tree
// looks at them.
#include <QCoreApplication>
#include <QTreeWidgetItem>
#include <memory>
#include <vector>

#include "FolderFixture.h"
#include "filesys/RzDirectoryTree.h"
#include "filesys/RzFileListBox.h"

// The volumes and home folder of the test that made it, as they are at
// each question.
class TFakeVolumes : public TVolumeSource {
 public:
  TFakeVolumes(const std::vector<TVolume>& volumes, const QString& home) : volumes_(volumes), home_(home) {}
  std::vector<TVolume> Volumes() override { return volumes_; }
  TVolume Volume(const QString& mountPoint) override {
    for (const TVolume& volume : volumes_)
      if (volume.MountPoint == mountPoint) return volume;
    TVolume gone;
    gone.MountPoint = mountPoint;
    return gone;
  }
  QString Home() override { return home_; }

 private:
  const std::vector<TVolume>& volumes_;
  const QString& home_;
};

inline TVolume Disk(const QString& mountPoint, const QString& label = QString(), int32_t mountId = 1) {
  return {mountPoint, label, "ext4", "/dev/sda1", false, true, 1, mountId};
}

// A node's children as "text=its children's texts" with Depth levels.
inline QString Texts(const QTreeWidgetItem* node, int depth = 1) {
  QStringList texts;
  for (int i = 0; i < node->childCount(); ++i)
    texts << node->child(i)->text(0) + (depth > 1 ? "=" + Texts(node->child(i), depth - 1) : QString());
  return texts.join(QLatin1Char('|'));
}

class DirectoryTree : public FolderFixture {
 protected:
  // The tree shown for the volumes, starting in the current folder's.
  void Show(bool showHidden = true) {
    auto source = std::make_unique<TFakeVolumes>(volumes_, home_);
    source_ = source.get();
    tree_ = std::make_unique<TRzDirectoryTree>(std::move(source));
    tree_->resize(300, 400);
    tree_->SetFileList(&list_);
    tree_->SetShowHiddenDirs(showHidden);
    tree_->show();
    list_.show();
  }
  // A shown tree of one volume at the temporary folder, starting there.
  void ShowFolder(bool showHidden = true) {
    volumes_ = {Disk(Path(), QStringLiteral("TEMP"))};
    QDir::setCurrent(Path());
    Show(showHidden);
  }
  // The volumes have changed: the source says so, and the tree follows
  // when the event loop next turns.
  void Remount() {
    source_->OnChange();
    QCoreApplication::processEvents();
  }
  // The node reached from the root through the names, each expanded.
  QTreeWidgetItem* Expand(const QStringList& names, int root = 0) const {
    QTreeWidgetItem* node = tree_->topLevelItem(root);
    node->setExpanded(true);
    for (const QString& name : names) {
      QTreeWidgetItem* parent = node;
      node = nullptr;
      for (int i = 0; i < parent->childCount() && !node; ++i)
        if (parent->child(i)->text(0) == name) node = parent->child(i);
      if (!node) return nullptr;
      node->setExpanded(true);
    }
    return node;
  }

  std::vector<TVolume> volumes_;
  QString home_;
  TRzFileListBox list_;
  TFakeVolumes* source_ = nullptr;
  std::unique_ptr<TRzDirectoryTree> tree_;
};
