#!/usr/bin/env bash
# Builds Paysmith and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target paysmith
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Paysmith is built in build/src/app/paysmith, but there is no display to show it on." >&2
  exit 1
fi
exec build/src/app/paysmith
