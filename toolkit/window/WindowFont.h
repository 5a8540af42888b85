#pragma once
#include <QFont>
#include <QString>
#include <cstdint>

// The windows' descriptions name the classic desktop's faces. Each stands
// for an installed face with its metrics ("MS Sans Serif" and "Arial" for
// Liberation Sans, "Courier New" for Liberation Mono, "Times New Roman" for
// Liberation Serif; names compared without regard to letter case, as the
// classic desktop compares them), so that every caption takes the room it was laid out
// for; any other name stands for itself. Only the windows' own texts go
// through this: the label's fonts are the user's, looked up as named.
QString WindowFace(const QString& classicFace);

// ClassicFace's stand-in, PixelHeight pixels high.
QFont WindowFont(const QString& classicFace, int32_t pixelHeight);
