#!/usr/bin/env bash
# Runs the tests that need a real X server (ctest label xvfb) under a
# private Xvfb with one 1024 x 768 screen, then stops it. Screenshots the
# tests take are kept in BUILD/screenshots/.
#   xtest.sh [BUILD [CTEST OPTIONS...]]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/${1:-build}
shift || true
mkdir -p "$build/screenshots"
# Xvfb picks a free display itself and writes its number to fd 3.
displayfd=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfd" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$displayfd"' EXIT
for _ in $(seq 100); do
  [[ -s "$displayfd" ]] && break
  sleep 0.1
done
[[ -s "$displayfd" ]] || { echo "xtest: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$displayfd")
export QT_QPA_PLATFORM=xcb
export VELLUMO_SCREENSHOTS=$build/screenshots
ctest --test-dir "$build" -L xvfb --output-on-failure "$@"
