#pragma once
// The control panel's tests: the composition window and the panel made as
// start-up makes them, keys typed as a keyboard types them, and the change
// notifications the label and the preview send.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <memory>

#include "controls/LMDColorComboBox.h"
#include "controls/LMDColorListBox.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/window/ButtonGroups.h"
#include "toolkit/window/FilledHost.h"
#include "toolkit/window/LMDExtSpinEdit.h"
#include "toolkit/window/LMDFontComboBox.h"
#include "toolkit/window/PageControl.h"
#include "toolkit/window/RzBmpButton.h"

// Types Text into Widget key by key (QTest's own key clicks take ASCII
// only).
inline void TypeKeys(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Presses Key on Widget with the focus in it and its window active, as
// the keys that move between a group's items need.
inline void PressOnFocused(QWidget* widget, Qt::Key key) {
  QApplication::setActiveWindow(widget->window());
  widget->setFocus();
  QTest::keyClick(widget, key);
}

// Replaces the text of a line edit, an editable combo box or a spin edit
// key by key: the first key replaces the whole text, Backspace empties it.
inline void Type(QWidget* field, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(field)) combo->lineEdit()->selectAll();
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
  if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
  TypeKeys(field, text);
}

// The composition window and the control panel, made as start-up makes
// them (the panel's creation writes to the label) and shown, with the
// dialogs answered by the test. From Watch on, Log notes in order the change
// notifications of the label's font, caption effect, frame and fill
// ("L1.Font", "L1.FontFX", "L1.Bevel", "L1.FillObject") and the
// preview's fill ("Im1.FillObject").
class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Make(false);
    ShowPanel();
  }
  void TearDown() override {
    form1_.reset();
    Form1 = nullptr;
    form2_.reset();
    Form2 = nullptr;
  }
  // Watches the label while the panel is made when WatchCreation is set.
  void Make(bool watchCreation) {
    form2_ = std::make_unique<TForm2>();
    Form2 = form2_.get();
    if (watchCreation) Watch();
    form1_ = std::make_unique<TForm1>();
    Form1 = form1_.get();
  }
  // Shows the panel as the program does, the composition window first
  // (both show handlers run); Page, when given, is turned to.
  void ShowPanel(QWidget* page = nullptr) {
    if (!Form2->isVisible()) Form2->show();
    Form1->show();
    if (page) Form1->PageControl1->setCurrentWidget(page);
    QApplication::processEvents();
  }
  void Watch() {
    Note("L1.Font", L1().Font());
    Note("L1.FontFX", L1().FontFX());
    Note("L1.Bevel", L1().Bevel());
    Note("L1.FillObject", LabelFill());
    if (Form1) Note("Im1.FillObject", Preview());
  }

  TLMDLabelFill& L1() { return Form2->L1; }
  TLMDFillObject& Preview() { return Form1->Im1.FillObject(); }
  TLMDFillObject& LabelFill() { return Form2->L1.FillObject(); }

  TRecordingDialogs dialogs_;
  TDialogsOverride dialogsOverride_{dialogs_};
  QStringList Log;

 private:
  template <typename TObject>
  void Note(const char* name, TObject& object) {
    object.OnChange = [this, name, inner = object.OnChange](auto... sender) {
      Log << QString::fromLatin1(name);
      if (inner) inner(sender...);
    };
  }

  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm1> form1_;
};
