#pragma once
#include <array>

#include "filesys/RzDirectoryTree.h"
#include "filesys/RzFileListBox.h"
#include "filesys/SystemVolumes.h"
#include "toolkit/window/Form.h"
#include "toolkit/window/Image.h"
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
  // The previewed picture.
  TImage Image1;

  // The list's selection changed: a BMP or JPEG file is previewed and
  // described in the status bar, which changes only after a good load.
  void RzFileListBox1Change();
  // The selected file becomes the composition's background; the
  // composition window and the control panel take the browser's place.
  void RzFileListBox1DblClick();

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
};

extern TForm4* Form4;
