#!/usr/bin/env bash
# CI's check of the Debian package: builds it (scripts/package.sh),
# validates its desktop entry and metainfo, lints it, installs it as a user
# would, runs both programs from /usr/bin (the desktop program's command
# line without a display, then the program under a private Xvfb until its
# browser window is mapped, and with a picture until its panel is), removes
# it and checks that nothing of it is left under /usr. Run as root.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release
bash "$root/scripts/package.sh"

fail() {
  echo "package-check: $*"
  exit 1
}
step() { echo "package-check: $*"; }

debs=("$build"/vellumo_*.deb)
((${#debs[@]} == 1)) || fail "expected one package in $build, found ${debs[*]}"
deb=${debs[0]}
desktop=$(echo "$build"/packaging/*.desktop)
id=$(basename "$desktop" .desktop)
version=$(dpkg-deb -f "$deb" Version)

step "validating $id.desktop and $id.metainfo.xml"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$build/packaging/$id.metainfo.xml"

step "lintian (errors fail)"
lintian --fail-on error "$deb"

depends=$(dpkg-deb -f "$deb" Depends)
step "Depends: $depends"
for need in libqt6widgets6 libjpeg62-turbo libpng16-16 libheif1 libwebp7 fonts-liberation2 fontconfig; do
  [[ ", $depends," == *", $need "* || ", $depends," == *", $need,"* ]] || fail "Depends lacks $need"
done
if grep -Eq -- '-dev\b|gtest|gmock|benchmark|clang|\bg\+\+|\bgcc\b|cmake' <<<"$depends"; then
  fail "Depends names a build or test package"
fi

# Exactly these files, so that nothing of the tests or benchmarks slips in.
expected=(
  /usr/bin/vellumo /usr/bin/vellumo-render
  "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$id.svg"
  /usr/share/man/man1/vellumo.1.gz /usr/share/man/man1/vellumo-render.1.gz
  /usr/share/doc/vellumo/copyright /usr/share/doc/vellumo/changelog.gz
)
for size in 16 32 48 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$id.png")
  # The icon of two builds (the test build and this one) is the same.
  if [[ -f "$root/build/packaging/icons/$size.png" ]]; then
    cmp "$root/build/packaging/icons/$size.png" "$build/packaging/icons/$size.png" ||
      fail "the $size x $size icon differs between build/ and build-release/"
  fi
done
[[ -f "$build/screenshots/composition.png" ]] && expected+=("/usr/share/$id/composition.png")
contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$contents") || fail "the package holds other files than expected"

# From here on the package is installed; whatever happens, it goes again.
xvfb=
program=
work=$(mktemp -d)
cleanup() {
  [[ -n "$program" ]] && kill "$program" 2>/dev/null
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  if dpkg-query -W -f='${Status}' vellumo 2>/dev/null | grep -q 'install ok installed'; then
    apt-get remove -y -qq -o DPkg::Lock::Timeout=300 vellumo >/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

step "installing $(basename "$deb")"
(cd "$build" && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 "./$(basename "$deb")" >/dev/null)

step "vellumo-render from /usr/bin"
[[ "$(/usr/bin/vellumo-render --version)" == "vellumo-render $version" ]] || fail "vellumo-render --version is not $version"
/usr/bin/vellumo-render "$root/samples/meadow.jpg" --out "$work/caption.jpg" --text 'Vellumo' --size 48 --bold \
  --style Shadow --fill gradient --gradient clYellow,clRed,clMaroon --at 40,30
[[ "$(identify -format '%m %wx%h' "$work/caption.jpg")" == "JPEG $(identify -format '%wx%h' "$root/samples/meadow.jpg")" ]] ||
  fail "the caption render is no JPEG of the background's size"
[[ "$(MANWIDTH=80 man vellumo-render 2>/dev/null)" == *"--gradient-style GEOMETRY"* ]] || fail "man vellumo-render shows no options"

step "vellumo's command line, with no display"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/vellumo --version)" == "vellumo $version" ]] ||
  fail "vellumo --version is not $version"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/vellumo --help | head -n 1)" == "Usage: vellumo [FILE]" ]] ||
  fail "vellumo --help shows no usage"
status=0
usage=$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/vellumo --bogus 2>&1 >/dev/null) || status=$?
[[ $status == 2 && "$usage" == "Usage: vellumo [FILE]"* ]] || fail "vellumo --bogus gave status $status and '$usage'"
grep -qx 'Exec=vellumo %f' "$desktop" || fail "the menu entry does not hand the program a file"
grep -qx 'MimeType=image/bmp;image/jpeg;image/png;image/heif;image/webp;' "$desktop" || fail "the menu entry does not offer the picture kinds"
[[ "$(MANWIDTH=80 man vellumo 2>/dev/null)" == *"vellumo [FILE]"* ]] || fail "man vellumo shows no FILE"

step "vellumo from /usr/bin under Xvfb"
displayfd=$work/display
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfd" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
  [[ -s "$displayfd" ]] && break
  sleep 0.1
done
[[ -s "$displayfd" ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$displayfd")
(cd "$work" && exec env -u QT_QPA_PLATFORM /usr/bin/vellumo >"$work/vellumo.log" 2>&1) &
program=$!
# The browser is the one window mapped at start; WM_CLASS tells it is ours.
window=
for _ in $(seq 150); do
  window=$(LC_ALL=C.UTF-8 xwininfo -root -tree | awk '/"Загрузить картинку\.\.\.\(JPG;BMP\)": \("vellumo" / && !found { print $1; found = 1 }')
  [[ -n "$window" && "$(xwininfo -id "$window")" == *"Map State: IsViewable"* ]] && break
  window=
  sleep 0.2
done
[[ -n "$window" ]] || { cat "$work/vellumo.log"; fail "the browser window of /usr/bin/vellumo was not mapped"; }
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
[[ "$wm_class" == "$(sed -n 's/^StartupWMClass=//p' "$desktop")" ]] || fail "WM_CLASS '$wm_class' is not the menu entry's"
icons=$(xprop -len 1000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for size in 16 32 48 128 256; do
  [[ "$icons" == *"Icon ($size x $size)"* ]] || fail "the window's icon lacks $size x $size (has: $icons)"
done
kill "$program"
wait "$program" 2>/dev/null || true
program=

step "vellumo FILE from /usr/bin under Xvfb"
(cd "$work" && exec env -u QT_QPA_PLATFORM /usr/bin/vellumo "$root/samples/meadow.jpg" >"$work/vellumo.log" 2>&1) &
program=$!
# Opened as a double click opens it: the panel comes up beside the composition.
panel=
for _ in $(seq 150); do
  panel=$(xwininfo -root -tree | awk '/"Vellumo v2\.0 \(Prof\)": \("vellumo" / && !found { print $1; found = 1 }')
  [[ -n "$panel" && "$(xwininfo -id "$panel")" == *"Map State: IsViewable"* ]] && break
  panel=
  sleep 0.2
done
[[ -n "$panel" ]] || { cat "$work/vellumo.log"; fail "vellumo FILE did not bring up the control panel"; }
kill "$program"
wait "$program" 2>/dev/null || true
program=

step "removing the package"
apt-get remove -y -qq -o DPkg::Lock::Timeout=300 vellumo >/dev/null
for file in "${expected[@]}"; do
  [[ ! -e "$file" ]] || fail "$file is left after removal"
done
for folder in "/usr/share/$id" /usr/share/doc/vellumo; do
  [[ ! -e "$folder" ]] || fail "$folder is left after removal"
done
step "ok: $(basename "$deb")"
