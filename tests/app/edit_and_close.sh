#!/usr/bin/env bash
# Paysmith as a person uses it: start it in a real X session, type a new amount
# for Loan 1 and close the window with the window manager while still in the
# field; then, in a second run, type a number of payments out of range and
# close again. Check what the settings file holds after each.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

session_tempdir work
export XDG_CONFIG_HOME="$work/config"
settings="$XDG_CONFIG_HOME/Harrowfield Financial Software/Paysmith/paysmith.ini"
fail() { echo "FAIL: $*"; [ -f "$settings" ] && cat "$settings"; exit 1; }

start_x_session
launch_paysmith "$program"
# The first start shows its help topic over the window, in front; put it away
# like a person would.
help=$(wait_for_window '^Paysmith Help$') || fail "the first start showed no help"
wait_until_active "$help" || fail "the first-run help did not come to the front"
# Whole on the screen, title bar included, once the window manager has framed it.
on_screen() {
  xwininfo -id "$1" -frame | awk -v W="$(xdpyinfo | awk '/dimensions:/ { print $2 }')" '
    /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width/ { w = $2 } /Height/ { h = $2 }
    END { split(W, s, "x"); exit !(x >= 0 && y >= 0 && x + w <= s[1] && y + h <= s[2]) }'
}
framed() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }
poll framed "$help" || fail "the help window was never framed"
on_screen "$help" || fail "the first-run help is not whole on the screen"
wmctrl -i -c "$help"
wait_until_gone '^Paysmith Help$' || fail "the help did not close"
activate "$MAIN" || fail "the main window did not get the focus back"
# On to the frequency box and back, so that Loan 1's amount is entered by
# the keyboard and its whole value is selected. The close request reaches
# Paysmith through the window manager after the keys: X hands one client its
# events in the order they happened.
xdotool key Tab shift+Tab
xdotool type --delay 40 250000
# Both promotional pages, turned to from the keyboard, show their words and
# their product's picture. A promotional page is in front when its white panel
# fills most of the page and the page differs from the one before; a blank one
# is white all over, and the words and picture bring other colours.
page_picture() { import -window "$MAIN" -crop 640x340+8+88 +repage "$work/page.png"; }
white_share() { convert "$work/page.png" -fill black +opaque white -format '%[fx:mean]' info:; }
turned_to_promo() {
  page_picture
  local now
  now=$(md5sum < "$work/page.png")
  [ "$now" != "${before:-}" ] && (( $(echo "$(white_share) > 0.65" | bc) )) && before=$now
}
for _ in 1 2 3; do xdotool key ctrl+Tab; done
for page in first second; do
  poll turned_to_promo || fail "the $page promotional page did not come to the front"
  (( $(echo "$(white_share) < 0.9" | bc) )) || fail "the $page promotional page shows nothing"
  xdotool key ctrl+Tab
done
wmctrl -i -c "$MAIN"
wait_for_end() {
  wait_for_exit "$APP" || fail "Paysmith did not end cleanly after its window was closed"
}
wait_for_end

[ -f "$settings" ] || fail "no settings file was written"
expect() { grep -qx "$1" "$settings" || fail "the settings file lacks the line '$1'"; }
expect '\[LastValues\]'
expect 'Loan1=250000'
expect 'Interest1=6.75'
expect 'Term1=360'
expect 'Frequency1=Monthly 12'
expect 'Loan2=150000'
expect 'term2=240'
expect '\[GeneralValues\]'
expect 'Run=1'
expect 'Payment1=1621.5'
[ "$(wc -l < "$settings")" -eq 17 ] || fail "the settings file is not 17 lines long"

# An entry out of range: its message shows once, and the close goes on with
# the last valid number saved.
start_paysmith "$program"
xdotool key Tab Tab
xdotool type --delay 40 99999
wmctrl -i -c "$MAIN"
error=$(wait_for_window '^Error$') || fail "the rejected entry showed no message"
wait_until_active "$error" || fail "the message did not get the focus"
xdotool key Return
wait_for_end
expect 'Term1=360'
expect 'Loan1=250000'
echo "1 passed, 0 failed"
