#!/usr/bin/env bash
# Times whole start-ups of Paysmith, from exec to its main window mapped, and
# its peak memory, beside a plain Qt form of eight text fields built and
# measured in the same run, the two taking turns; prints the medians and
# Paysmith's ratios to the form's. The bar: 1.2x the form's time and 1.15x its
# memory, and never above 1.25x and 1.2x.
# A second program, such as a build of an earlier commit, is measured in the
# same runs, taking turns with this one.
# Usage: scripts/bench-startup.sh [runs] [earlier-paysmith]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
earlier=${2:+$(realpath "$2")}
./scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPAYSMITH_BENCH=ON -DPAYSMITH_WERROR=ON >/dev/null
cmake --build build-bench --target paysmith plain_form >/dev/null
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
  wmctrl -c "$title"
  wait "$runner"
  cat "$memory.last" >> "$memory"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for _ in $(seq "$runs"); do
  measure build-bench/bench/plain_form 'Plain form' "$work/form.mem" >> "$work/form.ms"
  measure build-bench/src/app/paysmith 'Paysmith, 4.6' "$work/paysmith.mem" >> "$work/paysmith.ms"
  if [ -n "$earlier" ]; then
    measure "$earlier" 'Paysmith, 4.6' "$work/earlier.mem" >> "$work/earlier.ms"
  fi
done

form_ms=$(median < "$work/form.ms")
app_ms=$(median < "$work/paysmith.ms")
form_kb=$(median < "$work/form.mem")
app_kb=$(median < "$work/paysmith.mem")
printf 'runs: %d each\n' "$runs"
time_ratio=$(echo "$app_ms / $form_ms" | bc -l)
memory_ratio=$(echo "$app_kb / $form_kb" | bc -l)
printf 'start-up to main window (median): form %s ms, Paysmith %s ms, ratio %.2f (goal 1.20, at most 1.25)\n' \
  "$form_ms" "$app_ms" "$time_ratio"
printf 'peak memory (median): form %s KiB, Paysmith %s KiB, ratio %.2f (goal 1.15, at most 1.20)\n' \
  "$form_kb" "$app_kb" "$memory_ratio"
if [ -n "$earlier" ]; then
  earlier_ms=$(median < "$work/earlier.ms")
  earlier_kb=$(median < "$work/earlier.mem")
  printf 'earlier build (median): %s ms, %s KiB; this build: %+.1f %% time, %+.1f %% memory\n' \
    "$earlier_ms" "$earlier_kb" "$(echo "($app_ms / $earlier_ms - 1) * 100" | bc -l)" \
    "$(echo "($app_kb / $earlier_kb - 1) * 100" | bc -l)"
fi
