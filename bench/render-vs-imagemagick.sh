#!/usr/bin/env bash
# vellumo-render against ImageMagick doing the same job, as whole processes
# run side by side: a 72-point caption with a shadow and a blue-to-black
# gradient fill over a 1920 × 1080 JPEG, saved as JPEG quality 90. Also the
# floor for any tool: libjpeg-turbo's djpeg then cjpeg -dct float on the same
# picture. Prints the median wall time of each and the ratios.
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

now() { date +%s%N; }
declare -A times
run() {
  local name=$1
  shift
  local start end
  start=$(now)
  "$@" >/dev/null
  end=$(now)
  times[$name]+="$(((end - start) / 1000)) "
}
for _ in 1 2; do "${vellumo[@]}" >/dev/null; "${imagemagick[@]}"; floor; done
for ((i = 0; i < runs; i++)); do
  run vellumo "${vellumo[@]}"
  run imagemagick "${imagemagick[@]}"
  run floor floor
  run startup "${startup[@]}"
done

median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }
v=$(median "${times[vellumo]}")
m=$(median "${times[imagemagick]}")
f=$(median "${times[floor]}")
s=$(median "${times[startup]}")
echo "median wall time of $runs runs each, 1920 x 1080 JPEG in, JPEG quality 90 out:"
echo "  vellumo-render              $(ms "$v") ms"
echo "  ImageMagick convert         $(ms "$m") ms"
echo "  djpeg + cjpeg -dct float    $(ms "$f") ms"
echo "  vellumo-render on 8 x 8     $(ms "$s") ms   (start-up, fonts and the caption alone)"
awk -v v="$v" -v m="$m" -v f="$f" 'BEGIN {
  printf "convert / vellumo-render = %.2f (goal: at least 1.5)\n", m / v
  printf "vellumo-render / (djpeg + cjpeg) = %.2f\n", v / f }'
