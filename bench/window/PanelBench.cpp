// The control panel's cost over the engine's: a change made in the panel,
// from its handler to the repainted composition buffer, against the same
// change made to an equal label on a headless host with the same
// background, sized and painted there. Compare each Panel benchmark with
// its Engine twin.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <memory>

#include "bench/DragScene.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "main/Application.h"
#include "main/Program.h"
#include "toolkit/window/ButtonGroups.h"
#include "toolkit/window/LMDExtSpinEdit.h"
#include "toolkit/windowless/HeadlessHost.h"

namespace {

// The program's windows with the composition and the panel shown over a
// 1024 x 768 photo, the label's fill the panel's gradient.
class TPanelScene {
 public:
  TPanelScene() : windows_(static_cast<TApplication&>(*qApp)), photo_(Photo(1024, 768)) {
    Form2->Client->SetBackground(photo_);
    Form2->SetClientSize(photo_.Width(), photo_.Height());
    Form2->show();
    Form1->show();
    Form1->RG2->SetItemIndex(3);
    Form2->Client->Update();
  }

  // An equal label (font, effect, fill, caption) on an equal host.
  std::unique_ptr<THeadlessHost> EngineTwin(TLMDLabelFill& twin) const {
    auto host = std::make_unique<THeadlessHost>(photo_.Width(), photo_.Height());
    host->SetBackground(photo_);
    const TLMDLabelFill& label = Form2->L1;
    twin.SetFont(label.Font());
    twin.SetFontFX(label.FontFX());
    twin.SetFillObject(label.FillObject());
    twin.SetCaption(label.Caption());
    twin.SetBounds(label.Left(), label.Top(), label.Width(), label.Height());
    twin.SetParent(host.get());
    host->Update();
    return host;
  }

 private:
  TProgramWindows windows_;
  TSurface photo_;
};

// 72 points, shadow 100 deep, the gradient fill: the style combo's text
// goes from "Extrude" (untimed) to "ExtrudeEnh".
void SetUpLargeExtrusion() {
  Form1->SE6->setValue(72);
  Form1->LMDExtSpinEdit3->setValue(100);
  Form1->LMDComboBox1->setEditText(QStringLiteral("Extrude"));
  Form2->Client->Update();
}

void BM_PanelStyleChange(benchmark::State& state) {
  TPanelScene scene;
  SetUpLargeExtrusion();
  for (auto _ : state) {
    state.PauseTiming();
    Form1->LMDComboBox1->setEditText(QStringLiteral("Extrude"));
    Form2->Client->Update();
    state.ResumeTiming();
    Form1->LMDComboBox1->setEditText(QStringLiteral("ExtrudeEnh"));
    Form2->Client->Update();
  }
  state.counters["width"] = Form2->L1.Width();
  state.counters["height"] = Form2->L1.Height();
}
BENCHMARK(BM_PanelStyleChange)->Unit(benchmark::kMillisecond);

void BM_EngineStyleChange(benchmark::State& state) {
  TPanelScene scene;
  SetUpLargeExtrusion();
  TLMDLabelFill label;
  const std::unique_ptr<THeadlessHost> host = scene.EngineTwin(label);
  for (auto _ : state) {
    state.PauseTiming();
    label.FontFX().SetStyle(tdExtrude);
    host->Update();
    state.ResumeTiming();
    label.FontFX().SetStyle(tdExtrudeEnh);
    host->Update();
  }
  state.counters["width"] = label.Width();
  state.counters["height"] = label.Height();
}
BENCHMARK(BM_EngineStyleChange)->Unit(benchmark::kMillisecond);

// A caption of 1000 characters; each iteration is two keystrokes at its
// end, a letter and Backspace.
void SetUpLongCaption() {
  Form1->Memo1->setPlainText(QString(1000, QLatin1Char('W')));
  Form1->Memo1->moveCursor(QTextCursor::End);
  Form2->Client->Update();
}

void Press(QWidget* widget, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

void BM_PanelMemoKeystrokes(benchmark::State& state) {
  TPanelScene scene;
  SetUpLongCaption();
  for (auto _ : state) {
    Press(Form1->Memo1, Qt::Key_X, QStringLiteral("x"));
    Form2->Client->Update();
    Press(Form1->Memo1, Qt::Key_Backspace, QString());
    Form2->Client->Update();
  }
  state.counters["width"] = Form2->L1.Width();
}
BENCHMARK(BM_PanelMemoKeystrokes)->Unit(benchmark::kMillisecond);

void BM_EngineCaptionChanges(benchmark::State& state) {
  TPanelScene scene;
  SetUpLongCaption();
  TLMDLabelFill label;
  const std::unique_ptr<THeadlessHost> host = scene.EngineTwin(label);
  const QString caption = label.Caption();
  for (auto _ : state) {
    label.SetCaption(caption + QLatin1Char('x'));
    host->Update();
    label.SetCaption(caption);
    host->Update();
  }
  state.counters["width"] = label.Width();
}
BENCHMARK(BM_EngineCaptionChanges)->Unit(benchmark::kMillisecond);

}  // namespace
