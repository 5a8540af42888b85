#pragma once
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

// A top-level window of the program: the caption, font ("MS Sans Serif",
// height -11, by its stand-in: WindowFont) and colour (clBtnFace) that
// every window's description gives, its place on the screen as the program
// last set it, and its show handler, which runs when the program shows the
// window, never when the window manager restores it. The caption is the
// window's title unless the window sets another.
class TForm : public QWidget {
 public:
  TForm(const QString& caption, Qt::WindowFlags flags);

  const QString& Caption() const { return caption_; }

  // The client area's place on the screen as the program last gave it. The
  // window system may report a move later than it was asked for, so this,
  // not pos(), is what a drag adds to.
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  void SetLeft(int32_t left);
  void SetTop(int32_t top);
  // Places the client area at (Left, Top) with the given size; a place is
  // kept within X11's range (-32768 to 32767) and a size capped at the
  // largest window X11 allows (32767).
  void SetClientBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  void SetClientSize(int32_t width, int32_t height) { SetClientBounds(left_, top_, width, height); }
  // Whether the program places and moves its windows itself: not on
  // Wayland, where only the compositor does.
  static bool ProgramPlacesWindows();

  // Runs once the window has closed (the program ends when the main window
  // closes).
  std::function<void()> OnClose;

 protected:
  // The show handler: every show by the program.
  virtual void FormShow() {}
  // Whether the user may close the window through the window manager
  // (its close box, Alt+F4); the program's own close() always closes.
  virtual bool UserMayClose() const { return true; }

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QString caption_;
  int32_t left_ = 0;
  int32_t top_ = 0;
};
