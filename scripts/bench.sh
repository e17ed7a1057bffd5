#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them. Extra arguments go to every
# benchmark program (for example --benchmark_filter=CalcPayment).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPAYSMITH_BENCH=ON -DPAYSMITH_WERROR=ON >/dev/null
cmake --build build-bench
for program in build-bench/bench/paysmith_bench_*; do
  # The glob also meets the build's generated folders.
  [ -f "$program" ] && [ -x "$program" ] || continue
  "$program" "$@"
done
