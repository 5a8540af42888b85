#pragma once
#include <QString>
#include <cstdint>

#include "controls/ColorDialog.h"
#include "render/fill/LMDFill.h"
#include "toolkit/window/Form.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TFilledHost;
class THostWidget;
class TLMDCheckGroup;
class TLMDColorComboBox;
class TLMDColorListBox;
class TLMDExtSpinEdit;
class TLMDFontComboBox;
class TPageControl;
class TRadioGroup;
class TRzBmpButton;

// The control panel: a small stay-on-top tool window whose pages set the
// composition label's font, 3D effect, fill and text. Each control's
// handler writes one property of the label Form2->L1 (fill settings also
// of the panel's own fill preview Im1) through its setter; the panel keeps
// no settings of its own.
class TForm1 : public TForm {
 public:
  TForm1();

  // The width of the panel's face, in per cent of the window face's own.
  static constexpr int kPanelStretch = 95;

  // Windowless components, each painted by its host widget beneath the
  // Qt children: the hatched backgrounds of page "Шрифт 3D" (LMDFill4) and
  // of its boxes, and the fill preview.
  TLMDFill LMDFill1;
  TLMDFill LMDFill2;
  TLMDFill LMDFill3;
  TLMDFill LMDFill4;
  TLMDFill Im1;

  // Components, in the description's order, each inside the one before it
  // that holds it; made by the builders below.
  TPageControl* PageControl1 = nullptr;
  TFilledHost* TabSheet1 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  TLMDFontComboBox* FCB1 = nullptr;
  TLMDColorComboBox* LMDColorComboBox1 = nullptr;
  TRzBmpButton* RzBmpButton7 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  TLMDCheckGroup* AttrBox = nullptr;
  TLMDExtSpinEdit* SE6 = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QComboBox* LMDComboBox1 = nullptr;
  TLMDExtSpinEdit* LMDExtSpinEdit1 = nullptr;
  TLMDExtSpinEdit* LMDExtSpinEdit3 = nullptr;
  TLMDExtSpinEdit* LMDExtSpinEdit2 = nullptr;
  TLMDExtSpinEdit* LMDExtSpinEdit4 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  TLMDColorComboBox* CCB1 = nullptr;
  TRzBmpButton* RzBmpButton1 = nullptr;
  TLMDColorComboBox* CCB2 = nullptr;
  TRzBmpButton* RzBmpButton2 = nullptr;
  TRadioGroup* RG1 = nullptr;
  THostWidget* TabSheet2 = nullptr;
  TRadioGroup* RG2 = nullptr;
  TLMDColorComboBox* CCB6 = nullptr;
  TRzBmpButton* RzBmpButton8 = nullptr;
  TPageControl* PageControl2 = nullptr;
  QWidget* Bit = nullptr;
  QFrame* P2 = nullptr;
  TRzBmpButton* RzBmpButton3 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QWidget* Bru = nullptr;
  QFrame* P3 = nullptr;
  TLMDColorComboBox* CCB3 = nullptr;
  TRzBmpButton* RzBmpButton4 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QWidget* Gra = nullptr;
  TLMDColorListBox* CLB = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QComboBox* LMDComboBox2 = nullptr;
  TLMDExtSpinEdit* LMDExtSpinEdit5 = nullptr;
  QWidget* TabSheet7 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  // The picture dialog's filter, and the colour dialog of "+", which keeps
  // its colour and custom colours between runs.
  const QString OPD1Filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
  TColorDialog CD;

  // Page "Шрифт 3D".
  void FCB1Select();
  void SE6Change();
  void LMDColorComboBox1Change();
  void RzBmpButton7Click();
  void AttrBoxClick();
  void CheckBox1Click();
  void LMDComboBox1Change();
  void LMDExtSpinEdit1Change();
  void LMDExtSpinEdit3Change();
  void LMDExtSpinEdit2Change();
  void LMDExtSpinEdit4Change();
  void CCB1Change();
  void CCB2Change();
  void RzBmpButton1Click();
  void RzBmpButton2Click();
  void RG1Click();
  // Page "Заливка".
  void RG2Click();
  void PageControl2Change();
  void RzBmpButton3Click();
  void ComboBox1Change();
  void CCB3Change();
  void RzBmpButton4Click();
  void ComboBox2Change();
  void Button1Click();
  void Button2Click();
  void LMDComboBox2Change();
  void LMDExtSpinEdit5Change();
  void CCB6Change();
  void RzBmpButton8Click();
  // Page "Текст".
  void Memo1Change();

 protected:
  void FormShow() override;
  bool UserMayClose() const override { return false; }

 private:
  // The description, one builder per page or box: each makes its
  // components with all the description sets on them (place, caption,
  // items, hint, font, options) and the labels beside them.
  void BuildFontPage();
  void BuildFontBox();
  void BuildVolumeBox();
  void BuildColorBox();
  void BuildDirectionGroup();
  void BuildFillPage();
  void BuildPictureSubPage();
  void BuildBrushSubPage();
  void BuildGradientSubPage();
  void BuildPreview();
  void BuildTextPage();
  // Each control's event to its handler.
  void Connect();
  void FormCreate();
};

extern TForm1* Form1;
