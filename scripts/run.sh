#!/usr/bin/env bash
# Builds the program and runs it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$root/build/main/vellumo" "$@"
