# Sourced by the scripts that run Paysmith in a real X session: starts Xvfb on
# a display it picks itself, with openbox as its window manager, and stops
# both and removes the session's temporary folders on exit.

X_SESSION_TEMP=()

# Makes a temporary folder that the session removes on exit; its path goes
# into the variable named $1.
session_tempdir() {
  local made
  made=$(mktemp -d)
  X_SESSION_TEMP+=("$made")
  printf -v "$1" '%s' "$made"
}

start_x_session() {
  local session display
  session_tempdir session
  trap stop_x_session EXIT
  # Xvfb writes the display it took once it accepts connections, so two
  # sessions started at once never share one.
  mkfifo "$session/display"
  # PAYSMITH_XVFB_SCREEN (WIDTHxHEIGHTxDEPTH) gives room for a scaled-up window.
  Xvfb -displayfd 3 -screen 0 "${PAYSMITH_XVFB_SCREEN:-1024x768x24}" -nolisten tcp \
    3>"$session/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r display < "$session/display" || true
  [ -n "$display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$display"
  # Paysmith runs once per user and finds its running copy in this folder:
  # each session gets its own, so sessions side by side never meet.
  session_tempdir XDG_RUNTIME_DIR
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR

  # A window mapped before the window manager runs is never managed by it:
  # wait for openbox to announce itself on the root window. (Spying on the
  # property misses it: xprop cannot watch an atom that does not exist yet.)
  # Under load Xvfb can refuse a first client for a moment after it has
  # named its display: an openbox turned away is started again.
  poll display_answers || { echo "Xvfb does not answer on $DISPLAY" >&2; return 1; }
  OPENBOX_LOG="$session/openbox.log"
  start_openbox
  poll wm_announced || {
    echo "openbox did not start:" >&2
    cat "$OPENBOX_LOG" >&2
    return 1
  }
}

display_answers() {
  xprop -root >/dev/null 2>&1
}

start_openbox() {
  openbox >>"$OPENBOX_LOG" 2>&1 &
  WM_PID=$!
}

wm_announced() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
  kill -0 "$WM_PID" 2>/dev/null || start_openbox
  return 1
}

stop_x_session() {
  # What the test started ends first, while its display is still there: a
  # test that failed leaves Paysmith running, which would otherwise report
  # the display's loss on top of the failure.
  local job started=()
  for job in $(jobs -p); do
    [[ $job == "${XVFB_PID:-}" || $job == "${WM_PID:-}" ]] || started+=("$job")
  done
  if [ ${#started[@]} -gt 0 ]; then
    kill "${started[@]}" 2>/dev/null || true
    X_WAIT_SECONDS=5 poll ended "${started[@]}" || true
  fi
  kill "${WM_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  [ ${#X_SESSION_TEMP[@]} -eq 0 ] || rm -rf "${X_SESSION_TEMP[@]}"
}

# Points Paysmith at a fresh config folder below $1 holding the settings file
# of an earlier run, so that no first-run help opens.
use_settled_config() {
  export XDG_CONFIG_HOME="$1/config"
  local folder="$XDG_CONFIG_HOME/Harrowfield Financial Software/Paysmith"
  mkdir -p "$folder"
  printf '[GeneralValues]\nRun=1\n' > "$folder/paysmith.ini"
}

# Runs "$@" every tenth of a second until it succeeds, for at most
# X_WAIT_SECONDS (20 by default: a loaded machine starts Qt slowly).
poll() {
  local tries=$((${X_WAIT_SECONDS:-20} * 10))
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Whether a window whose title matches $1 is mapped; its id goes into WINDOW.
# The title is WM_NAME: with "--class" as $2, $1 matches the window's class.
visible_window() {
  WINDOW=$(xdotool search --onlyvisible "${2:---name}" "$1" 2>/dev/null | head -n 1)
  [ -n "$WINDOW" ]
}

# Waits until a window whose title (or class, as above) matches $1 is mapped;
# prints its id.
wait_for_window() {
  poll visible_window "$@" && echo "$WINDOW"
}

# Waits until no window whose title matches $1 is mapped.
no_window() { ! visible_window "$1"; }
wait_until_gone() {
  poll no_window "$1"
}

# Waits until the window manager has given window $1 the focus. Only then do
# keys typed with XTEST (xdotool without --window) reach it, after the news of
# its activation: keys that Qt reads before that miss the window's shortcuts,
# such as Alt and a menu's letter, even when sent to the window itself.
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
wait_until_active() {
  poll active "$1"
}

# Asks the window manager to give window $1 the focus and waits until it has.
activate() {
  xdotool windowactivate "$1" && wait_until_active "$1"
}

# Whether every process in "$@" has ended.
ended() {
  local pid
  for pid; do
    ! kill -0 "$pid" 2>/dev/null || return 1
  done
}

# Waits until process $1 has ended and gives its exit status.
wait_for_exit() {
  poll ended "$1" || return 124
  wait "$1"
}

# Starts Paysmith (the command line in "$@") and waits until its main window
# is mapped; sets APP to the process and MAIN to the window.
launch_paysmith() {
  "$@" &
  APP=$!
  MAIN=$(wait_for_window '^Paysmith, 4\.6$') || { echo "FAIL: no main window"; exit 1; }
}

# As launch_paysmith, and waits until the main window is active. A first run
# opens its help over the window once the window shows: launch it instead.
start_paysmith() {
  launch_paysmith "$@"
  activate "$MAIN" || { echo "FAIL: the main window did not get the focus"; exit 1; }
}

# Types Loan 1's amount into the active main window: on to the frequency box
# and back first, so the amount is entered by the keyboard with its whole
# value selected, and on to the frequency box again after it. The arguments
# are xdotool key names or keycodes, or text after "type:".
enter_loan1_amount() {
  xdotool key Tab shift+Tab
  local part
  for part in "$@"; do
    if [[ $part == type:* ]]; then
      xdotool type --delay 40 "${part#type:}"
    else
      xdotool key "$part"
    fi
  done
  xdotool key Tab
}

# Saves window $1, with its frame and any window over it, as the picture $2.
screenshot_window() {
  import -window root -crop "$(xwininfo -id "$1" -frame | awk '
    /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width/ { w = $2 } /Height/ { h = $2 } END { printf "%dx%d+%d+%d", w, h, x, y }')" \
    "$2"
}
