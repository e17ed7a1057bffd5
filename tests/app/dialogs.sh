#!/usr/bin/env bash
# Help > About and Help > Disclaimer open from the keyboard in the running
# program, and Return or Escape closes them.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

session_tempdir work
use_settled_config "$work"
fail() { echo "FAIL: $*"; exit 1; }

start_x_session
"$program" &
app=$!
main=$(wait_for_window '^Paysmith, 4\.6$') || fail "the main window did not appear"
xdotool windowactivate --sync "$main"
sleep 0.3

# Waits until no visible window's title matches $1.
wait_until_gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

for key in Return Escape; do
  xdotool key --window "$main" alt+h a
  wait_for_window '^ About Paysmith, 4\.6$' >/dev/null || fail "Help > About opened no dialog"
  sleep 0.3
  xdotool key "$key"
  wait_until_gone '^ About Paysmith' || fail "$key did not close the About dialog"

  xdotool key --window "$main" alt+h d
  wait_for_window '^Disclaimer$' >/dev/null || fail "Help > Disclaimer opened no dialog"
  sleep 0.3
  xdotool key "$key"
  wait_until_gone '^Disclaimer$' || fail "$key did not close the Disclaimer"
done

wmctrl -i -c "$main"
wait "$app" || fail "Paysmith exited with an error"
echo "1 passed, 0 failed"
