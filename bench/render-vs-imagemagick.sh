#!/usr/bin/env bash
# vellumo-render against ImageMagick doing the same job, as whole processes
# run side by side: a 72-point caption with a shadow and a blue-to-black
# gradient fill over a 1920 × 1080 JPEG, saved as JPEG quality 90. Also the
# floor for any tool: libjpeg-turbo's djpeg then cjpeg -dct float on the same
# picture. Prints the median wall and processor time of each and the ratios.
#   bench/render-vs-imagemagick.sh [RUNS]      (default 40)
set -euo pipefail
runs=${1:-40}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target vellumo-render >/dev/null
tool=$build/tools/render/vellumo-render
# The real ImageMagick, not a wrapper script that may stand before it.
magick=/usr/bin/convert
[[ -x $magick ]] || magick=$(command -v convert)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$magick" -seed 7 -size 1920x1080 plasma:steelblue-khaki -quality 92 background.jpg
"$magick" -size 8x8 xc:gray tiny.bmp

text="Vellumo caption"
vellumo=("$tool" background.jpg --out vellumo.jpg --text "$text" --size 72 --style Shadow --shadow-depth 3
  --fill gradient --gradient clBlue,clBlack --at 100,120)
# The same drawing in ImageMagick: the shadow pass, then the letters filled
# with a vertical blue-to-black gradient as high as the text.
imagemagick=("$magick" background.jpg '(' -size 1x86 gradient:blue-black -write mpr:ramp +delete ')'
  -font Liberation-Sans -pointsize 72 -fill '#A0A0A0' -annotate +105+193 "$text"
  -tile mpr:ramp -tile-offset +0+125 -annotate +102+190 "$text" -quality 90 imagemagick.jpg)
floor() { djpeg background.jpg >decoded.ppm && cjpeg -dct float -quality 90 decoded.ppm >floor.jpg; }
# Start-up and the caption alone: the same options on an 8 × 8 picture.
startup=("$tool" tiny.bmp --out tiny-out.bmp --text "$text" --size 72 --style Shadow --shadow-depth 3
  --fill gradient --gradient clBlue,clBlack)

# Wall time and processor time (user + system, the process's children
# included) of one run, in microseconds, from bash's own clock.
declare -A wall cpu
run() {
  local name=$1 real user sys
  shift
  read -r real user sys < <({ TIMEFORMAT='%3R %3U %3S'; time "$@" >/dev/null 2>&1; } 2>&1)
  wall[$name]+="$((10#${real/./})) "
  cpu[$name]+="$(( 10#${user/./} + 10#${sys/./} )) "
}
for _ in 1 2; do "${vellumo[@]}" >/dev/null; "${imagemagick[@]}"; floor; done
for ((i = 0; i < runs; i++)); do
  run vellumo "${vellumo[@]}"
  run imagemagick "${imagemagick[@]}"
  run floor floor
  run startup "${startup[@]}"
done

median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
line() { printf '  %-28s %6d ms wall %6d ms processor%s\n' "$1" "$(median "${wall[$2]}")" "$(median "${cpu[$2]}")" "${3:-}"; }
echo "median of $runs runs each, 1920 x 1080 JPEG in, JPEG quality 90 out:"
line vellumo-render vellumo
line "ImageMagick convert" imagemagick
line "djpeg + cjpeg -dct float" floor
line "vellumo-render on 8 x 8" startup "   (start-up, fonts and the caption alone)"
v=$(median "${wall[vellumo]}")
m=$(median "${wall[imagemagick]}")
f=$(median "${wall[floor]}")
vc=$(median "${cpu[vellumo]}")
mc=$(median "${cpu[imagemagick]}")
fc=$(median "${cpu[floor]}")
awk -v v="$v" -v m="$m" -v f="$f" -v vc="$vc" -v mc="$mc" -v fc="$fc" 'BEGIN {
  printf "convert / vellumo-render = %.2f wall, %.2f processor (goal: at least 1.5)\n", m / v, mc / vc
  printf "vellumo-render / (djpeg + cjpeg) = %.2f wall, %.2f processor\n", v / f, vc / fc }'
