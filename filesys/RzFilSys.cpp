#include "filesys/RzFilSys.h"

#include <QDir>

TRzDirectoryTree::TRzDirectoryTree(QWidget* parent) : QTreeWidget(parent) {}

QString TRzDirectoryTree::CurrentFolder() const { return current_; }

void TRzDirectoryTree::SetCurrentFolder(const QString& path) {
  current_ = path;
  if (FileList) FileList->SetFolder(path);
  if (OnChange) OnChange();
}

TRzFileListBox::TRzFileListBox(QWidget* parent) : QListWidget(parent) {}

void TRzFileListBox::SetFolder(const QString& folder) {
  folder_ = folder;
  Reread();
}

void TRzFileListBox::Reread() {
  clear();
  addItems(QDir(folder_).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg")}, QDir::Files));
  if (OnChange) OnChange();
}

QString TRzFileListBox::FileName() const {
  const QListWidgetItem* item = currentItem();
  return item ? QDir(folder_).filePath(item->text()) : QString();
}
