#!/usr/bin/env bash
# Paysmith as a blind user meets it: on a D-Bus session of its own with the
# AT-SPI bus and registry, and Orca, read Loan 1's amount through the
# accessibility bus, type a new amount with the keyboard, Tab out, and hear the
# new payment; hear why a key is refused; hear the Compare page's new figures
# and its sentence; read a promotional page and the Disclaimer.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

# The session bus, and with it the AT-SPI bus that it starts on demand, must
# belong to this test alone.
if [ -z "${PAYSMITH_OWN_BUS:-}" ]; then
  exec dbus-run-session -- env PAYSMITH_OWN_BUS=1 "$0" "$@"
fi

source "$here/../../scripts/xvfb-session.sh"
# Qt holds each key until Orca has seen it, and Orca, a Python program, falls
# far behind on a loaded machine: the waits for what it says are bounded
# more generously than the others.
export X_WAIT_SECONDS=${X_WAIT_SECONDS:-45}
fail() { echo "FAIL: $*"; exit 1; }

session_tempdir work
use_settled_config "$work"
start_x_session
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &

# Orca, with settings of the test's own, says every line into its debug log as
# "SPEECH OUTPUT: '...'"; there is no sound, so no speech server is started. A
# customization has each line written as it is said, not in blocks.
orca_log="$work/orca.log"
mkdir -p "$work/orca"
printf '%s\n' 'from orca import debug' 'if debug.debugFile:' \
  '    debug.debugFile.reconfigure(line_buffering=True)' > "$work/orca/orca-customizations.py"
# Orca runs once per user: it looks for others with pgrep and, with --replace,
# kills them, which would end the Orca of a check running beside this one.
# On buses of its own it is told there is no other.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexit 1\n' > "$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
PATH="$work/bin:$PATH" HOME="$work" SPEECHD_CMD=/bin/false orca -u "$work/orca" \
  --debug-file "$orca_log" >/dev/null 2>&1 &
# Orca outlasts the grace after SIGTERM: it is killed, first, out of the jobs.
ORCA_PID=$!
disown "$ORCA_PID"
trap 'kill -KILL "$ORCA_PID" 2>/dev/null || true; stop_x_session' EXIT
started() { grep -qF "ORCA: Startup complete" "$orca_log" 2>/dev/null; }
poll started || fail "Orca did not start"
# Whether Orca has said $1, at least $2 times (once by default). Keys wait
# for what the key before made it say: while Orca has not answered for a key,
# Qt holds it back, and those after it, for the control focused when it came.
spoken() { [ "$(grep -cF "SPEECH OUTPUT: '$1" "$orca_log")" -ge "${2:-1}" ]; }
wait_until_spoken() { poll spoken "$@" || fail "Orca did not say '$1'"; }

start_paysmith "$program"

read_field() { /usr/bin/python3 "$here/screen_reader.py" "$@" || exit 1; }
read_field "Loan 1" "Amount Borrowed" "150,000.00"
read_field "Loan 1" "Payment Amount" "972.90"
wait_until_spoken "Amount Borrowed  \$ text"

# On to the frequency box and back, so that the amount is entered by the
# keyboard and its whole value is selected.
xdotool key Tab
wait_until_spoken "Payment Frequency editable combo box"
xdotool key shift+Tab
wait_until_spoken "Amount Borrowed  \$ text" 2
xdotool type --delay 40 250000
read_field "Loan 1" "Amount Borrowed" "250,000"
xdotool key Tab
read_field "Loan 1" "Amount Borrowed" "250,000.00"
read_field "Loan 1" "Payment Amount" "1,621.50"
# The new payment is heard although the focus is elsewhere.
wait_until_spoken "notification Loan 1: payment 1,621.50, 30.00 years"
read_field "Loan 2" "Amount Borrowed" "150,000.00"

# A point refused by a count is heard with its reason, and the count stays.
wait_until_spoken "Payment Frequency editable combo box" 2
xdotool key Tab
wait_until_spoken "Number of Payments text"
xdotool type .
wait_until_spoken "notification Whole numbers only"
read_field "Loan 1" "Number of Payments" "360"

# Clicked, not typed where a key could do: Qt holds each key until Orca has
# answered for it, and a loaded machine can leave Orca's answers behind far
# enough for Qt to give a key the answer meant for another, losing Alt+H.
click() {
  local centre
  centre=$(/usr/bin/python3 "$here/screen_reader.py" --where "$1") || fail "no $1 to click"
  # shellcheck disable=SC2086 # the centre is two numbers
  xdotool mousemove $centre click 1
}

# The Schedule and Compare pages, built as they are first turned to, leave
# Orca reading: the page clicked to is named after its build. On the Compare
# page a fee typed for Loan 2 is heard with its loan, and the new figures
# follow, with the sentence on which costs less; the rate's method is heard.
xdotool key ctrl+Tab
wait_until_spoken "Schedule page tab"
click Compare
wait_until_spoken "notification Compare page"
# The first field may be named or only its selected text said, as Orca takes
# its events.
fees=$(grep -cF "SPEECH OUTPUT: '0.00" "$orca_log" || true)
xdotool key Tab
wait_until_spoken "0.00" $((fees + 1))
xdotool key Tab
wait_until_spoken "Closing fees, Loan 2 text"
xdotool type --delay 40 3000
xdotool key Tab
wait_until_spoken "notification Loan 1: APR 6.750 %, cost 333,734.37, balance then 0.00. Loan 2: APR"
grep -F "SPEECH OUTPUT: 'notification Loan 1: APR" "$orca_log" |
  grep -qF "cost 105,749.06, balance then 0.00. Kept 30.00 years, Loan 2 costs less." ||
  fail "the comparison's sentence was not heard with Loan 2's new cost"
# The box of the rate's method says the method it shows.
xdotool key Tab
wait_until_spoken "Points (%), Loan 2 text"
xdotool key Tab
wait_until_spoken "Years kept text"
xdotool key Tab
wait_until_spoken "Rate shown as combo box"
wait_until_spoken "APR (United States)"

# A promotional page and the Disclaimer are read as texts; the Disclaimer's is
# said as the dialog opens.
xdotool key ctrl+Tab
wait_until_spoken "Closing Cost Pro page tab"
xdotool key ctrl+Tab
wait_until_spoken "Mortgage Qualifier Plus page tab"
read_field --text "Paysmith, 4.6" "works out the loan a buyer qualifies for"
click Help
click Disclaimer
wait_for_window '^Disclaimer$' >/dev/null || fail "Help > Disclaimer opened no dialog"
read_field --text "Disclaimer" "there is NO WARRANTY"
wait_until_spoken "Though effort was made"
echo "1 passed, 0 failed"
