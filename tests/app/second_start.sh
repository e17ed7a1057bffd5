#!/usr/bin/env bash
# A second start while Paysmith runs: the first copy's window comes to the
# front, no second window opens, and the second process ends with status 0.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

fail() { echo "FAIL: $*"; exit 1; }
start_x_session
session_tempdir work
use_settled_config "$work"
start_paysmith "$program"
xdotool windowminimize "$MAIN"
wait_until_gone '^Paysmith, 4\.6$' || fail "the window was not minimised"

"$program" &
second=$!
wait_for_exit "$second" || fail "the second start did not end with status 0"
kill -0 "$APP" 2>/dev/null || fail "the first copy ended"
wait_until_active "$MAIN" || fail "the first copy's window is not in front"
windows=$(xdotool search --onlyvisible --name '^Paysmith, 4\.6$' | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows are open"
wmctrl -i -c "$MAIN"
wait_for_exit "$APP" || fail "the first copy did not end cleanly"
echo "1 passed, 0 failed"
