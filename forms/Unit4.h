#pragma once
#include "filesys/RzFilSys.h"
#include "toolkit/window/Form.h"

// The picture browser, the program's main window: a folder tree and, under
// it, the list of the pictures in the selected folder; a preview of the
// selected picture and a status bar with its path, size and dimensions. A
// double click on a file hands the picture to the composition window.
class TForm4 : public TForm {
 public:
  TForm4();

  TRzDirectoryTree* const RzDirectoryTree1;
  TRzFileListBox* const RzFileListBox1;
};

extern TForm4* Form4;
