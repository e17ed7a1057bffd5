#!/usr/bin/env bash
# Builds the numeric-field demo, runs it on a virtual screen under openbox and
# saves a screenshot of its window. Usage: screenshot-numfield-demo.sh [file.png]
# The demo starts with the amount field focused and selected; the shot is taken
# after "25" has been typed into it, so the caret and the editing display show.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build=${PAYSMITH_BUILD_DIR:-build}
out=$(realpath -m "${1:-$build/numfield-demo.png}")
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target numfield_demo

export DEMO="$build/examples/numfield_demo/numfield_demo" OUT="$out"
xvfb-run --auto-servernum --server-args="-screen 0 640x400x24" bash -c '
  set -euo pipefail
  openbox & wm=$!
  trap "kill $wm 2>/dev/null || true" EXIT
  # A window mapped before the window manager is up is never managed.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  "$DEMO" & demo=$!
  trap "kill $demo $wm 2>/dev/null || true" EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Numeric fields$" | head -n 1)
  xdotool windowactivate --sync "$window"
  sleep 0.5
  xdotool type --delay 80 "25"
  sleep 0.3
  import -window "$window" "$OUT"
'
echo "$out"
