#pragma once
#include <QAbstractButton>
#include <cstdint>

// A small flat button that shows a glyph of its own drawing, with the hand
// pointer. It takes no keyboard focus.
class TRzBmpButton : public QAbstractButton {
 public:
  enum TGlyph : uint8_t {
    bgEllipsis,  // "…": opens a dialog
    bgPicture    // a framed landscape: chooses a picture
  };

  TRzBmpButton(QWidget* parent, TGlyph glyph);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TGlyph glyph_;
};
