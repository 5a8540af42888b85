#!/usr/bin/env bash
# Builds the program and starts it (extra arguments go to it: a picture to
# open). Without a display it says so and shows the engine through the
# command-line tool instead: a caption on the sample picture, written as
# the next free n.jpg in build/demo/ (extra arguments go to vellumo-render
# then; try --help).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$root/build/main/vellumo" "$@"
fi
echo "No display to show the windows on: rendering a demo with vellumo-render instead."
mkdir -p "$root/build/demo"
"$root/build/tools/render/vellumo-render" "$root/samples/meadow.jpg" --out-dir "$root/build/demo" --format jpg \
  --text 'Vellumo\nв горах' --size 48 --bold --style Shadow --shadow-depth 3 \
  --fill gradient --gradient clYellow,clRed,clMaroon --color-count 40 --at 40,30 "$@"
