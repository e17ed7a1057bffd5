#!/usr/bin/env bash
# Times whole start-ups of Paysmith to its first shown window, and its peak
# memory, beside an empty Qt main window built and measured in the same run.
# A second program, such as a build of an earlier commit, is measured in the
# same runs, taking turns with this one.
# Usage: scripts/bench-startup.sh [runs] [earlier-paysmith]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
earlier=${2:+$(realpath "$2")}
./scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPAYSMITH_BENCH=ON -DPAYSMITH_WERROR=ON >/dev/null
cmake --build build-bench --target paysmith bare_window >/dev/null
source scripts/xvfb-session.sh

session_tempdir work
use_settled_config "$work"

start_x_session

# How many windows a _NET_CLIENT_LIST line names.
windows() { { grep -o '0x[0-9a-f]*' <<< "$1" || true; } | wc -l; }

# Starts $1, waits until the window manager lists a new window, prints the
# milliseconds that took, closes the window titled $2 and appends the
# program's peak resident memory in KiB to $3.
measure() {
  local program=$1 title=$2 memory=$3 before start end
  before=$(windows "$(xprop -root _NET_CLIENT_LIST)")
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$memory.last" "$program" &
  local runner=$!
  while read -r line; do
    [ "$(windows "$line")" -gt "$before" ] && break
  done < <(xprop -root -spy _NET_CLIENT_LIST)
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
  sleep 0.3
  wmctrl -c "$title"
  wait "$runner"
  cat "$memory.last" >> "$memory"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for _ in $(seq "$runs"); do
  measure build-bench/bench/bare_window 'Bare window' "$work/bare.mem" >> "$work/bare.ms"
  measure build-bench/src/app/paysmith 'Paysmith, 4.6' "$work/paysmith.mem" >> "$work/paysmith.ms"
  if [ -n "$earlier" ]; then
    measure "$earlier" 'Paysmith, 4.6' "$work/earlier.mem" >> "$work/earlier.ms"
  fi
done

bare_ms=$(median < "$work/bare.ms")
app_ms=$(median < "$work/paysmith.ms")
bare_kb=$(median < "$work/bare.mem")
app_kb=$(median < "$work/paysmith.mem")
printf 'runs: %d each\n' "$runs"
printf 'start-up to first window (median): bare %s ms, Paysmith %s ms, ratio %.2f\n' \
  "$bare_ms" "$app_ms" "$(echo "$app_ms / $bare_ms" | bc -l)"
printf 'peak memory (median): bare %s KiB, Paysmith %s KiB, ratio %.2f\n' \
  "$bare_kb" "$app_kb" "$(echo "$app_kb / $bare_kb" | bc -l)"
if [ -n "$earlier" ]; then
  earlier_ms=$(median < "$work/earlier.ms")
  earlier_kb=$(median < "$work/earlier.mem")
  printf 'earlier build (median): %s ms, %s KiB; this build: %+.1f %% time, %+.1f %% memory\n' \
    "$earlier_ms" "$earlier_kb" "$(echo "($app_ms / $earlier_ms - 1) * 100" | bc -l)" \
    "$(echo "($app_kb / $earlier_kb - 1) * 100" | bc -l)"
fi
