#pragma once
#include <QScopedValueRollback>

#include "toolkit/windowless/LMDBaseControl.h"

// A windowless control that is Transparent (the default: what lies under
// it shows through) or opaque, guards its paints against re-entry and
// repaints the cheapest way for its transparency. Created 30 x 30.
class TLMDBaseGraphicControl : public TLMDBaseControl {
 public:
  TLMDBaseGraphicControl();
  QString ClassName() const override { return QStringLiteral("TLMDBaseGraphicControl"); }

  bool Transparent() const { return transparent_; }
  // Switches the framework's opaque flag the other way and repaints.
  void SetTransparent(bool transparent);

  // Transparent: invalidate, so that the parent paints what lies under the
  // control first; opaque: paint at once.
  void RepaintControl();

  // Set while a paint runs; a paint that finds it set returns at once.
  bool Painting() const { return painting_; }

 protected:
  // Sets Painting until the guard returned goes, also when the paint fails.
  [[nodiscard]] QScopedValueRollback<bool> PaintingScope() { return QScopedValueRollback<bool>(painting_, true); }

  // The internal notification after Transparent changed.
  virtual void TransparentChanged() { RepaintControl(); }

 private:
  bool transparent_ = true;
  bool painting_ = false;
};
