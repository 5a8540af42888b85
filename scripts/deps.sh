#!/usr/bin/env bash
# Installs whatever the build, the tests and the program need and this
# machine lacks (Debian 12; run as root).
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev fontconfig fonts-liberation2 fonts-dejavu-core
  libjpeg62-turbo-dev libjpeg-turbo-progs libpng-dev libheif-dev libwebp-dev
  libheif-examples webp
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev llvm
  xvfb xauth imagemagick libxcb1-dev openbox weston xwayland qt6-wayland
  librsvg2-bin man-db file lintian desktop-file-utils appstream x11-utils shared-mime-info
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
