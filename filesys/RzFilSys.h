#pragma once
#include <QListWidget>
#include <QString>
#include <QTreeWidget>
#include <functional>

class TRzFileListBox;

// The folder tree of the picture browser: the machine's volumes and their
// folders, linked to a file list that follows its selection.
class TRzDirectoryTree : public QTreeWidget {
 public:
  explicit TRzDirectoryTree(QWidget* parent = nullptr);

  // The selected folder: "/" for the root, else without a trailing "/";
  // empty when nothing is selected.
  QString CurrentFolder() const;
  void SetCurrentFolder(const QString& path);

  TRzFileListBox* FileList = nullptr;
  // After every change of selection, once the file list has followed.
  std::function<void()> OnChange;

 private:
  QString current_;
};

// The list of the files of one folder that match the masks.
class TRzFileListBox : public QListWidget {
 public:
  explicit TRzFileListBox(QWidget* parent = nullptr);

  QString Folder() const { return folder_; }
  void SetFolder(const QString& folder);
  // Lists the folder again.
  void Reread();
  // The selected file's full path; empty when nothing is selected.
  QString FileName() const;

  std::function<void()> OnChange;
  std::function<void()> OnDblClick;

 private:
  QString folder_;
};
