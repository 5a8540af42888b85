#pragma once
#include "tools/render/RenderSettings.h"
#include "tools/render/StopSignals.h"

// Composes every background of Settings (see TBatch), printing each one's
// lines, a progress line on a terminal and, with several backgrounds, the
// closing "wrote K of N"; gives the exit status: 0, or 2 when a background
// failed, or 128 + the signal when StopSignals stopped the run (which prints
// "wrote K of N" whatever the count). Program is argv[0], for the GUI
// application this starts. An error before any background is started (the
// picture fill cannot be read) is raised.
int RunBackgrounds(const TRenderSettings& settings, char* program, TStopSignals& stopSignals);
