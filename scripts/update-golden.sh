#!/usr/bin/env bash
# Writes every case's expected files under tests/golden/ from what the program
# makes now, in English and in German, and shows what changed. Read the diff
# before committing it: whatever it holds becomes what the tests expect.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAYSMITH_WERROR=ON >/dev/null
cmake --build build --target golden_outputs
PAYSMITH_GOLDEN_UPDATE=1 ctest --test-dir build -R '^golden_outputs' --output-on-failure
git status --short -- tests/golden
git diff --stat -- tests/golden
