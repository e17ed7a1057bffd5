#!/usr/bin/env bash
# Paysmith runs once for as long as its first copy lives. A later start brings
# that copy's window to the front and ends with status 0, opening no window of
# its own: at once, late in the copy's life, and while the copy is stuck, which
# comes to the front once it goes on. A copy killed outright leaves nothing
# behind that keeps the next start from running.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

fail() { echo "FAIL: $*"; exit 1; }
start_x_session
session_tempdir work
use_settled_config "$work"

# Minimises the running copy's window and starts Paysmith again, on display
# $LATER_DISPLAY when set; that start must end with status 0, and its messages
# go to $work/said. With "stuck", the running copy is stopped first.
start_again() {
  xdotool windowminimize "$MAIN"
  wait_until_gone '^Paysmith, 4\.6$' || fail "the window was not minimised"
  [ "${1:-}" != stuck ] || kill -STOP "$APP"
  DISPLAY=${LATER_DISPLAY:-$DISPLAY} "$program" 2>"$work/said" &
  wait_for_exit $! || fail "a later start${1:+ beside a $1 copy} did not end with status 0"
  kill -0 "$APP" 2>/dev/null || fail "the running copy ended"
}

# The running copy's window is in front, and the only one open.
in_front() {
  wait_until_active "$MAIN" || fail "the running copy's window is not in front $1"
  windows=$(xdotool search --onlyvisible --name '^Paysmith, 4\.6$' | wc -l)
  [ "$windows" -eq 1 ] || fail "$windows windows are open $1"
}

start_paysmith "$program"
start_again
in_front "after a second start"

# Late in its life, after its window and a dialog were used, the copy is still
# the one a start finds. Named as another display, the later start hears which
# display the running copy answered from.
enter_loan1_amount type:250000
xdotool key alt+h a
about=$(wait_for_window '^ About Paysmith, 4\.6$') || fail "Help > About opened no dialog"
wait_until_active "$about" || fail "the About dialog did not get the focus"
xdotool key Escape
wait_until_gone '^ About Paysmith, 4\.6$' || fail "Escape did not close the About dialog"
LATER_DISPLAY=$DISPLAY.0 start_again
in_front "after a start late in its life"
grep -qF " $DISPLAY;" "$work/said" || fail "the running copy did not answer: $(cat "$work/said")"

# A stuck copy keeps the later start waiting only for a moment; the start was
# heard all the same, and the copy comes to the front once it goes on.
start_again stuck
kill -CONT "$APP"
in_front "once the stuck copy went on"

kill -KILL "$APP"
wait "$APP" 2>/dev/null || true
wait_until_gone '^Paysmith, 4\.6$' || fail "the killed copy's window stayed"
start_paysmith "$program"
start_again
in_front "after a start over a killed copy"

wmctrl -i -c "$MAIN"
wait_for_exit "$APP" || fail "the running copy did not end cleanly"
echo "1 passed, 0 failed"
