#pragma once
#include <vector>

#include "toolkit/windowless/HeadlessHost.h"
#include "toolkit/windowless/LMDBaseGraphicControl.h"

// Each test file gets its own copy, so that no helper here can clash with
// another file's helper of the same name in the one test program.
namespace {

// A windowless control that fills its client area with its colour and
// counts its paints. With Spill it also tries to paint far outside itself,
// once before and once after dropping a clip region of its own.
class TSwatch : public TLMDBaseGraphicControl {
 public:
  TSwatch(TControlHost& host, TRect bounds, TColor color) {
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    SetColor(color);
    SetParent(&host);
  }
  int Paints = 0;
  bool Spill = false;

 protected:
  void Paint() override {
    ++Paints;
    Canvas().Brush().SetColor(Color());
    if (!Spill) {
      Canvas().FillRect(ClientRect());
      return;
    }
    Canvas().SelectClipRect({-1000, -1000, 1000, 1000});
    Canvas().FillRect({-100, -100, 100, 100});
    Canvas().RemoveClipRegion();
    Canvas().FillRect({-100, -100, 100, 100});
  }
};

// A headless host that records what it reports.
class TRecordingHost : public THeadlessHost {
 public:
  using THeadlessHost::THeadlessHost;
  std::vector<TRect> PaintedRects;
  int Invalidations = 0;
  std::vector<TPoint> HostDowns;
  std::vector<TPoint> HostMoves;

 protected:
  void Painted(const TRect& rect) override { PaintedRects.push_back(rect); }
  void Invalidated() override { ++Invalidations; }
  void HostMouseDown(TMouseButton, TShiftState, TPoint point) override { HostDowns.push_back(point); }
  void HostMouseMove(TShiftState, TPoint point) override { HostMoves.push_back(point); }
};

}  // namespace
