#!/usr/bin/env bash
# Builds and runs every test: the offscreen ones, then those that need a
# real X server under Xvfb (scripts/xtest.sh), then those that need a
# Wayland compositor under weston (scripts/westontest.sh).
#   test.sh            the plain build (build/)
#   test.sh sanitize   everything built by clang with ASan + UBSan (build-san/),
#                      with the event fuzzer's seeds (ctest label monkey)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen
if [[ "${1:-}" == sanitize ]]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$root/.ci/lsan.supp
  bash "$root/scripts/build.sh" build-san -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVELLUMO_SANITIZE=ON -DVELLUMO_FUZZ=ON -DVELLUMO_BENCH=OFF
  ctest --test-dir "$root/build-san" --output-on-failure -j "$(nproc)" -LE 'xvfb|weston'
  bash "$root/scripts/xtest.sh" build-san -LE monkey
  # Qt's Wayland platform leaves what it holds of its connections (the
  # compositor's proxies, the session bus) to the process's end, differently
  # from run to run; leaks are checked in every other test.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 bash "$root/scripts/westontest.sh" build-san
else
  bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)" -LE 'xvfb|weston|monkey'
  bash "$root/scripts/xtest.sh" build
  bash "$root/scripts/westontest.sh" build
fi
