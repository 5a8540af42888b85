#!/usr/bin/env bash
# Builds Release in build-release/ and makes the Debian package there
# (build-release/vellumo_VERSION_ARCH.deb). It builds only what the package
# holds, with Debian's hardening flags, and the real-window tests, which
# take the composition window's screenshot that the package ships.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release
bash "$root/scripts/deps.sh"
export CCACHE_BASEDIR="$root"
# The flags as Debian builds its packages, without debugging information:
# the package's programs are stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CFLAGS_MAINT_STRIP=-g DEB_CXXFLAGS_MAINT_STRIP=-g
cd "$root"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLUMO_BENCH=OFF \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
targets=(vellumo_package_files)
# The screenshot comes from the real-window tests (tests/xvfb/), which write
# composition.png into BUILD/screenshots/.
screenshot=$build/screenshots/composition.png
xvfb_tests=false
if cmake --build "$build" --target help | grep -q '^test_xvfb:'; then
  xvfb_tests=true
  targets+=(test_xvfb test_xvfb1280)
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
rm -f "$screenshot"
if $xvfb_tests; then
  # The event fuzzer's mapped run and the window manager's framing belong
  # to the test command, which runs them; this run takes the screenshots
  # the package holds.
  bash "$root/scripts/xtest.sh" build-release -LE monkey -E BrowserFrame
  [[ -f "$screenshot" ]] || { echo "package: the real-window tests wrote no $screenshot"; exit 1; }
else
  echo "package: warning: no real-window tests yet, so no composition screenshot is packaged"
fi
rm -f "$build"/vellumo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/vellumo_*.deb
