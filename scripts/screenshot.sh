#!/usr/bin/env bash
# Takes the README's screenshots of Paysmith's main window under Xvfb: the
# loan page, with "schedule" the Schedule page, with "compare" the Compare
# page, with "balloon" the balloon of a
# point refused in Number of Payments, or with "hint" the status line's hint
# for the field under the mouse.
# Usage: scripts/screenshot.sh [output.png] [schedule|compare|balloon|hint]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-docs/screenshot.png}")
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target paysmith >/dev/null
source scripts/xvfb-session.sh

session_tempdir settings_home
use_settled_config "$settings_home"
if [ "${2:-}" = compare ]; then
  # Loan 2's lower rate bought with fees, and a bonus paid into Loan 1.
  printf '[LastValues]\nFees2=3500\nPoints2=0.5\nExtra1=100\nLump1=5000\nLumpPeriod1=24\n[GeneralValues]\nRun=1\nKeepYears=10\n' \
    > "$XDG_CONFIG_HOME/Harrowfield Financial Software/Paysmith/paysmith.ini"
fi

start_x_session
build/src/app/paysmith &
app=$!
window=$(wait_for_window '^Paysmith, 4\.6$')
xdotool windowactivate --sync "$window"
if [ "${2:-}" = schedule ]; then
  # The second tab of the notebook, just right of the first.
  xdotool mousemove --window "$window" 100 72 click 1
elif [ "${2:-}" = compare ]; then
  xdotool key --window "$window" ctrl+Tab ctrl+Tab
elif [ "${2:-}" = balloon ]; then
  # From Loan 1's amount on to its number of payments, where "12." is typed.
  xdotool key --window "$window" Tab Tab
  xdotool type --window "$window" --delay 80 "12."
elif [ "${2:-}" = hint ]; then
  # Over Loan 1's amount, 105 pixels below the window's top edge.
  xdotool mousemove --window "$window" 250 112
fi
sleep 0.5
mkdir -p "$(dirname "$output")"
screenshot_window "$window" "$output"
kill "$app"
echo "$output"
