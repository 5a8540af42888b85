#!/usr/bin/env bash
# Runs the tests that need a Wayland compositor (ctest label weston) twice,
# each time under a private headless weston: with XWayland, where the
# program is to come up on X11, and without, where it is to come up on
# Wayland. Where weston cannot start, says so and skips them. Screenshots
# the tests take are kept in BUILD/screenshots/.
#   westontest.sh [BUILD]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/${1:-build}
mkdir -p "$build/screenshots"

# run SESSION [WESTON OPTIONS...]
run() {
  local session=$1
  shift
  local runtime
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  # Pixman draws what the screenshots read; --debug lets a client take them.
  XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug --width=1024 --height=768 \
    --idle-time=0 --socket=wayland-vellumo --log="$runtime/weston.log" "$@" >/dev/null 2>&1 &
  local weston=$!
  local display=
  for _ in $(seq 100); do
    kill -0 "$weston" 2>/dev/null || break
    if [[ -S $runtime/wayland-vellumo ]]; then
      [[ $session != xwayland ]] && break
      display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log")
      [[ -n $display ]] && break
    fi
    sleep 0.1
  done
  if ! kill -0 "$weston" 2>/dev/null || [[ ! -S $runtime/wayland-vellumo ]] ||
    [[ $session == xwayland && -z $display ]]; then
    echo "westontest: weston cannot start here; the $session tests are skipped:"
    tail -n 3 "$runtime/weston.log" 2>/dev/null || true
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    rm -rf "$runtime"
    return 0
  fi
  local status=0
  (
    unset DISPLAY QT_QPA_PLATFORM
    [[ -n $display ]] && export DISPLAY=$display
    export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-vellumo VELLUMO_WESTON_SESSION=$session
    export VELLUMO_SCREENSHOTS=$build/screenshots
    ctest --test-dir "$build" -L weston --output-on-failure
  ) || status=$?
  kill "$weston" 2>/dev/null || true
  wait "$weston" 2>/dev/null || true
  rm -rf "$runtime"
  return "$status"
}

status=0
run xwayland --xwayland || status=1
run wayland || status=1
exit "$status"
