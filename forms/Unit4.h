#pragma once
#include <QTimer>
#include <array>

#include "filesys/RzDirectoryTree.h"
#include "filesys/RzFileListBox.h"
#include "filesys/SystemVolumes.h"
#include "pictures/Picture.h"
#include "toolkit/window/Form.h"
#include "toolkit/window/ImageView.h"

class QLabel;
class QSplitter;
class QStatusBar;

// The picture browser, the program's main window: a folder tree and, under
// it, the list of the pictures in the selected folder; a preview of the
// selected picture and a status bar with its path, size and dimensions. A
// double click on a file hands the picture to the composition window.
class TForm4 : public TForm {
 public:
  // The folder tree shows Volumes (the machine's, unless a test confines
  // the browser to volumes of its own).
  explicit TForm4(std::unique_ptr<TVolumeSource> volumes = SystemVolumes());

  // The sizing panels are splitters: RzSizePanel1's bar parts the left
  // side from the preview, RzSizePanel2's the tree from the list.
  QSplitter* RzSizePanel1 = nullptr;
  QSplitter* RzSizePanel2 = nullptr;
  TRzDirectoryTree* RzDirectoryTree1 = nullptr;
  TRzFileListBox* RzFileListBox1 = nullptr;
  // Where Image1 is shown.
  TImageView* Preview = nullptr;
  QStatusBar* SB = nullptr;
  // SB's panels 0, 1 and 2: the path, the size and the dimensions.
  std::array<QLabel*, 3> SBPanels{};
  // The previewed picture, as read (a JPEG's header only: the preview
  // decodes what it draws).
  TPicture Image1;

  // The list's selection changed: the preview and the status bar are left
  // to a zero-time timer, so that the key and mouse events already queued
  // are handled first and only the selection they end on is shown.
  void RzFileListBox1Change();
  // The selected file becomes the composition's background; the
  // composition window and the control panel take the browser's place.
  void RzFileListBox1DblClick();
  // "vellumo FILE": the tree and the list walk to the folder of Path, the
  // list selects the file where it lists it (the preview follows), and the
  // file is opened as the double click opens the selected one; a file that
  // cannot be loaded fails with the reader's message and the browser stays.
  // ASSUMPTION: Path is absolute (the list moves the current folder).
  void OpenFile(const QString& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The description, one builder per component or pair of sizing panels:
  // each makes its components with all the description sets on them.
  void BuildSizePanels();
  void BuildRzDirectoryTree1(std::unique_ptr<TVolumeSource> volumes);
  void BuildRzFileListBox1();
  void BuildImage1();
  void BuildSB();
  // The left side and the preview above the status bar.
  void PlaceChildren();
  // The double click's work: the picture at Path becomes the composition's
  // background, and the composition and the panel take the browser's place.
  void OpenPicture(const QString& path);
  // The selected picture file is previewed and described in the status
  // bar, which changes only after the preview has its pixels.
  void PreviewSelectedFile();

  QTimer selectionTimer_;
};

extern TForm4* Form4;
