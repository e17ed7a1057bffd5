#!/usr/bin/env bash
# The desktop ending Paysmith: SIGTERM, SIGHUP or SIGINT after an edit saves
# the inputs as closing the window does, once, into a whole settings file.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

fail() { echo "FAIL: SIG$signal: $*"; exit 1; }
clipboard_holds() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
start_x_session

for signal in TERM HUP INT; do
  session_tempdir work
  use_settled_config "$work"
  folder="$XDG_CONFIG_HOME/Harrowfield Financial Software/Paysmith"
  start_paysmith "$program"
  enter_loan1_amount type:250000
  # A signal overtakes keys that Paysmith has not read yet. Back in the
  # amount, Ctrl+C copies it: once the clipboard holds the new amount, every
  # key before the copy has been handled.
  xdotool key shift+Tab ctrl+c
  poll clipboard_holds '250,000.00' || fail "the amount was not copied: '$(xclip -o -selection clipboard 2>&1)'"
  kill -s "$signal" "$APP"
  wait_for_exit "$APP" || fail "Paysmith did not end with status 0"
  grep -qx 'Loan1=250000' "$folder/paysmith.ini" || fail "the new amount was lost"
  [ "$(wc -l < "$folder/paysmith.ini")" -eq 17 ] || fail "the settings file is not whole"
  [ "$(ls -A "$folder")" = paysmith.ini ] || fail "left behind: $(ls -A "$folder")"
done
echo "3 passed, 0 failed"
