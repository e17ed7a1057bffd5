#!/usr/bin/env bash
# Builds Paysmith and runs every test. With PAYSMITH_SANITIZE=1 the build and
# the tests run under AddressSanitizer and UndefinedBehaviorSanitizer, in a
# build folder of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

if [ "${PAYSMITH_SANITIZE:-0}" = 1 ]; then
  dir=build-sanitize
  options=(-DPAYSMITH_SANITIZE=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build
  # The benchmarks are built, not run, so that they keep compiling.
  options=(-DPAYSMITH_BENCH=ON)
fi

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAYSMITH_WERROR=ON \
  -DPAYSMITH_X_TESTS=ON "${options[@]}" >/dev/null
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
