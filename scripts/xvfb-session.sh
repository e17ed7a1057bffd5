# Sourced by the scripts that run Paysmith in a real X session: starts Xvfb on
# a free display with openbox as its window manager, and stops both on exit.

start_x_session() {
  local display
  for display in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
  done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  # A window mapped before the window manager runs is never managed by it.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
  trap stop_x_session EXIT
}

stop_x_session() {
  kill "${WM_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
  wait 2>/dev/null || true
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

# Waits up to ten seconds for process $1 to end; fails when it has not, or when
# it ended with an error.
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    echo "process $1 did not end" >&2
    return 1
  fi
  wait "$1"
}
