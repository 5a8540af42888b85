// Page "Заливка": what each control writes into the preview's fill and the
// label's, and in which order they hear of it.
#include "forms/Unit1TestSupport.h"

namespace {

const QString L = QStringLiteral("L1.FillObject");
const QString P = QStringLiteral("Im1.FillObject");

class FillPageTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    Watch();
  }
};

struct EffectCase {
  int32_t Item;
  TLMDFillStyle Style;
};

class EffectGroup : public FillPageTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(EffectGroup, TheLabelsStyleThenThePreviewTakesIt) {
  QTest::mouseClick(Form1->RG2->Button(GetParam().Item), Qt::LeftButton);
  EXPECT_EQ(LabelFill().Style(), GetParam().Style);
  EXPECT_EQ(Preview().Style(), GetParam().Style);
  EXPECT_EQ(Log, (QStringList{L, P}));
}

INSTANTIATE_TEST_SUITE_P(Items, EffectGroup,
                         ::testing::Values(EffectCase{1, sfBrush}, EffectCase{2, sfBitmap}, EffectCase{3, sfGradient}));

struct SubPageCase {
  int32_t Tab;
  bool ByKeyboard;
  TLMDFillStyle Style;
};

class SubPages : public FillPageTest, public ::testing::WithParamInterface<SubPageCase> {};

TEST_P(SubPages, TurningThePageSetsThePreviewOnly) {
  const SubPageCase& c = GetParam();
  QTabBar* tabs = Form1->PageControl2->tabBar();
  if (c.ByKeyboard) {
    tabs->setFocus();
    for (int32_t tab = 2; tab > c.Tab; --tab) QTest::keyClick(tabs, Qt::Key_Left);
  } else {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(c.Tab).center());
  }
  EXPECT_EQ(Preview().Style(), c.Style);
  EXPECT_EQ(LabelFill().Style(), sfNone);
  EXPECT_FALSE(Log.contains(L));
}

INSTANTIATE_TEST_SUITE_P(Tabs, SubPages,
                         ::testing::Values(SubPageCase{0, false, sfBitmap}, SubPageCase{1, true, sfBrush}));

// One entry of a fill combo box: chosen from its list, or typed, after the
// item of index Before.
struct ComboCase {
  const char* Combo;
  const char* Text;
  bool Typed;
  int32_t Before;
  std::function<uint8_t(TLMDFillObject&)> Read;
  uint8_t Value;  // Before's when the text names none
  TLMDFillStyle LabelStyle;
  QStringList Order;
};

uint8_t TileOf(TLMDFillObject& fill) { return fill.TileMode(); }
uint8_t BrushOf(TLMDFillObject& fill) { return fill.Brush().Style(); }
uint8_t GeometryOf(TLMDFillObject& fill) { return fill.Gradient().Style(); }

class FillCombos : public FillPageTest, public ::testing::WithParamInterface<ComboCase> {};

TEST_P(FillCombos, PreviewFirstThenTheLabel) {
  const ComboCase& c = GetParam();
  auto* combo = Form1->findChild<QComboBox*>(QString::fromLatin1(c.Combo));
  combo->setCurrentIndex(c.Before);
  LabelFill().SetStyle(sfNone);
  Log.clear();
  const QString text = QString::fromUtf8(c.Text);
  if (c.Typed)
    Type(combo, text);
  else
    combo->setCurrentIndex(combo->findText(text));
  EXPECT_EQ(c.Read(Preview()), c.Value);
  EXPECT_EQ(c.Read(LabelFill()), c.Value);
  EXPECT_EQ(LabelFill().Style(), c.LabelStyle);
  EXPECT_EQ(Log, c.Order);
}

INSTANTIATE_TEST_SUITE_P(
    Tiles, FillCombos,
    ::testing::Values(ComboCase{"ComboBox1", "Оригинал", false, 1, TileOf, tmNone, sfBitmap, {L, P, L}},
                      ComboCase{"ComboBox1", "Центр", false, 0, TileOf, tmCenter, sfBitmap, {L, P, L}},
                      ComboCase{"ComboBox1", "Растянуть", false, 1, TileOf, tmStretch, sfBitmap, {L, P, L}},
                      ComboCase{"ComboBox1", "Черепица", false, 1, TileOf, tmTile, sfBitmap, {L, P, L}},
                      ComboCase{"ComboBox1", "черепица", true, 1, TileOf, tmCenter, sfBitmap, {L}}));

INSTANTIATE_TEST_SUITE_P(
    Brushes, FillCombos,
    ::testing::Values(ComboCase{"ComboBox2", "Сплошная", false, 1, BrushOf, bsSolid, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Горизонтальная", false, 0, BrushOf, bsHorizontal, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Вертикальная", false, 1, BrushOf, bsVertical, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Диагональная1", false, 1, BrushOf, bsBDiagonal, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Диагональная2", false, 1, BrushOf, bsFDiagonal, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Клетка", false, 1, BrushOf, bsCross, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Клетка диаг", false, 1, BrushOf, bsDiagCross, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Прозрачная", false, 1, BrushOf, bsClear, sfBrush, {L, P, L}},
                      ComboCase{"ComboBox2", "Косая", true, 1, BrushOf, bsHorizontal, sfBrush, {L}}));

INSTANTIATE_TEST_SUITE_P(
    Gradients, FillCombos,
    ::testing::Values(ComboCase{"LMDComboBox2", "Горизонт", false, 1, GeometryOf, gstHorizontal, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Вертикаль", false, 0, GeometryOf, gstVertical, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Квадрат", false, 1, GeometryOf, gstSquare, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Круг", false, 1, GeometryOf, gstElliptic, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Диаг-1", false, 1, GeometryOf, gstBottomLeft, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Диаг-2", false, 1, GeometryOf, gstBottomRight, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Диаг-3", false, 1, GeometryOf, gstTopLeft, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Диаг-4", false, 1, GeometryOf, gstTopLeftDiagonal, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Диаг-5", false, 1, GeometryOf, gstTopRight, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Диаг-6", false, 1, GeometryOf, gstTopRightDiagonal, sfNone, {P, L}},
                      ComboCase{"LMDComboBox2", "Диаг", true, 1, GeometryOf, gstVertical, sfNone, {}}));

TEST_F(FillPageTest, TheBrushColourGoesToBothTheRimColourToTheLabel) {
  dialogs_.ColorAnswers.push_back(Chosen(clTeal));
  QTest::mouseClick(Form1->RzBmpButton4, Qt::LeftButton);
  EXPECT_EQ(Preview().Brush().Color(), clTeal);
  EXPECT_EQ(LabelFill().Brush().Color(), clTeal);
  EXPECT_EQ(Log, (QStringList{P, L}));
  // A hatch chosen afterwards takes the preview's colour to the label too.
  LabelFill().Brush().SetColor(clWhite);
  Form1->ComboBox2->setCurrentIndex(6);
  EXPECT_EQ(LabelFill().Brush().Color(), clTeal);

  L1().SetTransparent(false);
  dialogs_.ColorAnswers.push_back(Chosen(clNavy));
  QTest::mouseClick(Form1->RzBmpButton8, Qt::LeftButton);
  EXPECT_EQ(L1().BrushBackColor(), clNavy);
  EXPECT_TRUE(L1().Transparent());
  EXPECT_EQ(Preview().Brush().Color(), clTeal);
}

TEST_F(FillPageTest, TheColourCountGoesToBothGradientsAndLeavesTheLabelsStyle) {
  Type(Form1->LMDExtSpinEdit5, QStringLiteral("40"));
  EXPECT_EQ(Preview().Gradient().ColorCount(), 40);
  EXPECT_EQ(LabelFill().Gradient().ColorCount(), 40);
  EXPECT_EQ(LabelFill().Style(), sfNone);
  EXPECT_EQ(Log.mid(Log.size() - 2), (QStringList{P, L}));
}

// Each style combo's start text is its current item: the list opens on it
// and the first Down key goes on to the next one.
struct StartItemCase {
  const char* Combo;
  int32_t Current;
  const char* Next;
};

class StartItems : public FillPageTest, public ::testing::WithParamInterface<StartItemCase> {};

TEST_P(StartItems, AreCurrentAndDownGoesOn) {
  auto* combo = Form1->findChild<QComboBox*>(QString::fromLatin1(GetParam().Combo));
  EXPECT_EQ(combo->currentIndex(), GetParam().Current);
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(combo->currentText(), QString::fromUtf8(GetParam().Next));
}

INSTANTIATE_TEST_SUITE_P(Combos, StartItems,
                         ::testing::Values(StartItemCase{"LMDComboBox2", 1, "Квадрат"},
                                           StartItemCase{"ComboBox1", 0, "Центр"},
                                           StartItemCase{"ComboBox2", 0, "Горизонтальная"}));

TEST_F(FillPageTest, TheFirstDownInTheGradientStylesMakesItSquare) {
  QTest::keyClick(Form1->LMDComboBox2, Qt::Key_Down);
  EXPECT_EQ(Preview().Gradient().Style(), gstSquare);
  EXPECT_EQ(LabelFill().Gradient().Style(), gstSquare);
}

}  // namespace
