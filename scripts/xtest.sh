#!/usr/bin/env bash
# Runs the tests that need a real X server, each label under a private Xvfb
# of its own screen size: xvfb on 1024 x 768, xvfb1280 on 1280 x 1024.
# Screenshots the tests take are kept in BUILD/screenshots/.
#   xtest.sh [BUILD [CTEST OPTIONS...]]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/${1:-build}
shift || true
options=("$@")
mkdir -p "$build/screenshots"
export QT_QPA_PLATFORM=xcb
export VELLUMO_SCREENSHOTS=$build/screenshots

# Runs the tests labelled LABEL under an Xvfb with a SIZE screen, then stops it.
run_on_screen() {
  local label=$1 size=$2 displayfd xvfb status=0
  # Xvfb picks a free display itself and writes its number to fd 3.
  displayfd=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$displayfd" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do
    [[ -s "$displayfd" ]] && break
    sleep 0.1
  done
  if [[ -s "$displayfd" ]]; then
    DISPLAY=:$(head -n 1 "$displayfd") ctest --test-dir "$build" -L "^${label}\$" --output-on-failure "${options[@]}" || status=$?
  else
    echo "xtest: Xvfb did not start"
    status=1
  fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$displayfd"
  return "$status"
}

status=0
run_on_screen xvfb 1024x768 || status=$?
run_on_screen xvfb1280 1280x1024 || status=$?
exit "$status"
