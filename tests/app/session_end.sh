#!/usr/bin/env bash
# The desktop ending Paysmith: SIGTERM, SIGHUP or SIGINT after an edit saves
# the inputs as closing the window does, once, into a whole settings file. An
# amount still being typed while another program's window is active is worked
# out and saved too: when the window manager closes Paysmith, on SIGTERM, and
# when the X server goes away first (Paysmith then ends with status 1).
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

clipboard_has_amount() { [[ $(xclip -o -selection clipboard 2>/dev/null) == 250,000* ]]; }
for signal in close TERM display; do
  session_tempdir work
  use_settled_config "$work"
  folder="$XDG_CONFIG_HOME/Harrowfield Financial Software/Paysmith"
  start_x_session
  start_paysmith "$program"
  xdotool key Tab shift+Tab
  xdotool type --delay 40 250000
  # Still in the field: a double click selects its text and Ctrl+C copies it,
  # so once the clipboard holds it every key before has been handled.
  xdotool mousemove --window "$MAIN" 265 111 click --repeat 2 --delay 80 1 key ctrl+c
  poll clipboard_has_amount || fail "the typed amount was not copied"
  xmessage -name other 'another program' &
  other=$(wait_for_window '^other$' --classname) || fail "no other program's window"
  activate "$other" || fail "the other program's window did not get the focus"
  status=0
  case $signal in
    close) wmctrl -i -c "$MAIN" ;;
    TERM) kill -s TERM "$APP" ;;
    display) kill "$XVFB_PID"; status=1 ;;
  esac
  ended_with=0
  wait_for_exit "$APP" || ended_with=$?
  [ "$ended_with" -eq "$status" ] || fail "Paysmith ended with status $ended_with, not $status"
  grep -qx 'Loan1=250000' "$folder/paysmith.ini" || fail "the typed amount was lost"
  grep -qx 'Payment1=1621.5' "$folder/paysmith.ini" || fail "the loan was not worked out"
  kill "$WM_PID" "$XVFB_PID" 2>/dev/null || true
done
echo "6 passed, 0 failed"
