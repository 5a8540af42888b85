#!/usr/bin/env bash
# Runs the event fuzzer on the program's windows for one seed and prints
# every input it gave, so that a failure found in CI can be replayed and
# read. Uses the sanitizer build when there is one.
#   monkey.sh SEED EVENTS
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: monkey.sh SEED EVENTS" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-san
[[ -x $build/tests/test_monkey ]] || build=$root/build
export QT_QPA_PLATFORM=offscreen:configfile=$build/tests/offscreen-1024x768.json
export LSAN_OPTIONS=suppressions=$root/.ci/lsan.supp
MONKEY_SEED=$1 MONKEY_EVENTS=$2 exec "$build/tests/test_monkey" --gtest_filter=Monkey.Replay
