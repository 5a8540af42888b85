#pragma once
// The browser shown on a folder of the test's, and what its tests look at:
// the listed names, clicks on them, the status panels, pictures written
// for the occasion.
#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "forms/Unit4.h"
#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "support/widget/ProgramTestSupport.h"

class BrowserTest : public ProgramTest {
 protected:
  void SetUp() override {
    Form4->show();
    Form4->RzFileListBox1->SetFolder(Dir.path());
  }

  QString Path(const QString& name) const { return Dir.filePath(name); }
  int Row(const QString& name) const {
    const std::vector<TRzFileInfo>& items = Form4->RzFileListBox1->Items();
    for (size_t i = 0; i < items.size(); ++i)
      if (items[i].Name == name) return static_cast<int>(i);
    return -1;
  }
  QPoint ItemCentre(int row) const {
    return Form4->RzFileListBox1->visualRect(Form4->RzFileListBox1->model()->index(row, 0)).center();
  }
  // Clicks the listed file; the list must show it.
  void Click(const QString& name) const {
    const int row = Row(name);
    ASSERT_GE(row, 0) << name.toStdString() << " is not listed";
    QTest::mouseClick(Form4->RzFileListBox1->viewport(), Qt::LeftButton, {}, ItemCentre(row));
  }
  static QString Panels() {
    return Form4->SBPanels[0]->text() + '|' + Form4->SBPanels[1]->text() + '|' + Form4->SBPanels[2]->text();
  }
  // A JPEG of the test picture, padded with zeros after its end to Size
  // bytes when Size is given.
  QString WriteJpeg(const QString& name, int32_t width, int32_t height, qint64 size = 0) const {
    TJPEGImage jpeg;
    jpeg.Assign(TBitmap(TestPicture(width, height)));
    jpeg.SaveToFile(Path(name));
    if (size > 0) QFile::resize(Path(name), size);
    return Path(name);
  }
  QString WriteBmp(const QString& name, int32_t width, int32_t height) const {
    return WriteTestPicture(Path(name), width, height);
  }
};
