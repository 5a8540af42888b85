#include "forms/Unit1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "controls/LMDColorComboBox.h"
#include "controls/LMDColorListBox.h"
#include "forms/Unit1Layout.h"
#include "forms/Unit2.h"
#include "render/PanelChoices.h"
#include "toolkit/window/ButtonGroups.h"
#include "toolkit/window/Dialogs.h"
#include "toolkit/window/FilledHost.h"
#include "toolkit/window/LMDExtSpinEdit.h"
#include "toolkit/window/LMDFontComboBox.h"
#include "toolkit/window/PageControl.h"
#include "toolkit/window/RzBmpButton.h"

TForm1* Form1 = nullptr;

namespace {

// A panel that fills its sub-page, with the raised edge of the toolkit's panels.
QFrame* NewPanel(QWidget* page, const char* name) {
  QFrame* panel = Named(new QFrame(page), name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QVBoxLayout* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
  return panel;
}

// The memo's text as the platform's edit control holds it: lines joined by
// CR LF, a line end after the last line only where the user typed one.
// The raw text keeps what plain text would change (no-break spaces).
QString MemoText(const QPlainTextEdit& memo) {
  QString text = memo.document()->toRawText();
  text.replace(QChar(QChar::ParagraphSeparator), QStringLiteral("\r\n"));
  text.replace(QChar(QChar::LineSeparator), QStringLiteral("\r\n"));
  return text;
}

TLMDLabelFill& L1() { return Form2->L1; }

}  // namespace

TForm1::TForm1()
    : TForm(QStringLiteral("Vellumo v2.0 (Prof)"),
            Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  SetClientBounds(223, 304, 464, 178);
  // A tool window's frame cannot be sized.
  setFixedSize(size());
  // The widest brush style, "Горизонтальная", needs 82 pixels in the
  // window's face; the brush style combo's field gives it 80. The panel's
  // face is narrowed to 95 % of its width, for this window only.
  QFont narrowed = font();
  narrowed.setStretch(kPanelStretch);
  setFont(narrowed);
  PageControl1 = Placed(new TPageControl(this), "PageControl1", QRect(0, 0, 464, 178));
  BuildFontPage();
  BuildFillPage();
  BuildTextPage();
  Connect();
  FormCreate();
}

// Page "Шрифт 3D": a yellow hatching under three boxes.
void TForm1::BuildFontPage() {
  DescribeHatch(LMDFill4);
  TabSheet1 = Named(new TFilledHost(PageControl1, LMDFill4), "TabSheet1");
  PageControl1->addTab(TabSheet1, QStringLiteral("Шрифт 3D"));
  BuildFontBox();
  BuildVolumeBox();
  BuildDirectionGroup();
}

void TForm1::BuildFontBox() {
  GroupBox3 = NewGroupBox(TabSheet1, "GroupBox3", QStringLiteral("Шрифт"), {8, 2, 153, 149});
  AddHatch(GroupBox3, LMDFill1);
  FCB1 = Placed(new TLMDFontComboBox(GroupBox3), "FCB1", {10, 18, 123, 21});
  LMDColorComboBox1 = NewColorComboBox(GroupBox3, "LMDColorComboBox1", {10, 40, 123, 21}, csColor3DText);
  RzBmpButton7 = NewDialogButton(GroupBox3, "RzBmpButton7", {135, 44});
  CheckBox1 = Placed(new QCheckBox(QStringLiteral("Рамка"), GroupBox3), "CheckBox1", {94, 74, 55, 17});
  CheckBox1->setAutoFillBackground(true);
  AttrBox = Placed(new TLMDCheckGroup(GroupBox3, QStringLiteral("Шрифт"),
                                      {QStringLiteral("Жирный"), QStringLiteral("Наклон"), QStringLiteral("Подчеркн")}, 15),
                   "AttrBox", {4, 72, 87, 67});
  SetCaptionFamily(AttrBox, QStringLiteral("Courier New"));
  SE6 = NewSpinEdit(GroupBox3, "SE6", {98, 116}, 0, 100, 1);
  SE6->setToolTip(QStringLiteral("Размер шрифта"));
}

void TForm1::BuildVolumeBox() {
  GroupBox4 = NewGroupBox(TabSheet1, "GroupBox4", QStringLiteral("Объем"), {166, 2, 185, 149});
  AddHatch(GroupBox4, LMDFill2);
  LMDComboBox1 = NewChoiceComboBox(GroupBox4, "LMDComboBox1", {44, 16, 129, 21}, StyleChoices, QStringLiteral("None"));
  LMDComboBox1->setToolTip(QStringLiteral("Эффекты объема"));
  LMDExtSpinEdit1 = NewSpinEdit(GroupBox4, "LMDExtSpinEdit1", {44, 40}, 0, 100, 1);
  LMDExtSpinEdit3 = NewSpinEdit(GroupBox4, "LMDExtSpinEdit3", {124, 40}, 0, 100, 1);
  LMDExtSpinEdit2 = NewSpinEdit(GroupBox4, "LMDExtSpinEdit2", {44, 66}, -360, 360, 0);
  LMDExtSpinEdit2->setToolTip(QStringLiteral("Поворот"));
  LMDExtSpinEdit4 = NewSpinEdit(GroupBox4, "LMDExtSpinEdit4", {124, 68}, -20, 100, 0);
  LMDExtSpinEdit4->setToolTip(QStringLiteral("Растянуть надпись"));
  BuildColorBox();
  AddLabel(GroupBox4, QStringLiteral("Стиль"), {8, 19});
  AddLabel(GroupBox4, QStringLiteral("Свет"), {8, 43});
  AddLabel(GroupBox4, QStringLiteral("Тень"), {96, 43});
  AddLabel(GroupBox4, QStringLiteral("Угол"), {8, 69});
  AddLabel(GroupBox4, QStringLiteral("<---->"), {96, 71});
}

void TForm1::BuildColorBox() {
  GroupBox1 = NewGroupBox(GroupBox4, "GroupBox1", QStringLiteral("Цвет"), {2, 86, 181, 61});
  AddHatch(GroupBox1, LMDFill3);
  CCB1 = NewColorComboBox(GroupBox1, "CCB1", {36, 15, 111, 21}, csColor3DText);
  RzBmpButton1 = NewDialogButton(GroupBox1, "RzBmpButton1", {150, 20});
  CCB2 = NewColorComboBox(GroupBox1, "CCB2", {36, 37, 111, 21}, csColor3DText);
  RzBmpButton2 = NewDialogButton(GroupBox1, "RzBmpButton2", {150, 42});
  AddLabel(GroupBox1, QStringLiteral("Свет"), {8, 19});
  AddLabel(GroupBox1, QStringLiteral("Тень"), {8, 41});
}

void TForm1::BuildDirectionGroup() {
  RG1 = Placed(new TRadioGroup(TabSheet1, QStringLiteral("Тень"), TextsOf(DirectionChoices)), "RG1", {354, 6, 95, 117});
  SetCaptionFamily(RG1, QStringLiteral("Courier New"));
  RG1->setAutoFillBackground(true);
  RG1->setEnabled(false);
}

// Page "Заливка", the page shown first, with its sub-page "Градиент".
void TForm1::BuildFillPage() {
  TabSheet2 = Named(new THostWidget(PageControl1), "TabSheet2");
  PageControl1->addTab(TabSheet2, QStringLiteral("Заливка"));
  PageControl1->SetActivePage(TabSheet2);
  RG2 = Placed(new TRadioGroup(TabSheet2, QStringLiteral("Эффекты"), TextsOf(FillChoices)), "RG2", {2, 4, 81, 95});
  CCB6 = NewColorComboBox(TabSheet2, "CCB6", {8, 122, 69, 21}, csColorText);
  CCB6->setToolTip(QStringLiteral("Цвет края заливки"));
  RzBmpButton8 = NewDialogButton(TabSheet2, "RzBmpButton8", {79, 126});
  PageControl2 = Placed(new TPageControl(TabSheet2), "PageControl2", {96, 0, 177, 150});
  BuildPictureSubPage();
  BuildBrushSubPage();
  BuildGradientSubPage();
  PageControl2->SetActivePage(Gra);
  AddLabel(TabSheet2, QStringLiteral("Край заливки"), {6, 106});
  BuildPreview();
}

void TForm1::BuildPictureSubPage() {
  Bit = Named(new QWidget(PageControl2), "Bit");
  PageControl2->addTab(Bit, QStringLiteral("Картинка"));
  P2 = NewPanel(Bit, "P2");
  RzBmpButton3 = Placed(new TRzBmpButton(P2, TRzBmpButton::bgPicture), "RzBmpButton3", {113, 16, 25, 21});
  RzBmpButton3->setToolTip(QStringLiteral("Выбрать картинку"));
  ComboBox1 = NewChoiceComboBox(P2, "ComboBox1", {46, 62, 83, 21}, TileChoices, QStringLiteral("Оригинал"));
  AddLabel(P2, QStringLiteral("Выбрать картинку"), {8, 20});
  AddLabel(P2, QStringLiteral("Стиль"), {8, 65});
}

void TForm1::BuildBrushSubPage() {
  Bru = Named(new QWidget(PageControl2), "Bru");
  PageControl2->addTab(Bru, QStringLiteral("Заливка"));
  P3 = NewPanel(Bru, "P3");
  CCB3 = NewColorComboBox(P3, "CCB3", {6, 24, 91, 21}, csColor3DText);
  RzBmpButton4 = NewDialogButton(P3, "RzBmpButton4", {99, 29});
  ComboBox2 = NewChoiceComboBox(P3, "ComboBox2", {8, 76, 107, 21}, BrushStyleChoices, QStringLiteral("Сплошная"));
  AddLabel(P3, QStringLiteral("Цвет"), {8, 8});
  AddLabel(P3, QStringLiteral("Стиль"), {8, 60});
}

void TForm1::BuildGradientSubPage() {
  Gra = Named(new QWidget(PageControl2), "Gra");
  PageControl2->addTab(Gra, QStringLiteral("Градиент"));
  CLB = Placed(new TLMDColorListBox(Gra, ColorCBOptionBit(coAllowAnyColor)), "CLB", {8, 8, 111, 43});
  CLB->SetItemHeight(16);
  Button1 = Placed(new QPushButton(QStringLiteral("+"), Gra), "Button1", {124, 8, 21, 19});
  Button1->setToolTip(QStringLiteral("Добавить цвет"));
  Button2 = Placed(new QPushButton(QStringLiteral("-"), Gra), "Button2", {124, 30, 21, 19});
  Button2->setToolTip(QStringLiteral("Удалить цвет"));
  QFont minus = Button2->font();
  minus.setPixelSize(19);
  minus.setBold(true);
  Button2->setFont(minus);
  LMDComboBox2 =
      NewChoiceComboBox(Gra, "LMDComboBox2", {46, 68, 103, 21}, GradientStyleChoices, QStringLiteral("Вертикаль"));
  LMDExtSpinEdit5 = NewSpinEdit(Gra, "LMDExtSpinEdit5", {100, 90}, 0, 100, 16);
  AddLabel(Gra, QStringLiteral("Стиль"), {8, 71});
  AddLabel(Gra, QStringLiteral("Колич. цветов"), {8, 94});
}

// The fill preview: the fill settings on a swatch of its own.
void TForm1::BuildPreview() {
  Im1.SetBounds(280, 2, 171, 145);
  Im1.SetColor(clBtnFace);
  Im1.Bevel().SetMode(bmCustom);
  Im1.FillObject().SetStyle(sfNone);
  Im1.FillObject().SetTileMode(tmNone);
  Im1.FillObject().Gradient().SetTwoColors(false);
  Im1.SetParent(TabSheet2);
}

void TForm1::BuildTextPage() {
  TabSheet7 = Named(new QWidget(PageControl1), "TabSheet7");
  PageControl1->addTab(TabSheet7, QStringLiteral("Текст"));
  Memo1 = Placed(new QPlainTextEdit(QStringLiteral("Текстъ!"), TabSheet7), "Memo1", {16, 6, 427, 138});
}

void TForm1::Connect() {
  FCB1->OnSelect = [this] { FCB1Select(); };
  SE6->OnChange = [this] { SE6Change(); };
  LMDColorComboBox1->OnChange = [this](QWidget*) { LMDColorComboBox1Change(); };
  connect(RzBmpButton7, &QAbstractButton::clicked, this, [this] { RzBmpButton7Click(); });
  AttrBox->OnClick = [this] { AttrBoxClick(); };
  connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
  connect(LMDComboBox1, &QComboBox::editTextChanged, this, [this] { LMDComboBox1Change(); });
  LMDExtSpinEdit1->OnChange = [this] { LMDExtSpinEdit1Change(); };
  LMDExtSpinEdit3->OnChange = [this] { LMDExtSpinEdit3Change(); };
  LMDExtSpinEdit2->OnChange = [this] { LMDExtSpinEdit2Change(); };
  LMDExtSpinEdit4->OnChange = [this] { LMDExtSpinEdit4Change(); };
  CCB1->OnChange = [this](QWidget*) { CCB1Change(); };
  CCB2->OnChange = [this](QWidget*) { CCB2Change(); };
  connect(RzBmpButton1, &QAbstractButton::clicked, this, [this] { RzBmpButton1Click(); });
  connect(RzBmpButton2, &QAbstractButton::clicked, this, [this] { RzBmpButton2Click(); });
  RG1->OnClick = [this] { RG1Click(); };

  RG2->OnChange = [this] { RG2Click(); };
  PageControl2->OnChange = [this] { PageControl2Change(); };
  connect(RzBmpButton3, &QAbstractButton::clicked, this, [this] { RzBmpButton3Click(); });
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this] { ComboBox1Change(); });
  CCB3->OnChange = [this](QWidget*) { CCB3Change(); };
  connect(RzBmpButton4, &QAbstractButton::clicked, this, [this] { RzBmpButton4Click(); });
  connect(ComboBox2, &QComboBox::editTextChanged, this, [this] { ComboBox2Change(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(LMDComboBox2, &QComboBox::editTextChanged, this, [this] { LMDComboBox2Change(); });
  LMDExtSpinEdit5->OnChange = [this] { LMDExtSpinEdit5Change(); };
  CCB6->OnChange = [this](QWidget*) { CCB6Change(); };
  connect(RzBmpButton8, &QAbstractButton::clicked, this, [this] { RzBmpButton8Click(); });

  connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { Memo1Change(); });
}

void TForm1::FormCreate() {
  // Each select reaches the label through the combo's change handler,
  // with the label's own values.
  CCB1->SelectColor(clBtnHighlight);
  CCB2->SelectColor(clBtnShadow);
  LMDExtSpinEdit2->setValue(1);
  LMDExtSpinEdit4->setValue(1);
  LMDExtSpinEdit2->setValue(0);
  LMDExtSpinEdit4->setValue(0);
  CCB6->SelectColor(clBtnFace);
  TLMDGradient& gradient = Im1.FillObject().Gradient();
  for (const TColor color : {clBlue, clBlack}) {
    CLB->AddItem(ColorToString(color));
    gradient.ColorList().push_back(color);
  }
  gradient.SetColorCount(gradient.ColorCount() + 1);
}

void TForm1::FormShow() {
  FCB1->SelectFontName(L1().Font().Name());
  SE6->setValue(L1().Font().Size());
  LMDColorComboBox1->SelectColor(L1().Font().Color());
  // RG1 changes silently; RG2 runs its handler when the selection changes.
  RG1->SetItemIndex(0);
  RG2->SetItemIndex(0);
  L1().FillObject().CopyFrom(&Im1.FillObject());
}

// Page "Шрифт 3D"

void TForm1::FCB1Select() { L1().Font().SetName(FCB1->currentText()); }

void TForm1::SE6Change() {
  if (const std::optional<int32_t> size = SE6->IntValue()) L1().Font().SetSize(*size);
}

void TForm1::LMDColorComboBox1Change() { L1().Font().SetColor(LMDColorComboBox1->SelectedColor()); }

void TForm1::RzBmpButton7Click() { LMDColorComboBox1->ExecuteDialog(); }

void TForm1::AttrBoxClick() {
  const uint32_t checked = AttrBox->Value();
  TFontStyles style = 0;
  if (checked & 1u) style |= FontStyleBit(fsBold);
  if (checked & 2u) style |= FontStyleBit(fsItalic);
  if (checked & 4u) style |= FontStyleBit(fsUnderline);
  L1().Font().SetStyle(style);
}

void TForm1::CheckBox1Click() { L1().Bevel().SetMode(CheckBox1->isChecked() ? bmEdge : bmCustom); }

void TForm1::LMDComboBox1Change() {
  const QString text = LMDComboBox1->currentText();
  if (const TChoice* style = StyleChoices.FindText(text)) L1().FontFX().SetStyle(TLMDThreeDStyle(style->Value));
  // Only the extrusions recede in a direction.
  RG1->setEnabled(text == QLatin1String("Extrude") || text == QLatin1String("ExtrudeEnh"));
}

void TForm1::LMDExtSpinEdit1Change() {
  if (const std::optional<int32_t> depth = LMDExtSpinEdit1->IntValue()) L1().FontFX().SetLightDepth(uint8_t(*depth));
}

void TForm1::LMDExtSpinEdit3Change() {
  if (const std::optional<int32_t> depth = LMDExtSpinEdit3->IntValue()) L1().FontFX().SetShadowDepth(uint8_t(*depth));
}

void TForm1::LMDExtSpinEdit2Change() {
  // The angle is 16 bits wide: -90 arrives as 65446.
  if (const std::optional<int32_t> angle = LMDExtSpinEdit2->IntValue()) L1().FontFX().SetAngle(TLMDAngle(*angle));
}

void TForm1::LMDExtSpinEdit4Change() {
  if (const std::optional<int32_t> tracing = LMDExtSpinEdit4->IntValue()) L1().FontFX().SetTracing(*tracing);
}

void TForm1::CCB1Change() { L1().FontFX().SetLightColor(CCB1->SelectedColor()); }

void TForm1::CCB2Change() { L1().FontFX().SetShadowColor(CCB2->SelectedColor()); }

void TForm1::RzBmpButton1Click() { CCB1->ExecuteDialog(); }

void TForm1::RzBmpButton2Click() { CCB2->ExecuteDialog(); }

void TForm1::RG1Click() {
  L1().FontFX().SetOrientation(TLMDThreeDOrientation(DirectionChoices.Items[RG1->ItemIndex()].Value));
}

// Page "Заливка"

void TForm1::RG2Click() {
  L1().FillObject().SetStyle(TLMDFillStyle(FillChoices.Items[RG2->ItemIndex()].Value));
  Im1.FillObject().SetStyle(L1().FillObject().Style());
}

void TForm1::PageControl2Change() {
  QWidget* const page = PageControl2->currentWidget();
  Im1.FillObject().SetStyle(page == Bit ? sfBitmap : page == Bru ? sfBrush : sfGradient);
}

void TForm1::RzBmpButton3Click() {
  const QString file = Dialogs().ExecuteOpenPictureDialog(this, OPD1Filter);
  if (file.isEmpty()) return;
  // Read once, as BMP whatever the name; a file that fails changes neither
  // picture.
  TBitmap picture;
  picture.LoadFromFile(file);
  Im1.FillObject().SetBitmap(picture);
  L1().FillObject().SetBitmap(picture);
  ComboBox1Change();
}

void TForm1::ComboBox1Change() {
  L1().FillObject().SetStyle(sfBitmap);
  if (const TChoice* tile = TileChoices.FindText(ComboBox1->currentText())) {
    Im1.FillObject().SetTileMode(TLMDTileMode(tile->Value));
    L1().FillObject().SetTileMode(TLMDTileMode(tile->Value));
  }
}

void TForm1::CCB3Change() {
  Im1.FillObject().Brush().SetColor(CCB3->SelectedColor());
  L1().FillObject().Brush().SetColor(CCB3->SelectedColor());
}

void TForm1::RzBmpButton4Click() { CCB3->ExecuteDialog(); }

void TForm1::ComboBox2Change() {
  L1().FillObject().SetStyle(sfBrush);
  TBrush& preview = Im1.FillObject().Brush();
  if (const TChoice* style = BrushStyleChoices.FindText(ComboBox2->currentText()))
    preview.SetStyle(TBrushStyle(style->Value));
  TBrush& label = L1().FillObject().Brush();
  label.SetStyle(preview.Style());
  label.SetColor(preview.Color());
}

void TForm1::Button1Click() {
  if (!CD.Execute(this)) return;
  CLB->AddItem(ColorToString(CD.Color()));
  TLMDGradient& gradient = Im1.FillObject().Gradient();
  gradient.ColorList().push_back(CD.Color());
  Im1.Repaint();
  // Editing the list shows only at the gradient's next change.
  gradient.SetColorCount(gradient.ColorCount() + 1);
  L1().FillObject().CopyFrom(&Im1.FillObject());
}

void TForm1::Button2Click() {
  // The entry at the list box's selected line goes from both gradients,
  // so the three lists stay parallel when a colour stands in them twice.
  const int32_t selected = CLB->ItemIndex();
  for (TLMDGradient* gradient : {&L1().FillObject().Gradient(), &Im1.FillObject().Gradient()}) {
    std::vector<TColor>& colors = gradient->ColorList();
    if (selected >= 0 && selected < static_cast<int32_t>(colors.size())) colors.erase(colors.begin() + selected);
    gradient->SetColorCount(gradient->ColorCount() + 1);
  }
  if (selected >= 0) CLB->DeleteItem(selected);
  L1().Repaint();
  Im1.Repaint();
}

void TForm1::LMDComboBox2Change() {
  TLMDGradient& preview = Im1.FillObject().Gradient();
  if (const TChoice* style = GradientStyleChoices.FindText(LMDComboBox2->currentText()))
    preview.SetStyle(TLMDGradientStyle(style->Value));
  L1().FillObject().Gradient().SetStyle(preview.Style());
}

void TForm1::LMDExtSpinEdit5Change() {
  if (const std::optional<int32_t> count = LMDExtSpinEdit5->IntValue()) {
    Im1.FillObject().Gradient().SetColorCount(*count);
    L1().FillObject().Gradient().SetColorCount(*count);
  }
}

void TForm1::CCB6Change() {
  L1().SetBrushBackColor(CCB6->SelectedColor());
  L1().SetTransparent(true);
}

void TForm1::RzBmpButton8Click() { CCB6->ExecuteDialog(); }

// Page "Текст"

void TForm1::Memo1Change() { L1().SetCaption(MemoText(*Memo1)); }
