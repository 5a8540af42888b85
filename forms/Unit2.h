#pragma once
#include <QString>
#include <cstdint>
#include <memory>

#include "render/NumberedFile.h"
#include "render/caption/LMDLabelFill.h"
#include "toolkit/window/Form.h"
#include "toolkit/window/HostWidget.h"
#include "toolkit/window/Image.h"

class QAction;
class QLabel;
class QMenu;

// The composition window: the background picture at its own size with the
// label L1 over it, in a window without a border. The label and the window
// are dragged with the mouse; the background's popup menu saves the
// composition as the next numbered file, goes back to the browser or ends
// the program.
class TForm2 : public TForm {
 public:
  TForm2();
  ~TForm2() override;

  // The client area, on which the background and the label are drawn.
  THostWidget* Client = nullptr;
  // Components, in creation order.
  TImage Image1;
  TLMDLabelFill L1;
  QLabel* Label13 = nullptr;  // invisible: the save counter as decimal text
  QMenu* PopupMenu1 = nullptr;
  QAction* bmp1 = nullptr;
  QAction* jpg1 = nullptr;
  QAction* N3 = nullptr;
  QAction* N4 = nullptr;

  // What was pressed to start a drag.
  enum TDragSource : uint8_t { dsNone, dsBackground, dsLabel };

  void Image1MouseDown(TDragSource source, TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void Image1MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  // X, Y: the pointer relative to where the program last put the window.
  void Image1MouseMove(TShiftState shift, int32_t x, int32_t y);
  void fcLabel1MouseMove(TShiftState shift, int32_t x, int32_t y);
  void N3Click();
  void N4Click();
  void bmp1Click();
  void jpg1Click();
  TNumberedFile SaveAsBmp(const QString& folder, int32_t number);
  TNumberedFile SaveAsJpg(const QString& folder, int32_t number);
  // Waits Milliseconds of TickCount while dispatching the events that arrive.
  void Delay(uint32_t milliseconds);

  // The browser's double click: the background is loaded (a failure keeps
  // the old one), the client area takes its size and the window is centred.
  void LoadBackground(const QString& path);
  void FitToBackground();

 protected:
  void FormShow() override;
  bool UserMayClose() const override { return false; }
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The description, one builder per component: each makes it with all
  // the description sets on it and wires its events to the handlers.
  void BuildImage1();
  void BuildL1();
  void BuildLabel13();
  void BuildPopupMenu1();
  // bmp1Click and jpg1Click: one procedure with its extension and writer.
  void Save(const QString& extension, TNumberedFile (TForm2::*write)(const QString& folder, int32_t number));
  // The browser's folder; the background picture's when none is selected.
  QString TargetFolder() const;
  int32_t Counter() const;
  void SetCounter(int32_t counter);
  // The composition as shown: the background with the label over it.
  std::unique_ptr<TBitmap> Composition() const;

  TDragSource dragSource_ = dsNone;  // set between a press and the next release
  int32_t grabX_ = 0;                // the press, in the pressed control's coordinates
  int32_t grabY_ = 0;
  bool saving_ = false;
  QString backgroundFolder_;  // where the background picture was loaded from
};

extern TForm2* Form2;
