#pragma once
#include <QStringList>

// The functions of the windows' code (forms/) that have run, by name
// ("TForm1::SE6Change()"), as the sanitizer build records them: it
// compiles forms/ with a call at every function's entry. Empty where the
// build records nothing (HandlersRecorded() says which).
bool HandlersRecorded();
QStringList FunctionsRun();
