#include "monkey/HandlerTrace.h"

#ifdef VELLUMO_HANDLER_TRACE
#include <sanitizer/common_interface_defs.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<void*>& Entered() {
  static std::vector<void*> entered;
  return entered;
}

}  // namespace

// The instrumented code calls these; each function's guard is cleared at
// its first call, so that it is noted once and costs nothing afterwards.
extern "C" void __sanitizer_cov_trace_pc_guard_init(uint32_t* start, uint32_t* stop) {
  for (uint32_t* guard = start; guard < stop; ++guard) *guard = 1;
}

extern "C" void __sanitizer_cov_trace_pc_guard(uint32_t* guard) {
  if (!*guard) return;
  *guard = 0;
  Entered().push_back(__builtin_return_address(0));
}

bool HandlersRecorded() { return true; }

QStringList FunctionsRun() {
  QStringList names;
  for (void* pc : Entered()) {
    char name[512] = {};
    __sanitizer_symbolize_pc(pc, "%f", name, sizeof name);
    names << QString::fromLatin1(name);
  }
  return names;
}

#else

bool HandlersRecorded() { return false; }
QStringList FunctionsRun() { return {}; }

#endif
