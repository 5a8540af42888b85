#pragma once
#include <QComboBox>
#include <QString>
#include <functional>

// The installed font families (Qt's font database, fontconfig underneath),
// each entry drawn in its own face, the chosen one too. OnSelect runs when
// the user chooses an entry, with the mouse or the keyboard.
class TLMDFontComboBox : public QComboBox {
 public:
  explicit TLMDFontComboBox(QWidget* parent);

  // Selects the entry equal to Name without regard to letter case; none
  // when no entry is.
  void SelectFontName(const QString& name);

  std::function<void()> OnSelect;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
