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
"$program" &
app=$!
main=$(wait_for_window '^Paysmith, 4\.6$') || fail "the main window did not appear"
xdotool windowactivate --sync "$main"
sleep 0.3

# Waits until the stand-in has written one more address, and checks it.
opened=0
expect_opened() {
  opened=$((opened + 1))
  for _ in $(seq 50); do
    [ "$(wc -l < "$work/opened")" -ge "$opened" ] && break
    sleep 0.1
  done
  local got
  got=$(sed -n "${opened}p" "$work/opened")
  [ "$got" = "$1" ] || fail "expected $1, got '${got}'"
}

# Opens the Online Resources menu and presses the given keys in it.
choose() {
  xdotool key --window "$main" alt+o
  sleep 0.2
  xdotool key --window "$main" --delay 60 "$@"
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
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 52 "$((HEIGHT - 435 + 17))" click 1
expect_opened "$site/updates/PSM4600.htm"
xdotool mousemove --window "$main" 30 "$((HEIGHT - 9))" click 3
sleep 0.3
xdotool key o
expect_opened "$site/$ref"

# Refused: no window comes up and Paysmith carries on.
echo 4 > "$work/status"
windows_before=$(wmctrl -l | wc -l)
xdotool mousemove --window "$main" 30 "$((HEIGHT - 9))" click 1
expect_opened "$site/$ref"
sleep 0.5
[ "$(wmctrl -l | wc -l)" -eq "$windows_before" ] || fail "a refused address opened a window"
kill -0 "$app" 2>/dev/null || fail "Paysmith ended after a refused address"

wmctrl -i -c "$main"
wait "$app" || fail "Paysmith exited with an error"
echo "1 passed, 0 failed"
