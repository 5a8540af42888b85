#!/usr/bin/env bash
# Runs every fuzzer of the sanitized build (build-san/) for SECONDS each
# (default 60), starting from the inputs kept under tests/data/fuzz/NAME.
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
  work=$(mktemp -d)
  mkdir "$work/corpus"
  seeds=()
  [[ -d "$root/tests/data/fuzz/$name" ]] && seeds=("$root/tests/data/fuzz/$name")
  # libheif's HEVC decoder allocates the frame a stream declares before any
  # of our checks can see it: a crafted file of a few hundred bytes makes it
  # take nearly 2 GB, which is the library's to bound, not a leak.
  limit=2048
  [[ $name == HeifReader ]] && limit=4096
  echo "fuzzing $name for ${seconds}s"
  if ! (cd "$work" && "$fuzzer" -max_total_time="$seconds" -rss_limit_mb="$limit" -max_len=65536 \
        -artifact_prefix="$work/" "$work/corpus" "${seeds[@]}" >"$work/log" 2>&1); then
    tail -n 60 "$work/log"
    echo "fuzzer $name failed; the crashing input is kept in $work"
    exit 1
  fi
  grep -E '^Done|^#[0-9]+.*DONE' "$work/log" | tail -n 1 || true
  rm -rf "$work"
done
