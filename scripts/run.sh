#!/usr/bin/env bash
# Builds Paysmith and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
program=build/src/app/paysmith
if [ ! -x "$program" ]; then
  echo "Paysmith's loan arithmetic is built; the main window is not part of this version yet."
  exit 0
fi
exec "$program"
