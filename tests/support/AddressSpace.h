#pragma once
// Child processes with a lowered address-space limit, where an allocation
// of pixels must fail. The sanitizers' allocator cannot run under such a
// limit: tests that use one skip where VELLUMO_ASAN is defined.
#include <QFile>
#include <sys/resource.h>

#include "support/Sanitizers.h"

// Bytes of address space this process has mapped now (0 if unknown).
inline rlim_t MappedBytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmSize:")) return line.mid(7).trimmed().split(' ').value(0).toULongLong() * 1024;
  return 0;
}

// Limits this process to what it maps now plus Headroom; false if it cannot.
inline bool LimitAddressSpace(rlim_t headroom) {
  const rlim_t mapped = MappedBytes();
  const rlimit limit{mapped + headroom, RLIM_INFINITY};
  return mapped != 0 && setrlimit(RLIMIT_AS, &limit) == 0;
}
