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

  // Windowless components, each painted by its host widget beneath the
  // Qt children: the hatched backgrounds of page "Шрифт 3D" (LMDFill4) and
  // of its boxes, and the fill preview.
  TLMDFill LMDFill1;
  TLMDFill LMDFill2;
  TLMDFill LMDFill3;
  TLMDFill LMDFill4;
  TLMDFill Im1;

  // Components, in the description's order, each inside the one before it
  // that holds it.
  TPageControl* const PageControl1;
  TFilledHost* const TabSheet1;
  QGroupBox* const GroupBox3;
  TLMDFontComboBox* const FCB1;
  TLMDColorComboBox* const LMDColorComboBox1;
  TRzBmpButton* const RzBmpButton7;
  QCheckBox* const CheckBox1;
  TLMDCheckGroup* const AttrBox;
  TLMDExtSpinEdit* const SE6;
  QGroupBox* const GroupBox4;
  QComboBox* const LMDComboBox1;
  TLMDExtSpinEdit* const LMDExtSpinEdit1;
  TLMDExtSpinEdit* const LMDExtSpinEdit3;
  TLMDExtSpinEdit* const LMDExtSpinEdit2;
  TLMDExtSpinEdit* const LMDExtSpinEdit4;
  QGroupBox* const GroupBox1;
  TLMDColorComboBox* const CCB1;
  TRzBmpButton* const RzBmpButton1;
  TLMDColorComboBox* const CCB2;
  TRzBmpButton* const RzBmpButton2;
  TRadioGroup* const RG1;
  THostWidget* const TabSheet2;
  TRadioGroup* const RG2;
  TLMDColorComboBox* const CCB6;
  TRzBmpButton* const RzBmpButton8;
  TPageControl* const PageControl2;
  QWidget* const Bit;
  QFrame* const P2;
  TRzBmpButton* const RzBmpButton3;
  QComboBox* const ComboBox1;
  QWidget* const Bru;
  QFrame* const P3;
  TLMDColorComboBox* const CCB3;
  TRzBmpButton* const RzBmpButton4;
  QComboBox* const ComboBox2;
  QWidget* const Gra;
  TLMDColorListBox* const CLB;
  QPushButton* const Button1;
  QPushButton* const Button2;
  QComboBox* const LMDComboBox2;
  TLMDExtSpinEdit* const LMDExtSpinEdit5;
  QWidget* const TabSheet7;
  QPlainTextEdit* const Memo1;
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
  // The rest of the description: the labels beside the components, the
  // hatched hosts inside the boxes, the windowless components' settings,
  // the tooltips and the start pages.
  void Describe();
  // Each control's event to its handler.
  void Connect();
  void FormCreate();
};

extern TForm1* Form1;
