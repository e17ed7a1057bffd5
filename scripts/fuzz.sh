#!/usr/bin/env bash
# Builds every fuzz target with clang in build-fuzz/ and runs each for the
# given number of seconds (default 30). Exits non-zero when any target finds a
# crash; the input that crashed is kept in build-fuzz/artifacts/. Each target's
# corpus grows in fuzz-corpus/<target>/ from one run to the next.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
./scripts/setup.sh

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DPAYSMITH_FUZZ=ON -DPAYSMITH_GUI=OFF -DBUILD_TESTING=OFF -DPAYSMITH_WERROR=ON >/dev/null
cmake --build build-fuzz

mkdir -p build-fuzz/artifacts
failed=()
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="fuzz-corpus/$name"
  mkdir -p "$corpus"
  # The logo starts the JPEG fuzzer off with a picture that decodes.
  [ "$name" = fuzz_jpeg ] && cp resources/about/logo.jpg "$corpus/"
  echo "== $name for ${seconds} s"
  if ! "$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/artifacts/$name-" >"build-fuzz/$name.log" 2>&1; then
    tail -n 40 "build-fuzz/$name.log"
    failed+=("$name")
  else
    grep -E '^(stat::number_of_executed_units|Done)' "build-fuzz/$name.log" || true
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz targets that crashed: ${failed[*]}" >&2
  exit 1
fi
