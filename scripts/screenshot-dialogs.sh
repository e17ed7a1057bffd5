#!/usr/bin/env bash
# Takes screenshots of the About dialog, the Disclaimer and both promotional
# pages under Xvfb, opening each from the keyboard as a person would.
# Usage: scripts/screenshot-dialogs.sh [folder]   (default docs/)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-docs}")
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target paysmith >/dev/null
source scripts/xvfb-session.sh

session_tempdir settings_home
use_settled_config "$settings_home"
start_x_session
start_paysmith build/src/app/paysmith
main=$MAIN
sleep 0.5
mkdir -p "$folder"

# Saves window $1 as $2 in the folder.
shoot() {
  screenshot_window "$1" "$folder/$2"
  echo "$folder/$2"
}

xdotool key alt+h a
about=$(wait_for_window '^ About Paysmith')
wait_until_active "$about"
sleep 0.5
shoot "$about" about.png
xdotool key Return
wait_until_gone '^ About Paysmith'
wait_until_active "$main"

xdotool key alt+h d
disclaimer=$(wait_for_window '^Disclaimer$')
wait_until_active "$disclaimer"
sleep 0.5
shoot "$disclaimer" disclaimer.png
xdotool key Escape
wait_until_gone '^Disclaimer$'

# The promotional pages follow the loan, Schedule and Compare pages in the
# notebook: Ctrl+Tab turns to them as a person would.
wait_until_active "$main"
xdotool key --window "$main" ctrl+Tab ctrl+Tab
for page in 1 2; do
  xdotool key --window "$main" ctrl+Tab
  sleep 0.5
  shoot "$main" "promo-page$page.png"
done
kill "$APP"
