#!/usr/bin/env bash
# Runs every fuzzer of the sanitized build for SECONDS each (default 60),
# starting from the regression inputs kept under tests/data/fuzz/NAME.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$root/.ci/lsan.supp
shopt -s nullglob
for fuzzer in "$root"/build-san/fuzz/fuzz_*; do
  [[ -x "$fuzzer" ]] || continue
  name=$(basename "$fuzzer")
  name=${name#fuzz_}
  corpus=$(mktemp -d)
  seeds=("$root/tests/data/fuzz/$name")
  [[ -d "${seeds[0]}" ]] || seeds=()
  echo "fuzzing $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 "$corpus" "${seeds[@]}" 2>&1 | tail -n 3
  rm -rf "$corpus"
done
