#pragma once
#include <QString>
#include <cstdint>

// The progress line of a run on a terminal: pictures done of the total,
// pictures per second so far and the time left at that pace, as
// "12/300  4.1 pictures/s  1:10 left"; the rate and time are left out
// until a picture is done.
QString ProgressLine(int32_t done, int32_t total, double seconds);
