#pragma once
#include <QString>
#include <cstdint>
#include <functional>

#include "toolkit/Geometry.h"

class TCanvas;

// Base of every picture kind: a size, a way to draw itself stretched into a
// rectangle, and a change report to whoever listens (the picture holder).
class TGraphic {
 public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;
  virtual ~TGraphic() = default;

  virtual QString ClassName() const = 0;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual bool Empty() const { return Width() == 0 || Height() == 0; }
  // Draws the whole picture stretched into Rect of Canvas.
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

  std::function<void(TGraphic* sender)> OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};
