#pragma once
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/window/Dialogs.h"

// Types Text into Widget key by key, as a keyboard would (QTest's own key
// clicks take ASCII only).
inline void TypeKeys(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces the text of an editable field (a line edit, an editable combo
// box, a spin edit) with Text, key by key: the first key replaces the
// whole text, Backspace empties it.
inline void Type(QWidget* field, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(field)) combo->lineEdit()->selectAll();
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
  if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
  TypeKeys(field, text);
}

// An OK of the colour dialog with Color and no custom colours.
inline TColorDialogRequest Chosen(TColor color) {
  TColorDialogRequest answer;
  answer.Color = color;
  return answer;
}

// Notes, in order, the change notifications that the label's and the
// preview's option objects send to their controls ("L1.FontFX",
// "Im1.FillObject"), passing each on.
class TNotificationLog {
 public:
  void Watch(const QString& name, TLMDObject& object) {
    TLMDObject::TNotifyEvent inner = object.OnChange;
    object.OnChange = [this, name, inner](TLMDObject* sender) {
      Entries << name;
      if (inner) inner(sender);
    };
  }
  void Watch(const QString& name, TFont& font) {
    std::function<void()> inner = font.OnChange;
    font.OnChange = [this, name, inner] {
      Entries << name;
      if (inner) inner();
    };
  }
  // The label's font, caption effect, frame and fill, and the preview's fill.
  void WatchPanelTargets(TForm2& form2, TForm1* form1) {
    Watch(QStringLiteral("L1.Font"), form2.L1.Font());
    Watch(QStringLiteral("L1.FontFX"), form2.L1.FontFX());
    Watch(QStringLiteral("L1.Bevel"), form2.L1.Bevel());
    Watch(QStringLiteral("L1.FillObject"), form2.L1.FillObject());
    if (form1) Watch(QStringLiteral("Im1.FillObject"), form1->Im1.FillObject());
  }

  QStringList Entries;
};

// The composition window and the control panel, made as start-up makes
// them (the panel's creation handler runs against the label), with the
// dialogs answered by the test. BeforePanel runs between the two.
class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form2_ = std::make_unique<TForm2>();
    Form2 = form2_.get();
    BeforePanel();
    form1_ = std::make_unique<TForm1>();
    Form1 = form1_.get();
  }
  void TearDown() override {
    form1_.reset();
    Form1 = nullptr;
    form2_.reset();
    Form2 = nullptr;
  }
  virtual void BeforePanel() {}

  // Shows the panel as the program does, after the composition window the
  // first time (both show handlers run).
  void ShowPanel() {
    if (!Form2->isVisible()) Form2->show();
    Form1->show();
    QApplication::processEvents();
  }
  // Starts logging the notifications from here on.
  void WatchNotifications() { log_.WatchPanelTargets(*Form2, Form1); }

  TLMDLabelFill& L1() { return Form2->L1; }
  TLMDFillObject& Preview() { return Form1->Im1.FillObject(); }
  TLMDFillObject& LabelFill() { return Form2->L1.FillObject(); }

  TRecordingDialogs dialogs_;
  TDialogsOverride dialogsOverride_{dialogs_};
  TNotificationLog log_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm1> form1_;
};
