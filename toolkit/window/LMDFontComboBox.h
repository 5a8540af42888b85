#pragma once
#include <QComboBox>
#include <QString>
#include <functional>

// The installed font families (Qt's font database, fontconfig underneath),
// each entry drawn in its own face, the chosen one too; the drop-down list
// shows beside each name the sample text "Abc" in that face, and is as wide
// as its widest entry. OnSelect runs when the user chooses an entry, with
// the mouse or the keyboard.
class TLMDFontComboBox : public QComboBox {
 public:
  explicit TLMDFontComboBox(QWidget* parent);

  // Selects the entry equal to Name without regard to letter case; none
  // when no entry is.
  void SelectFontName(const QString& name);

  void showPopup() override;

  std::function<void()> OnSelect;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
