#!/usr/bin/env bash
# Builds the program and, until the windows exist, renders a demo with the
# command-line tool: a caption on the sample picture, written as the next
# free n.jpg in build/demo/. Extra arguments go to vellumo-render (try
# --help).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
mkdir -p "$root/build/demo"
"$root/build/tools/render/vellumo-render" "$root/samples/meadow.jpg" --out-dir "$root/build/demo" --format jpg \
  --text 'Vellumo\nв горах' --size 48 --bold --style Shadow --shadow-depth 3 \
  --fill gradient --gradient clYellow,clRed,clMaroon --color-count 40 --at 40,30 "$@"
