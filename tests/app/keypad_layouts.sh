#!/usr/bin/env bash
# The keypad's decimal key under real keyboard layouts: the German keypad
# sends "," and the French and US ones ".", and either way the amount gets
# the decimal mark of the locale Paysmith runs in.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

fail() { echo "FAIL: $*"; exit 1; }
start_x_session
# The key beside keypad 0: KP_Delete, and with Num Lock on the layout's
# decimal key. xdotool's keysym names would pick another keycode on some layouts.
keypad_decimal=91
xdotool key Num_Lock

run() { # layout locale expected-line
  local work
  session_tempdir work
  use_settled_config "$work"
  setxkbmap "$1"
  start_paysmith env LC_ALL="$2" LANG="$2" "$program"
  enter_loan1_amount type:12 "$keypad_decimal" type:5
  wmctrl -i -c "$MAIN"
  wait_for_exit "$APP" || fail "$1/$2: Paysmith did not end cleanly"
  grep -qx "$3" "$XDG_CONFIG_HOME/Harrowfield Financial Software/Paysmith/paysmith.ini" ||
    fail "$1/$2: the settings file lacks the line '$3'"
}

run de en_US.UTF-8 'Loan1=12.5'
run de de_DE.UTF-8 'Loan1=12,5'
run fr fr_FR.UTF-8 'Loan1=12,5'
run us fr_FR.UTF-8 'Loan1=12,5'
echo "4 passed, 0 failed"
