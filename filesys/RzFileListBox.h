#pragma once
#include <QListView>
#include <QString>
#include <cstdint>
#include <functional>

#include "filesys/FileIconCache.h"
#include "filesys/FileListing.h"

// The list of the entries of one folder that match a set of wildcard
// masks, each drawn with its small icon. Showing a folder goes through the
// process's current folder, so afterwards that folder is the current one.
class TRzFileListBox : public QListView {
 public:
  explicit TRzFileListBox(QWidget* parent = nullptr);

  // The folder shown, as the process's current folder names it; at first
  // the process's current folder.
  QString Folder() const { return folder_; }
  // Shows Folder unless it is the one shown: it becomes the process's
  // current folder, which is taken back as the list's folder and listed. A
  // folder that cannot be entered leaves the list and the process in the
  // folder they were in, which is listed again.
  void SetFolder(const QString& folder);
  // Masks separated by ";" ("*.*" by default). A change lists again.
  QString Mask() const { return mask_; }
  void SetMask(const QString& mask);
  // Which entries are listed ([ftNormal] by default). A change lists again.
  TFileType FileType() const { return fileType_; }
  void SetFileType(TFileType fileType);
  // The font's text height less 3, but at least 18, for the icons.
  int32_t ItemHeight() const;

  // The entries listed, sorted: folders first, then by name.
  const std::vector<TRzFileInfo>& Items() const;
  // The selected item, -1 when none is.
  int32_t ItemIndex() const;
  // Selects item Index (none for -1) and brings it into view, as a click
  // would: OnChange runs when the selected item then differs from the one
  // last reported. ASSUMPTION: -1 <= Index < the number of items.
  void SetItemIndex(int32_t index);
  // The folder and the selected item's name joined by "/"; empty when no
  // item is selected.
  QString FileName() const;

  // Lists the folder again, with nothing selected, then raises OnChange.
  // Reading 101 entries or more shows the busy cursor until the end. Asked
  // before the list was first shown, it waits for that show.
  void Reread();

  // Once after every re-read, and whenever the user (mouse or keys) makes
  // the selected item differ from the one last reported.
  std::function<void()> OnChange;
  // Every double click of the left button on the list, on an item or not.
  std::function<void()> OnDblClick;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class TItems;
  class TItemPainter;

  // Raises OnChange when the selected item is no longer the one reported.
  void ReportChange();

  TItems* const items_;
  TFileIconCache icons_;
  QString folder_;
  QString mask_ = QStringLiteral("*.*");
  TFileType fileType_ = FileAttrBit(ftNormal);
  int32_t reported_ = -1;
  bool rereadOnShow_ = true;
};
