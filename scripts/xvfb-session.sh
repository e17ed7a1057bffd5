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
  local session display line
  session_tempdir session
  trap stop_x_session EXIT
  # Xvfb writes the display it took once it accepts connections, so two
  # sessions started at once never share one.
  mkfifo "$session/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display" >/dev/null 2>&1 &
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
  # wait for openbox to announce itself on the root window.
  coproc WM_WATCH { exec timeout 20 xprop -root -spy _NET_SUPPORTING_WM_CHECK 2>/dev/null; }
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  while read -r line <&"${WM_WATCH[0]}"; do
    [[ $line == *'window id'* ]] && break
  done
  kill "${WM_WATCH_PID:-}" 2>/dev/null || true
}

stop_x_session() {
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

# Waits until a window whose title matches $1 is mapped; prints its id.
wait_for_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until process $1 has ended; fails when it outlives its window by 10 s.
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; return; }
    sleep 0.1
  done
  return 124
}

# Starts Paysmith (the command line in "$@") and waits until its main window
# is mapped and active; sets APP to the process and MAIN to the window.
start_paysmith() {
  "$@" &
  APP=$!
  MAIN=$(wait_for_window '^Paysmith, 4\.6$') || { echo "FAIL: no main window"; exit 1; }
  xdotool windowactivate --sync "$MAIN"
  sleep 0.3
}

# Types Loan 1's amount: on to the frequency box and back first, so the
# amount is entered by the keyboard with its whole value selected. The
# arguments are xdotool key names or keycodes, or text after "type:".
enter_loan1_amount() {
  xdotool key --window "$MAIN" Tab shift+Tab
  local part
  for part in "$@"; do
    if [[ $part == type:* ]]; then
      xdotool type --window "$MAIN" --delay 40 "${part#type:}"
    else
      xdotool key --window "$MAIN" "$part"
    fi
  done
  xdotool key --window "$MAIN" Tab
  sleep 0.3
}

# Saves window $1, with its frame and any window over it, as the picture $2.
screenshot_window() {
  import -window root -crop "$(xwininfo -id "$1" -frame | awk '
    /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width/ { w = $2 } /Height/ { h = $2 } END { printf "%dx%d+%d+%d", w, h, x, y }')" \
    "$2"
}
