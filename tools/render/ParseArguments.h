#pragma once
#include <QStringList>

#include "toolkit/Exceptions.h"
#include "tools/render/RenderSettings.h"

// A command line that asks for what the tool does not offer: an unknown
// option, a missing value, a value outside its list or range, no background,
// --out with several backgrounds.
class EUsageError : public Exception {
 public:
  using Exception::Exception;
};

// Reads the command line, program name left out, into settings that start
// from the defaults; a later option overrides an earlier one. A number or
// colour that cannot be read fails with EConvertError ("'%s' is not a valid
// integer value"), anything else that is wrong with EUsageError. With --out,
// Format becomes the format of the file's extension; with --keep-jpeg, JPEG.
TRenderSettings ParseArguments(const QStringList& arguments);
