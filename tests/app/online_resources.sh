#!/usr/bin/env bash
# Every Online Resources entry chosen from the keyboard, the update button and
# the status bar's web panel hand their address to the desktop: a stand-in
# xdg-open on PATH writes down what it was given. A refused address opens no
# window and leaves Paysmith running.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

session_tempdir work
use_settled_config "$work"
mkdir "$work/bin"
cat > "$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >> "$work/opened"
exit \$(cat "$work/status")
SCRIPT
chmod +x "$work/bin/xdg-open"
echo 0 > "$work/status"
: > "$work/opened"
export PATH="$work/bin:$PATH"
fail() { echo "FAIL: $*"; cat "$work/opened"; exit 1; }

start_x_session
start_paysmith "$program"

# Waits until the stand-in has written one more address, and checks it.
opened=0
written() { [ "$(wc -l < "$work/opened")" -ge "$opened" ]; }
expect_opened() {
  opened=$((opened + 1))
  poll written || true
  local got
  got=$(sed -n "${opened}p" "$work/opened")
  [ "$got" = "$1" ] || fail "expected $1, got '${got}'"
}

# Prints Paysmith's windows, those on their way to the screen too, whose
# override-redirect state is $1: "yes" for menus and tooltips, which the window
# manager never sees. --onlyvisible after it leaves out those not mapped.
app_windows() {
  local id
  for id in $(xdotool search "${@:2}" --classname '^paysmith$'); do
    xwininfo -id "$id" 2>/dev/null | grep -q "Override Redirect State: $1" && echo "$id"
  done
}
menu_up() { [ -n "$(app_windows yes --onlyvisible)" ]; }
menu_down() { ! menu_up; }

# Opens the Online Resources menu and presses the given keys in it.
choose() {
  wait_until_active "$MAIN" || fail "the main window lost the focus"
  xdotool key alt+o
  xdotool key --delay 60 "$@"
}

ref='?ref=PSM4600'
site=https://www.hfsoft.example
# The menu opens with its first entry chosen.
choose Return;                         expect_opened "$site/$ref"
choose Down Return;                    expect_opened "https://www.webcalcs.example/$ref"
choose i;                              expect_opened "$site/paysmith.htm$ref"
choose s;                              expect_opened "$site/contactform.htm$ref"
choose o;                              expect_opened "$site/faq.htm$ref"
choose f;                              expect_opened "$site/free-financial-software.htm$ref"
# The site entries have no mnemonic: counted down from the first entry.
downs() { printf 'Down %.0s' $(seq "$1"); }
choose $(downs 6) Return;  expect_opened "https://www.lenderreach.example/$ref"
choose $(downs 7) Return;  expect_opened "https://www.finsoftshelf.example/$ref"
choose $(downs 8) Return;  expect_opened "https://www.borrowwise.example/$ref"
choose $(downs 9) Return;  expect_opened "https://www.moneyformulas.example/$ref"
choose $(downs 10) Return; expect_opened "https://www.homeloannotes.example/"
choose b;                              expect_opened "$site/wp/"
choose t Return;                       expect_opened "https://www.amortizerdeluxe.example/$ref"
choose t Down Return;                  expect_opened "https://www.rentorbuyplanner.example/$ref"
choose t Down Down Return;             expect_opened "$site/refinance-advisor.htm$ref"
choose t Down Down Down Return;        expect_opened "https://www.closingcostpro.example/$ref"
choose t Down Down Down Down Return;   expect_opened "https://www.mortgagequalifierplus.example/$ref"
choose v;                              expect_opened "$site/updates/PSM4600.htm"

# The update button, then the web panel with the right button.
# The client area of 658 x 435 pixels ends at the window's bottom, below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
xdotool mousemove --window "$MAIN" 52 "$((HEIGHT - 435 + 17))" click 1
expect_opened "$site/updates/PSM4600.htm"
# A right click on the link brings up the link's own menu, and nothing else.
xdotool mousemove --window "$MAIN" 30 "$((HEIGHT - 9))" click 3
poll menu_up || fail "the right button's click on the link showed no menu"
xdotool key o
expect_opened "$site/$ref"
poll menu_down || fail "the link's menu stayed open"

# Refused: the status line says so, no window comes up and Paysmith carries on.
# The status line's hint panel, right of the web panel, changes once Paysmith
# has taken the refusal in: a window opened for it would exist by then.
status_line() { import -window "$MAIN" -crop "560x19+98+$((HEIGHT - 19))" rgb:- | md5sum; }
status_changed() { [ "$(status_line)" != "$status_before" ]; }
echo 4 > "$work/status"
windows_before=$(app_windows no | wc -l)
status_before=$(status_line)
xdotool mousemove --window "$MAIN" 30 "$((HEIGHT - 9))" click 1
expect_opened "$site/$ref"
poll status_changed || fail "the status line did not tell of the refused address"
[ "$(app_windows no | wc -l)" -eq "$windows_before" ] || fail "a refused address opened a window"
kill -0 "$APP" 2>/dev/null || fail "Paysmith ended after a refused address"

wmctrl -i -c "$MAIN"
wait_for_exit "$APP" || fail "Paysmith did not end cleanly"
echo "1 passed, 0 failed"
