#include "forms/Unit4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4()
    : TForm(QStringLiteral("Загрузить картинку...(JPG;BMP)"), Qt::Window),
      RzDirectoryTree1(new TRzDirectoryTree(this)),
      RzFileListBox1(new TRzFileListBox(this)) {
  SetClientBounds(135, 132, 610, 375);
  RzDirectoryTree1->FileList = RzFileListBox1;
}
