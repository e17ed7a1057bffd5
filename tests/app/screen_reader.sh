#!/usr/bin/env bash
# Paysmith as a blind user meets it: on a D-Bus session of its own with the
# AT-SPI bus and registry, read Loan 1's amount through the accessibility bus,
# type a new amount with the keyboard, Tab out, and read the new payment.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

# The session bus, and with it the AT-SPI bus that it starts on demand, must
# belong to this test alone.
if [ -z "${PAYSMITH_OWN_BUS:-}" ]; then
  exec dbus-run-session -- env PAYSMITH_OWN_BUS=1 "$0" "$@"
fi

source "$here/../../scripts/xvfb-session.sh"
fail() { echo "FAIL: $*"; exit 1; }

session_tempdir work
use_settled_config "$work"
start_x_session
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
start_paysmith "$program"

read_field() { /usr/bin/python3 "$here/screen_reader.py" "$@" || exit 1; }
read_field "Loan 1" "Amount Borrowed" "150,000.00"
read_field "Loan 1" "Payment Amount" "972.90"
# On to the frequency box and back, so that the amount is entered by the
# keyboard and its whole value is selected.
xdotool key Tab shift+Tab
xdotool type --delay 40 250000
read_field "Loan 1" "Amount Borrowed" "250,000"
xdotool key Tab
read_field "Loan 1" "Amount Borrowed" "250,000.00"
read_field "Loan 1" "Payment Amount" "1,621.50"
read_field "Loan 2" "Amount Borrowed" "150,000.00"
echo "1 passed, 0 failed"
