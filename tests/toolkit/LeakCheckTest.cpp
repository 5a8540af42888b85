// The leak checker's suppressions hide the system libraries' own caches
// only: a leak of ours stays reported when Qt is on its stack, as it is for
// everything a handler does.
#include <gtest/gtest.h>

#include "support/Sanitizers.h"

#ifdef VELLUMO_ASAN
#include <QCoreApplication>
#include <QTimer>
#include <sanitizer/lsan_interface.h>

namespace {

// The leaked block's address, disguised so that no pointer to it remains
// for the checker to find; the test frees it once it has been reported.
constexpr uintptr_t kDisguise = 0x5A5A5A5A5A5A5A5Au;
uintptr_t leaked = 0;

__attribute__((noinline)) void Leak() { leaked = reinterpret_cast<uintptr_t>(new char[4096]) ^ kDisguise; }

TEST(LeakCheck, OursIsReportedThroughAQtCallback) {
  ASSERT_EQ(__lsan_do_recoverable_leak_check(), 0) << "leaks before the deliberate one";
  QTimer::singleShot(0, [] { Leak(); });
  QCoreApplication::processEvents();
  ASSERT_NE(leaked, 0u);
  // Reports the leak on standard error.
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 1);
  delete[] reinterpret_cast<char*>(leaked ^ kDisguise);
}

}  // namespace
#endif
