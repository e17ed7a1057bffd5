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
start_paysmith "$program"

# Chooses the Help menu's entry $1 by its letter $2 once the main window has
# the focus back, and closes its dialog, titled $3, with key $4 once it has it.
open_and_close() {
  wait_until_active "$MAIN" || fail "the main window did not get the focus back"
  xdotool key alt+h "$2"
  local dialog
  dialog=$(wait_for_window "$3") || fail "Help > $1 opened no dialog"
  wait_until_active "$dialog" || fail "the $1 dialog did not get the focus"
  xdotool key "$4"
  wait_until_gone "$3" || fail "$4 did not close the $1 dialog"
}

for key in Return Escape; do
  open_and_close About a '^ About Paysmith, 4\.6$' "$key"
  open_and_close Disclaimer d '^Disclaimer$' "$key"
done

wmctrl -i -c "$MAIN"
wait_for_exit "$APP" || fail "Paysmith did not end cleanly"
echo "1 passed, 0 failed"
