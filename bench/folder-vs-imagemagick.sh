#!/usr/bin/env bash
# A folder of photos captioned in one command: vellumo-render (encoding each
# photo anew, and with --keep-jpeg) against ImageMagick's mogrify doing the
# same caption over copies of the photos, and against the codec floor for
# any tool that encodes anew (libjpeg-turbo's djpeg | cjpeg -dct float
# -quality 90 over each photo, two at a time). The photos are made here:
# COUNT JPEGs of 1920 x 1080 with photo-like content (smooth shapes under
# noise), 4:2:0, about 600 KB at quality 92. Prints the median wall time of
# RUNS runs of each, pictures per second, and the ratios against the goals
# (on a 2-core machine).
#   bench/folder-vs-imagemagick.sh [COUNT [RUNS]]      (default 60 and 3)
set -euo pipefail
count=${1:-60}
runs=${2:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target vellumo-render >/dev/null
tool=$build/tools/render/vellumo-render
# The real ImageMagick, not a wrapper script that may stand before it.
magick=/usr/bin/convert
[[ -x $magick ]] || magick=$(command -v convert)
mogrify=$(dirname "$magick")/mogrify

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir photos
# One large plasma, cut into COUNT different views, each under noise of its own.
"$magick" -seed 3 -size 2600x1600 plasma:steelblue-khaki -blur 0x2 base.png
seq 1 "$count" | xargs -P 2 -I{} sh -c '
  i={}; x=$(( (i * 37) % 680 )); y=$(( (i * 23) % 520 ))
  "$0" base.png -crop 1920x1080+$x+$y +repage -seed "$i" -attenuate 0.45 +noise Gaussian \
    -sampling-factor 2x2 -quality 92 "photos/$(printf %03d "$i").jpg"' "$magick"
size=$(du -k --apparent-size photos | cut -f1)

text="Summer 2024"
# vellumo-render's caption: white letters with a grey shadow 3 pixels down
# and right, 5% of the height (54 pixels), at the bottom right 20 pixels
# in; mogrify draws the same two passes of the same face at that height.
caption=(--text "$text" --font "Liberation Sans" --size 5% --color clWhite --style Shadow --shadow-depth 3
  --shadow-color '$00A0A0A0' --place bottom-right --margin 20)
full() { "$tool" --format jpg --out-dir full "${caption[@]}" photos/*.jpg >/dev/null; }
keep() { "$tool" --keep-jpeg --out-dir keep "${caption[@]}" photos/*.jpg >/dev/null; }
magick_() {
  "$mogrify" -font Liberation-Sans -pointsize 54 -gravity SouthEast -fill '#A0A0A0' -annotate +19+18 "$text" \
    -fill white -annotate +22+21 "$text" -quality 90 magick/*.jpg
}
floor() {
  printf '%s\n' photos/*.jpg | xargs -P 2 -I{} sh -c 'djpeg "$0" | cjpeg -dct float -quality 90 >"floor/${0##*/}"' {}
}
# Fresh output folders before each run, outside the timing; mogrify works
# on copies, as it replaces what it is given.
prepare() { rm -rf full keep magick floor && mkdir full keep floor && cp -r photos magick; }

# Wall time of one run in milliseconds, from bash's own clock.
declare -A wall
run() {
  local name=$1 real
  prepare
  read -r real < <({ TIMEFORMAT='%3R'; time "$name" >/dev/null 2>&1; } 2>&1)
  wall[$name]+="$((10#${real/./})) "
}
prepare; full; keep; floor
for ((i = 0; i < runs; i++)); do
  for name in full keep magick_ floor; do run "$name"; done
done
prepare; full; keep
[[ $(ls full | wc -l) == "$count" && $(ls keep | wc -l) == "$count" ]] || { echo "vellumo-render wrote too few files"; exit 1; }

median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
f=$(median "${wall[full]}")
k=$(median "${wall[keep]}")
m=$(median "${wall[magick_]}")
c=$(median "${wall[floor]}")
echo "median of $runs runs, $count JPEGs of 1920 x 1080 ($((size / count)) KB each), $(nproc) processors:"
line() { awk -v n="$count" -v ms="$2" -v name="$1" 'BEGIN { printf "  %-34s %6d ms  %6.1f pictures/s\n", name, ms, n * 1000 / ms }'; }
line "vellumo-render (encoded anew)" "$f"
line "vellumo-render --keep-jpeg" "$k"
line "mogrify" "$m"
line "djpeg | cjpeg -dct float, 2 at a time" "$c"
awk -v f="$f" -v k="$k" -v m="$m" -v c="$c" 'BEGIN {
  printf "vellumo-render / codec floor   = %.2f (goal: at most 1.15)\n", f / c
  printf "codec floor / --keep-jpeg      = %.2f (goal: at least 1.8)\n", c / k
  printf "mogrify / --keep-jpeg          = %.2f (goal: at least 4)\n", m / k
  printf "mogrify / vellumo-render       = %.2f\n", m / f }'
