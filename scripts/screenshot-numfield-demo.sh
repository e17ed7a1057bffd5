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

source scripts/xvfb-session.sh
start_x_session
"$build/examples/numfield_demo/numfield_demo" &
demo=$!
trap 'kill "$demo" 2>/dev/null || true; stop_x_session' EXIT
window=$(wait_for_window "^Numeric fields$")
xdotool windowactivate --sync "$window"
sleep 0.5
xdotool type --delay 80 "25"
sleep 0.3
import -window "$window" "$out"
echo "$out"
