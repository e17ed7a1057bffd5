#!/usr/bin/env bash
# Runs each end-to-end test N times in a row and stops at the first failure,
# printing the test, the run and its output. With --parallel P, P copies of
# the whole set run side by side, each as above: every test starts its own
# Xvfb on a free display, with folders of its own. With --build DIR the
# program built there is taken as it is; otherwise build/ is brought up to date.
# Usage: scripts/repeat-e2e.sh [--parallel P] [--build DIR] N
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/repeat-e2e.sh [--parallel P] [--build DIR] N"
copies=1
build=""
while [ $# -gt 1 ]; do
  case "$1" in
    --parallel) copies=$2 ;;
    --build) build=$2 ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
  shift 2
done
runs=${1:?$usage}

if [ -z "$build" ]; then
  build=build
  ./scripts/setup.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAYSMITH_WERROR=ON \
    -DPAYSMITH_X_TESTS=ON >/dev/null
  cmake --build "$build" --target paysmith
fi
program=$(realpath "$build/src/app/paysmith")
# The tests ctest knows as e2e_<script>, in its order.
mapfile -t tests < <(ctest --test-dir "$build" -N -R '^e2e_' | sed -n 's/^ *Test *#[0-9]*: e2e_//p')
[ ${#tests[@]} -gt 0 ] || { echo "no end-to-end tests in $build: configure it with -DPAYSMITH_X_TESTS=ON"; exit 1; }

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# Runs the whole set as copy $1, each test $runs times in a row; writes a line
# per run into the copy's folder, and the output of the run that failed.
run_copy() {
  local folder="$results/$1" label="" test run
  [ "$copies" -eq 1 ] || label=" (copy $1)"
  mkdir "$folder"
  for test in "${tests[@]}"; do
    for run in $(seq "$runs"); do
      if timeout -k 10 240 "tests/app/$test.sh" "$program" > "$folder/output" 2>&1; then
        echo pass >> "$folder/runs"
      else
        echo fail >> "$folder/runs"
        { echo "e2e_$test failed in run $run of $runs$label:"; cat "$folder/output"; } > "$folder/failure"
        echo "e2e_$test failed in run $run of $runs$label"
        return 1
      fi
    done
    echo "e2e_$test passed $runs times in a row$label"
  done
}

copy_ids=()
for copy in $(seq "$copies"); do
  run_copy "$copy" &
  copy_ids+=($!)
done
wait "${copy_ids[@]}" || true
cat "$results"/*/failure 2>/dev/null || true

passed=$(cat "$results"/*/runs 2>/dev/null | grep -c pass || true)
failed=$(cat "$results"/*/runs 2>/dev/null | grep -c fail || true)
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
