#pragma once
// What the real-window tests ask of the X server: whether a window is
// mapped, its place on the screen, the hints the program set on it, and
// the screen's pixels, kept as PNG files beside the build.
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

bool IsMapped(QWidget* window);
// The window's client area on the screen, as the X server has it.
QRect ScreenGeometry(QWidget* window);
// The outer frame a window manager put round the window (the top-level
// window of the server that holds it), on the screen; the client area
// where no window manager framed it.
QRect FrameGeometry(QWidget* window);
// Whether a window manager announces itself on the root window
// (_NET_SUPPORTING_WM_CHECK).
bool WindowManagerRuns();
// The names of the atoms in one of the window's atom-list properties
// (_NET_WM_STATE, _NET_WM_WINDOW_TYPE).
QStringList AtomList(QWidget* window, const char* property);
// The window's title as the X server holds it (_NET_WM_NAME).
QString ServerTitle(QWidget* window);
// The decorations the window asked for through _MOTIF_WM_HINTS; -1 when it
// set none.
int64_t MotifDecorations(QWidget* window);
// The functions the window offers through _MOTIF_WM_HINTS (resize 2, move
// 4, minimise 8, maximise 16, close 32); -1 when it set none.
int64_t MotifFunctions(QWidget* window);
// Waits until the X server has handled every request made so far and Qt
// every event that came back.
void Settle();
// The whole screen as the X server shows it.
QImage ScreenShot();
// Keeps Image as NAME.png in the screenshot folder the test script gave.
void KeepScreenShot(const QImage& image, const QString& name);
// The sample meadow stretched to Width x Height, written to Path as a JPEG
// where it ends in ".jpg", else as a BMP; returns Path.
QString WriteMeadow(const QString& path, int32_t width = 800, int32_t height = 600);
