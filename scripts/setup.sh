#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking and a
# headless run of Paysmith need. Safe to run again: apt-get skips what is there.
# With "package" it also installs what building and checking the Debian
# package needs, with "cross" what the arm64 cross-build and its test run need.
set -euo pipefail

packages=(
  git cmake ninja-build g++ clang libclang-rt-14-dev clang-format python3
  qt6-base-dev qt6-base-private-dev libgl-dev libjpeg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox wmctrl xdotool xclip imagemagick x11-utils x11-xkb-utils xkb-data
  weston qt6-wayland
  util-linux mount time bc
  dbus at-spi2-core python3-pyatspi orca
)
for extra in "$@"; do
  case "$extra" in
    package) packages+=(dpkg-dev file lintian desktop-file-utils appstream man-db strace poppler-utils) ;;
    cross) packages+=(g++-aarch64-linux-gnu libc6-arm64-cross libc6-dev-arm64-cross qemu-user) ;;
    *) echo "setup.sh: unknown extra '$extra' (known: package, cross)" >&2; exit 2 ;;
  esac
done

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
