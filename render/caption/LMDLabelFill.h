#pragma once
#include "render/caption/LMDCustomLabelFill.h"

// The filled label as windows use it (the composition window's L1); it
// adds nothing to its base.
class TLMDLabelFill : public TLMDCustomLabelFill {
 public:
  using TLMDCustomLabelFill::TLMDCustomLabelFill;
  QString ClassName() const override { return QStringLiteral("TLMDLabelFill"); }
};
