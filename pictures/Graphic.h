#pragma once
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/Geometry.h"
#include "toolkit/Surface.h"

class TCanvas;
class TGraphic;

// Stages of a long operation (decoding, encoding) reported to a listener.
enum TProgressStage : uint8_t { psStarting, psRunning, psEnding };

// A progress report: the stage, the whole percentage done, whether the
// listener should repaint now, the band of rows finished since the last
// report and a message.
using TProgressEvent = std::function<void(TGraphic* sender, TProgressStage stage, uint8_t percentDone,
                                          bool redrawNow, const TRect& rect, const QString& message)>;

// Base of every picture kind: a size, a way to draw itself stretched into a
// rectangle, loading from and saving to byte streams and files, and change
// and progress reports to whoever listens (the picture holder).
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
  // What drawing the whole picture at its own size onto a fresh colour
  // surface gives, as new pixels of their own without that surface's
  // clearing and copying; a null surface where drawing is more than a copy
  // (the caller then draws). Fails where Draw would fail.
  virtual TSurface DisplayCopy() { return {}; }
  // What drawing the whole picture at its own size onto a fresh colour
  // surface gives: DisplayCopy, or the picture drawn. A null surface for an
  // empty picture.
  TSurface Pixels();
  // The picture's pixels at the smallest size its reader decodes to that
  // still covers Size on both sides: a JPEG decodes at 1/8, 1/4 or 1/2 of its
  // size where that is enough; the others give Pixels(). The picture keeps
  // its own settings and decoded state.
  virtual TSurface PixelsCovering(TSize size) { return Pixels(); }
  // A new graphic of the same kind with this one's picture.
  virtual std::unique_ptr<TGraphic> Clone() const = 0;

  // Reads the picture from the stream's position to its end. A failure
  // leaves this graphic as it was.
  virtual void LoadFromStream(QIODevice& stream) = 0;
  virtual void SaveToStream(QIODevice& stream) = 0;

  // Opens the file for reading and loads it: only a regular file (or a
  // link to one) opens, else "Cannot open file %s" at once, and no more of
  // it is read than the largest picture can need (TPictureFile).
  void LoadFromFile(const QString& path);
  // Writes the file through a temporary file in the same folder that then
  // replaces the target, so a failed save never leaves a damaged or half
  // written file ("Cannot create file %s" when the folder or file cannot be
  // written). A replaced file keeps its permissions.
  void SaveToFile(const QString& path);
  // The same with the bytes in memory.
  void LoadFromBytes(QByteArray bytes);
  QByteArray SaveToBytes();

  std::function<void(TGraphic* sender)> OnChange;
  TProgressEvent OnProgress;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  void Progress(TProgressStage stage, uint8_t percentDone, bool redrawNow, const TRect& rect) {
    if (OnProgress) OnProgress(this, stage, percentDone, redrawNow, rect, QString());
  }
};
