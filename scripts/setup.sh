#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking and a
# headless run of Paysmith need. Safe to run again: apt-get skips what is there.
set -euo pipefail

packages=(
  git cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  qt6-base-dev libgl-dev libjpeg-dev
  fonts-liberation fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox wmctrl xdotool imagemagick x11-utils x11-xkb-utils xkb-data
  weston qt6-wayland
  util-linux mount time bc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -q
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
