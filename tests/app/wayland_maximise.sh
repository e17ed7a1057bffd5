#!/usr/bin/env bash
# Under Weston with Qt's own Wayland plug-in, a click on the maximise button
# Qt draws in its title bar must not end Paysmith; and where XWayland is
# there too, Paysmith runs on it unless the user chose a platform.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"

fail() { echo "FAIL: $*"; exit 1; }
start_x_session
session_tempdir work
use_settled_config "$work"
weston --backend=x11-backend.so --socket=paysmith-wl --width=1000 --height=700 \
  --idle-time=0 > "$work/weston.log" 2>&1 &
wait_for_window '^Weston Compositor$' --class >/dev/null || fail "Weston did not start"

# What the screen shows has settled once "$@" prints the same twice in a row;
# that output stays in SETTLED.
settled() {
  local now
  now=$("$@") || return 1
  [ "$now" = "$SETTLED" ] && return 0
  SETTLED=$now
  return 1
}
wait_until_settled() {
  SETTLED=""
  poll settled "$@"
}
# Prints what "$1" prints when its first number is above $2.
wider() {
  local box width
  box=$("$1") && read -r width _ <<< "$box" && [ "$width" -gt "$2" ] && echo "$box"
}
ended_or() { ended "$app" || "$@"; }

# Weston places windows where it likes: the window is where the screen
# changed, below Weston's panel and its clock.
shot() { import -window root -crop 1024x640+0+100 +repage "$1"; }
changed_box() { # prints width height left top of what differs from before.png
  shot "$work/now.png"
  convert "$work/before.png" "$work/now.png" -compose difference -composite \
    -threshold 10% -trim -format '%w %h %X %Y\n' info: 2>/dev/null
}
# Weston fades its desktop in: the picture to compare with is taken once its
# background covers the screen and has stopped changing.
desktop() {
  shot "$work/before.png"
  [ "$(convert "$work/before.png" -format '%[fx:mean > 0.25]' info:)" = 1 ] &&
    md5sum < "$work/before.png"
}
wait_until_settled desktop || fail "Weston showed no desktop"
# Under the sanitizers, libwayland-client and the graphics libraries Qt's
# Wayland plug-in loads leave allocations behind at exit that are none of
# Paysmith's; the leak check is for Paysmith's own code, which the other tests cover.
ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0" \
  WAYLAND_DISPLAY=paysmith-wl QT_QPA_PLATFORM=wayland "$program" 2> "$work/app.log" &
app=$!
wait_until_settled wider changed_box 600 || fail "the window did not appear under Weston"
read -r w h x y <<< "$SETTLED"
[ "$h" -gt 400 ] || fail "what appeared under Weston is $w x $h, not the window"
point_at() {
  # Weston follows the pointer once it has entered its window from outside.
  xdotool mousemove 1020 760 mousemove 500 400 mousemove "$1" "$2"
}
click_at() {
  point_at "$@"
  xdotool click 1
}
# Qt's title bar: the maximise button is the middle one of three at the right.
click_at $((x + w - 39)) $((100 + y + 14))
wait_until_settled ended_or wider changed_box 900 || true
ended "$app" && { cat "$work/app.log"; fail "the maximise click ended Paysmith"; }
read -r w h x y < <(changed_box)
[ "$w" -gt 900 ] || fail "the window did not take the maximised size"
[ -n "${PAYSMITH_SCREENSHOT:-}" ] && import -window root "$PAYSMITH_SCREENSHOT"

# Qt draws the button on dialogs as well. Weston puts the About box over the
# maximised window with its title bar in this strip, where nothing else changes.
strip() { import -window root -crop 1024x16+0+104 +repage "$1"; }
strip_change() { # prints width left of what differs from strip.png
  strip "$work/strip-now.png"
  convert "$work/strip.png" "$work/strip-now.png" -compose difference -composite \
    -threshold 10% -trim -format '%w %X\n' info: 2>/dev/null
}
# The tool bar's About button, at the maximised window's top left. Alt+H and A
# typed a moment after the maximise were now and then lost on their way
# through Weston and Qt's menu, although Weston had the focus and Qt drew the
# window as the active one. The pointer goes there before the strip is taken,
# since Weston draws it.
point_at 95 139
strip_shot() { strip "$work/strip.png" && md5sum < "$work/strip.png"; }
wait_until_settled strip_shot || fail "the screen did not settle after the maximise"
xdotool click 1
wait_until_settled wider strip_change 300 || fail "the About box did not appear where expected"
read -r w x <<< "$SETTLED"
# What changes in the strip ends with the close button's cross. Maximised,
# the box leaves the strip to its contents, which differ from its title bar
# over most of the strip's width; the pointer alone changes a few pixels.
cp "$work/strip-now.png" "$work/strip.png"
click_at $((x + w - 27)) 114
wait_until_settled ended_or wider strip_change 600 || true
ended "$app" && { cat "$work/app.log"; fail "the maximise click on a dialog ended Paysmith"; }
read -r w x < <(strip_change)
[ "$w" -gt 600 ] || fail "the About box did not take the maximised size"
# Closing with the modal box open: the signal still saves and ends.
kill -TERM "$app"
wait_for_exit "$app" || { tail -40 "$work/app.log"; fail "Paysmith did not end cleanly after the click"; }

# The same session with XWayland at hand: an X11 window, no Qt title bar.
WAYLAND_DISPLAY=paysmith-wl "$program" 2>/dev/null &
app=$!
main=$(wait_for_window '^Paysmith, 4\.6$') || fail "no X11 window where XWayland is present"
wmctrl -i -c "$main"
wait_for_exit "$app" || fail "Paysmith on XWayland did not end cleanly"
echo "2 passed, 0 failed"
